#include "note/image.h"

#include "note/grip.h"

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
    info.colours[0] = RGBQUAD{255, 255, 255, 0};  // white
    info.colours[1] = RGBQUAD{0, 0, 0, 0};        // black
    const Point origin = gripPictureOrigin(width, height);
    SetDIBitsToDevice(dc, origin.x, origin.y, kGripSide, kGripSide, 0, 0, 0, kGripSide, gripBitmapBits().data(),
                      reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS);
}
