#pragma once
// The grip picture, painted on the note's own surface at (W - 13, H - 13)
// with its own two colours.
#include <windows.h>

class TImage {
public:
    void Paint(HDC dc, int width, int height) const;
};
