#include "base/screen_density.h"

#include "base/platform_function.h"
#include "base/scoped_handle.h"

namespace {
struct ReleaseScreenDc {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
}  // namespace

int screenPixelsPerInch() {
    const ScopedHandle<HDC, ReleaseScreenDc> screen(GetDC(nullptr));
    return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int windowPixelsPerInch(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = platformFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    const UINT pixelsPerInch = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return pixelsPerInch ? static_cast<int>(pixelsPerInch) : screenPixelsPerInch();
}

int atScreenDensity(int designPixels) { return MulDiv(designPixels, screenPixelsPerInch(), 96); }
