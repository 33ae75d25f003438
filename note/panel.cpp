#include "note/panel.h"

#include "base/window.h"

namespace {

const char kClassName[] = "TPanel";

void registerClass() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = kClassName;
    registerWindowClass(windowClass);
}

}  // namespace

void TPanel::CreateHandle(HWND parent, int tabOrder) {
    registerClass();
    // Disabled: the pointer over a strip acts on the note beneath it.
    handle_ = createWindow(0, kClassName, "Panel1", WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS,
                           bounds_.left, bounds_.top, bounds_.width, bounds_.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + tabOrder)), nullptr);
    ApplyColours();
}

void TPanel::SetThemeColours(bool theme) {
    themeColours_ = theme;
    if (handle_) ApplyColours();
}

void TPanel::ApplyColours() {
    // The strips paint with their class's background brush, which they all
    // share; a system colour's brush follows the theme by itself.
    const HBRUSH brush = themeColours_ ? reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1)
                                       : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    SetClassLongPtrA(handle_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush));
    InvalidateRect(handle_, nullptr, TRUE);
}

void TPanel::SetBounds(const Bounds& bounds) {
    bounds_ = bounds;
    // Drawn anew at each place: a strip moved again before it was painted
    // (the 16 x 16 correction moves it within a move) would otherwise carry
    // the unpainted pixels of its earlier place along.
    if (handle_)
        SetWindowPos(handle_, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}
