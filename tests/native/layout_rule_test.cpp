#include "note/layout_rule.h"

#include <gtest/gtest.h>

#include <climits>

#include "note/view_rule.h"

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

TEST(KeptInView, AnyVisiblePartKeepsThePlaceExactly) {
    const std::vector<Bounds> screens{{0, 0, 1280, 994}, {-1024, 0, 1024, 768}};
    for (const Bounds note : {Bounds{-50, -20, 188, 89}, Bounds{1270, 900, 188, 89}, Bounds{-1100, 700, 100, 100},
                              Bounds{300, 200, 180, 120}})
        EXPECT_EQ(keptInView(note, screens), note);
}

TEST(KeptInView, ALostNoteMovesTheLeastIntoTheNearestWorkAreaKeepingItsSize) {
    const std::vector<Bounds> screens{{0, 0, 1280, 994}, {-1024, 0, 1024, 768}};
    EXPECT_EQ(keptInView({5000, 100, 180, 120}, screens), (Bounds{1100, 100, 180, 120}));
    EXPECT_EQ(keptInView({300, 3000, 180, 120}, screens), (Bounds{300, 874, 180, 120}));
    EXPECT_EQ(keptInView({-5000, 900, 180, 120}, screens), (Bounds{-1024, 648, 180, 120}));
    EXPECT_EQ(keptInView({-300, 900, 180, 120}, screens), (Bounds{0, 874, 180, 120}));
    EXPECT_EQ(keptInView({INT_MAX, INT_MIN, 180, 120}, screens), (Bounds{1100, 0, 180, 120}));
    EXPECT_EQ(keptInView({INT_MIN, INT_MAX - 50, 100, 100}, screens), (Bounds{-1024, 668, 100, 100}));
}

TEST(KeptInView, ANoteLargerThanTheWorkAreaShrinksToIt) {
    EXPECT_EQ(keptInView({3000, 10, 2000, 500}, {{0, 0, 1280, 994}}), (Bounds{0, 10, 1280, 500}));
    EXPECT_EQ(keptInView({3000, 3000, 2000, 2000}, {{0, 30, 1280, 964}}), (Bounds{0, 30, 1280, 964}));
}
}  // namespace
