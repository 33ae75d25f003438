#include "base/screen_density.h"

#include <windows.h>

int screenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
}

int atScreenDensity(int designPixels) { return MulDiv(designPixels, screenPixelsPerInch(), 96); }
