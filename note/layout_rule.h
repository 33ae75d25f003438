#pragma once
// Geometry of the note for a window of W x H pixels (outer bounds equal the
// client area): where the text area and the frame strips go (the grip:
// grip.h).

struct Point {
    int x, y;
};

struct Bounds {
    int left, top, width, height;
    bool operator==(const Bounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// The smallest width and height the layout rule lets the note keep.
constexpr int kMinimumSide = 16;

// Text area: top 10, left 12, width W - 25, height H - 22 (may be negative).
Bounds textAreaBounds(int width, int height);

struct FrameStrips {
    Bounds top, bottom, left, right;
};
// One-pixel black strips docked top, bottom, then left and right between them.
FrameStrips frameStrips(int width, int height);
