#include "base/window.h"

WindowApi& windowApi() {
    static WindowApi api;
    return api;
}

void registerWindowClass(const WNDCLASSA& windowClass) {
    WNDCLASSA existing;
    if (GetClassInfoA(windowClass.hInstance, windowClass.lpszClassName, &existing)) return;
    if (!windowApi().registerClass(&windowClass)) {
        throw WindowNotCreated("不能注册窗口类 %s", windowClass.lpszClassName);
    }
}

HWND createWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, void* param) {
    HWND window = windowApi().createWindow(exStyle, className, title, style, x, y, width, height, parent, menu,
                                           GetModuleHandleA(nullptr), param);
    if (!window) throw WindowNotCreated("不能创建窗口 %s", className);
    return window;
}

void placeInBand(HWND window, HWND band) {
    SetWindowPos(window, band, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
