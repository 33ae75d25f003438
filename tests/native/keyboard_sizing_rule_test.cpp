#include "note/keyboard_sizing_rule.h"

#include <gtest/gtest.h>

namespace {
const Bounds kStart{100, 100, 200, 120};

TEST(KeyboardSizing, MovingTakesEightPixelsAKeyAndKeepsTheSize) {
    KeyboardSizing move(KeyboardSizing::Kind::Move, kStart);
    for (Arrow arrow : {Arrow::Right, Arrow::Right, Arrow::Down, Arrow::Left, Arrow::Up, Arrow::Up}) move.Step(arrow);
    EXPECT_EQ(move.Now(), (Bounds{108, 92, 200, 120}));
    EXPECT_EQ(move.Start(), kStart);
}

TEST(KeyboardSizing, TheFirstArrowChoosesAnEdgeAndAnArrowAcrossItACorner) {
    KeyboardSizing size(KeyboardSizing::Kind::Size, kStart);
    EXPECT_EQ(size.Step(Arrow::Left), kStart);
    EXPECT_EQ(size.Edges(), KeyboardSizing::kLeftEdge);
    EXPECT_EQ(size.Step(Arrow::Left), (Bounds{92, 100, 208, 120}));  // the right edge stays
    EXPECT_EQ(size.Step(Arrow::Right), kStart);
    EXPECT_EQ(size.Step(Arrow::Down), kStart);
    EXPECT_EQ(size.Edges(), KeyboardSizing::kLeftEdge | KeyboardSizing::kBottomEdge);
    EXPECT_EQ(size.Step(Arrow::Down), (Bounds{100, 100, 200, 128}));
    EXPECT_EQ(size.Step(Arrow::Left), (Bounds{92, 100, 208, 128}));

    KeyboardSizing fromTop(KeyboardSizing::Kind::Size, kStart);
    fromTop.Step(Arrow::Up);
    fromTop.Step(Arrow::Right);
    fromTop.Step(Arrow::Up);
    EXPECT_EQ(fromTop.Step(Arrow::Right), (Bounds{100, 92, 208, 128}));
}

TEST(KeyboardSizing, AnEdgeStopsAtTheMinimumWithTheOppositeEdgeInPlace) {
    KeyboardSizing fromRight(KeyboardSizing::Kind::Size, {100, 100, 30, 20});
    fromRight.Step(Arrow::Right);
    for (int i = 0; i < 3; ++i) fromRight.Step(Arrow::Left);
    EXPECT_EQ(fromRight.Now(), (Bounds{100, 100, kMinimumSide, 20}));

    KeyboardSizing fromTop(KeyboardSizing::Kind::Size, {100, 100, 30, 20});
    fromTop.Step(Arrow::Up);
    for (int i = 0; i < 3; ++i) fromTop.Step(Arrow::Down);
    EXPECT_EQ(fromTop.Now(), (Bounds{100, 104, 30, kMinimumSide}));
    EXPECT_EQ(fromTop.Step(Arrow::Up), (Bounds{100, 96, 30, 24}));
}
}  // namespace
