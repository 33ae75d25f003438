#include "base/system.h"

#include "base/scoped_handle.h"

namespace {
struct ReleaseScreenDc {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
}  // namespace

const LeadBytes& systemLeadBytes() {
    static const LeadBytes lead = [] {
        CPINFO info{};
        if (!GetCPInfo(CP_ACP, &info)) return LeadBytes();
        return LeadBytes(info.LeadByte, MAX_LEADBYTES / 2);
    }();
    return lead;
}

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

SystemParametersApi& systemParametersApi() {
    static SystemParametersApi api;
    return api;
}

bool highContrastOn() {
    HIGHCONTRASTA highContrast{};
    highContrast.cbSize = sizeof highContrast;
    return systemParametersApi().systemParametersInfo(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
           (highContrast.dwFlags & HCF_HIGHCONTRASTON);
}
