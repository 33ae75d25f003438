#include "note/grip.h"

#include <gtest/gtest.h>

namespace {
TEST(Grip, PictureSitsThirteenFromTheCorner) {
    const Point origin = gripPictureOrigin(188, 89);
    EXPECT_EQ(origin.x, 175);
    EXPECT_EQ(origin.y, 76);
}

TEST(NoteHitTest, GripSquareIsHalfOpenAndOffsetFromThePicture) {
    for (const auto& [w, h] : {std::pair{188, 89}, std::pair{16, 16}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        EXPECT_EQ(noteHitTest(w - 1, h - 1, w, h), kHitBottomRight);
        EXPECT_EQ(noteHitTest(w - 12, h - 12, w, h), kHitBottomRight);
        EXPECT_EQ(noteHitTest(w - 12, h - 1, w, h), kHitBottomRight);
        EXPECT_EQ(noteHitTest(w - 13, h - 13, w, h), kHitCaption);
        EXPECT_EQ(noteHitTest(w - 13, h - 1, w, h), kHitCaption);
        EXPECT_EQ(noteHitTest(w - 1, h - 13, w, h), kHitCaption);
        EXPECT_EQ(noteHitTest(w, h - 1, w, h), kHitCaption);
        EXPECT_EQ(noteHitTest(w - 1, h, w, h), kHitCaption);
        EXPECT_EQ(noteHitTest(0, 0, w, h), kHitCaption);
    }
}

TEST(GripBitmap, BottomUpRowsMostSignificantBitLeftmostPaddedToFourBytes) {
    const GripBits& bits = gripBitmapBits();
    auto row = [&](int bitmapRow) {
        return std::vector<int>(bits.begin() + bitmapRow * 4, bits.begin() + bitmapRow * 4 + 4);
    };
    EXPECT_EQ(row(0), (std::vector<int>{0xFF, 0xF0, 0, 0}));   // ############
    EXPECT_EQ(row(1), (std::vector<int>{0xBF, 0xF0, 0, 0}));   // #.##########
    EXPECT_EQ(row(5), (std::vector<int>{0x83, 0xF0, 0, 0}));   // #.....######
    EXPECT_EQ(row(6), (std::vector<int>{0x81, 0xF0, 0, 0}));   // #......#####
    EXPECT_EQ(row(10), (std::vector<int>{0x80, 0x10, 0, 0}));  // #..........#
    EXPECT_EQ(row(11), (std::vector<int>{0xFF, 0xF0, 0, 0}));  // ############
}

TEST(GripBitmap, LowerRightTriangleIsBlackUpperLeftWhite) {
    const GripBits& bits = gripBitmapBits();
    auto black = [&](int x, int y) {  // y from the top of the picture
        const int bitmapRow = kGripSide - 1 - y;
        return (bits[bitmapRow * 4 + x / 8] >> (7 - x % 8) & 1) == 1;
    };
    for (int y = 1; y < kGripSide - 1; ++y)
        for (int x = 1; x < kGripSide - 1; ++x)
            EXPECT_EQ(black(x, y), x + y >= kGripSide) << x << "," << y;
}
}  // namespace
