#pragma once
// The program's windows. Window classes and windows it cannot run without:
// a refusal of the platform is raised as WindowNotCreated naming the class,
// instead of running on with no window; the calls go through a table tests
// can replace. And the one thin window procedure shape of the program: it
// binds the object to its window at creation and dispatches every message
// to the object's WndProc. It is a dispatch boundary: whatever a handler
// raises goes to the object's reporter, and the message gets the answer it
// would have had without a handler where "handled" would be a wrong one.
#include <windows.h>

#include "base/failure.h"

struct WindowApi {
    decltype(&RegisterClassA) registerClass = &RegisterClassA;
    decltype(&CreateWindowExA) createWindow = &CreateWindowExA;
};

// The table in use; tests swap entries and restore them.
WindowApi& windowApi();

// Registers the class unless the process already has it.
void registerWindowClass(const WNDCLASSA& windowClass);

// CreateWindowExA in this module.
HWND createWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, void* param);

// Moves the window into the topmost band (HWND_TOPMOST) or out of it
// (HWND_NOTOPMOST), leaving its place, size and activation alone.
void placeInBand(HWND window, HWND band);

// The property the running note's application window carries while the
// note runs: a later start of the note and the installer's custom action
// find the running note by it.
inline constexpr char kRunningNoteProperty[] = "Vessan.Tarvissel.RunningNote";

// A hit test answered 0 would mean "nowhere", a paint or background left to
// the default still gets validated, a colour query still gets a brush, and
// the session may still end.
inline LRESULT answerAfterFailure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
        case WM_PAINT:
        case WM_ERASEBKGND:
        case WM_CTLCOLOREDIT:
        case WM_QUERYENDSESSION:
            return DefWindowProcA(window, message, wParam, lParam);
    }
    return 0;
}

template <class Owner>
LRESULT CALLBACK dispatchToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Until CreateWindowEx returns, the object does not know its window yet.
    if (!owner || owner->Handle() != window) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    if (guarded(owner->Reporter(), [&] { result = owner->WndProc(message, wParam, lParam); })) return result;
    return answerAfterFailure(window, message, wParam, lParam);
}
