#include "note/menu_point.h"

#include <algorithm>

namespace {
// The value, moved into the pixels from start to start + length - 1.
int within(int value, int start, int length) { return std::max(start, std::min(value, start + length - 1)); }
}  // namespace

Point keyboardMenuPoint(const std::optional<Bounds>& caret, const Bounds& textArea, const Bounds& window) {
    const Point wanted = caret ? Point{caret->left, caret->top + caret->height} : Point{textArea.left, textArea.top};
    return {within(wanted.x, window.left, window.width), within(wanted.y, window.top, window.height)};
}
