#include "tests/win32/support/screen.h"

#include <stdexcept>

ScreenCapture::ScreenCapture(const RECT& area) : area_(area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) throw std::invalid_argument("empty capture area");
    pixels_.resize(static_cast<size_t>(width) * height);

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    pixels_.assign(source, source + pixels_.size());
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenCapture::pixel(int screenX, int screenY) const {
    if (screenX < area_.left || screenX >= area_.right || screenY < area_.top || screenY >= area_.bottom)
        throw std::out_of_range("pixel outside the captured area");
    const int width = area_.right - area_.left;
    const DWORD rgb = pixels_[static_cast<size_t>(screenY - area_.top) * width + (screenX - area_.left)];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

COLORREF screenPixel(int screenX, int screenY) {
    return ScreenCapture(RECT{screenX, screenY, screenX + 1, screenY + 1}).pixel(screenX, screenY);
}
