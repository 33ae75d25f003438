#include "note/layout_rule.h"

#include <gtest/gtest.h>

namespace {
TEST(TextAreaBounds, InsideTheFrameAtKnownSizes) {
    EXPECT_EQ(textAreaBounds(188, 89), (Bounds{12, 10, 163, 67}));
    EXPECT_EQ(textAreaBounds(100, 100), (Bounds{12, 10, 75, 78}));
    EXPECT_EQ(textAreaBounds(26, 23), (Bounds{12, 10, 1, 1}));
    EXPECT_EQ(textAreaBounds(16, 16), (Bounds{12, 10, -9, -6}));
}

TEST(TextAreaBounds, LastPixelIsFourteenFromRightThirteenFromBottom) {
    const Bounds text = textAreaBounds(188, 89);
    EXPECT_EQ(text.left + text.width - 1, 188 - 14);
    EXPECT_EQ(text.top + text.height - 1, 89 - 13);
}

TEST(FrameStrips, TopAndBottomFullWidthSidesBetweenThem) {
    const FrameStrips strips = frameStrips(188, 89);
    EXPECT_EQ(strips.top, (Bounds{0, 0, 188, 1}));
    EXPECT_EQ(strips.bottom, (Bounds{0, 88, 188, 1}));
    EXPECT_EQ(strips.left, (Bounds{0, 1, 1, 87}));
    EXPECT_EQ(strips.right, (Bounds{187, 1, 1, 87}));
}

TEST(FrameStrips, AtTheMinimumSize) {
    const FrameStrips strips = frameStrips(kMinimumSide, kMinimumSide);
    EXPECT_EQ(strips.bottom, (Bounds{0, 15, 16, 1}));
    EXPECT_EQ(strips.right, (Bounds{15, 1, 1, 14}));
}
}  // namespace
