#pragma once
// Pixels of the screen as the user sees them, captured with BitBlt.
#include <windows.h>

#include <vector>

class ScreenCapture {
public:
    // Captures the given screen rectangle.
    explicit ScreenCapture(const RECT& area);
    // The colour (0x00BBGGRR) at a screen point inside the captured area.
    COLORREF pixel(int screenX, int screenY) const;
    const RECT& area() const { return area_; }

private:
    RECT area_;
    std::vector<DWORD> pixels_;  // top-down rows of 0x00RRGGBB
};

// The colour of one screen pixel now.
COLORREF screenPixel(int screenX, int screenY);
