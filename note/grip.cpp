#include "note/grip.h"

namespace {
// The grip, top row first: '#' black, '.' white.
constexpr const char* kGripPicture[kGripSide] = {
    "############",
    "#..........#",
    "#.........##",
    "#........###",
    "#.......####",
    "#......#####",
    "#.....######",
    "#....#######",
    "#...########",
    "#..#########",
    "#.##########",
    "############",
};
constexpr int kRowBytes = 4;

GripBits packGripPicture() {
    GripBits bits{};
    for (int row = 0; row < kGripSide; ++row) {
        const int bitmapRow = kGripSide - 1 - row;  // the bitmap is stored bottom-up
        for (int x = 0; x < kGripSide; ++x)
            if (kGripPicture[row][x] == '#')
                bits[bitmapRow * kRowBytes + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return bits;
}
}  // namespace

Point gripPictureOrigin(int width, int height) {
    return {width - (kGripSide + 1), height - (kGripSide + 1)};
}

int noteHitTest(int x, int y, int width, int height) {
    const bool inGrip = x >= width - kGripSide && x < width && y >= height - kGripSide && y < height;
    return inGrip ? kHitBottomRight : kHitCaption;
}

const GripBits& gripBitmapBits() {
    static const GripBits bits = packGripPicture();
    return bits;
}
