#pragma once
// The one thin window procedure shape of the program: it binds the object
// to its window at creation and dispatches every message to the object's
// WndProc. It is a dispatch boundary: whatever a handler raises goes to the
// object's reporter, and the message gets the answer it would have had
// without a handler where "handled" would be a wrong one.
#include <windows.h>

#include "base/error_reporter.h"

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
