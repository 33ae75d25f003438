#include "note/layout_rule.h"

namespace {
constexpr int kTextTop = 10;
constexpr int kTextLeft = 12;
constexpr int kTextWidthMargin = 25;
constexpr int kTextHeightMargin = 22;
}  // namespace

Bounds textAreaBounds(int width, int height) {
    return {kTextLeft, kTextTop, width - kTextWidthMargin, height - kTextHeightMargin};
}

FrameStrips frameStrips(int width, int height) {
    const int between = height - 2;
    return {
        {0, 0, width, 1},
        {0, height - 1, width, 1},
        {0, 1, 1, between},
        {width - 1, 1, 1, between},
    };
}
