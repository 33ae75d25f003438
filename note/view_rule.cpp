#include "note/view_rule.h"

#include <algorithm>

namespace {

// Edges in 64 bits: a stored place near the ends of the 32-bit range must
// not overflow when its size is added.
struct Edges {
    long long left, top, right, bottom;
};

Edges edgesOf(const Bounds& b) {
    return {b.left, b.top, static_cast<long long>(b.left) + b.width, static_cast<long long>(b.top) + b.height};
}

bool overlap(const Edges& a, const Edges& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The value, moved into the pixels from start to start + length - 1.
int within(int value, int start, int length) { return std::max(start, std::min(value, start + length - 1)); }

// How far apart two rectangles lie along one axis (0 when they overlap).
double gap(long long aLow, long long aHigh, long long bLow, long long bHigh) {
    return static_cast<double>(std::max({0LL, bLow - aHigh, aLow - bHigh}));
}

double distance(const Edges& a, const Edges& b) {
    const double dx = gap(a.left, a.right, b.left, b.right);
    const double dy = gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

// The start of a span of the given length moved the least into [low, high).
long long clampedStart(long long start, long long length, long long low, long long high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

Bounds keptInView(const Bounds& note, const std::vector<Bounds>& workAreas) {
    const Edges edges = edgesOf(note);
    const auto visibleIn = [&](const Bounds& area) { return overlap(edges, edgesOf(area)); };
    if (workAreas.empty() || std::any_of(workAreas.begin(), workAreas.end(), visibleIn)) return note;
    const Bounds& nearest = *std::min_element(workAreas.begin(), workAreas.end(), [&](const Bounds& a, const Bounds& b) {
        return distance(edges, edgesOf(a)) < distance(edges, edgesOf(b));
    });
    const Edges area = edgesOf(nearest);
    const int width = std::min(note.width, nearest.width);
    const int height = std::min(note.height, nearest.height);
    return Bounds{static_cast<int>(clampedStart(note.left, width, area.left, area.right)),
                  static_cast<int>(clampedStart(note.top, height, area.top, area.bottom)), width, height};
}

Point keyboardMenuPoint(const std::optional<Bounds>& caret, const Bounds& textArea, const Bounds& window) {
    const Point wanted = caret ? Point{caret->left, caret->top + caret->height} : Point{textArea.left, textArea.top};
    return {within(wanted.x, window.left, window.width), within(wanted.y, window.top, window.height)};
}
