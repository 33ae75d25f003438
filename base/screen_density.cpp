#include "base/screen_density.h"

#include "base/platform_function.h"

int screenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch;
}

int windowPixelsPerInch(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = platformFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    const UINT pixelsPerInch = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return pixelsPerInch ? static_cast<int>(pixelsPerInch) : screenPixelsPerInch();
}

int atScreenDensity(int designPixels) { return MulDiv(designPixels, screenPixelsPerInch(), 96); }
