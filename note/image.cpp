#include "note/image.h"

#include "note/grip.h"

namespace {
RGBQUAD quadOf(COLORREF colour) { return RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0}; }
}  // namespace

void TImage::Paint(HDC dc, int width, int height) const {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = kGripSide;
    info.header.biHeight = kGripSide;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[0] = quadOf(themeColours_ ? GetSysColor(COLOR_WINDOW) : RGB(255, 255, 255));
    info.colours[1] = quadOf(themeColours_ ? GetSysColor(COLOR_WINDOWTEXT) : RGB(0, 0, 0));
    const Point origin = gripPictureOrigin(width, height);
    SetDIBitsToDevice(dc, origin.x, origin.y, kGripSide, kGripSide, 0, 0, 0, kGripSide, gripBitmapBits().data(),
                      reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
}
