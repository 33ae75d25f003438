#pragma once
// The bottom-right grip: the 12 x 12 picture drawn at (W - 13, H - 13) and
// the 12 x 12 square (W - 12 .. W - 1, H - 12 .. H - 1) that resizes.
#include <array>
#include <cstdint>

#include "note/layout_rule.h"

constexpr int kGripSide = 12;

// Top-left corner of the grip picture for a W x H window.
Point gripPictureOrigin(int width, int height);

// Hit-test answers of the platform: title bar and bottom-right sizing corner.
constexpr int kHitCaption = 2;
constexpr int kHitBottomRight = 17;

// The note's answer to a hit test at client point (x, y): the grip square by
// the half-open PtInRect rule, the title bar everywhere else.
int noteHitTest(int x, int y, int width, int height);

// The picture as rows of a 1-bit-per-pixel bitmap, bottom row first, each
// row padded to four bytes; a set bit selects colour table entry 1 (black).
using GripBits = std::array<std::uint8_t, kGripSide * 4>;
const GripBits& gripBitmapBits();
