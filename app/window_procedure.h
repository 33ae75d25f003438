#pragma once
// The one thin window procedure shape of the program: it binds the object
// to its window at creation and dispatches every message to the object's
// WndProc. It is a dispatch boundary: a failure escaping a handler is shown
// in the error box and the message counts as handled.
#include <windows.h>

#include "app/report_error.h"

template <class Owner>
LRESULT CALLBACK dispatchToOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // Until CreateWindowEx returns, the object does not know its window yet.
    if (!owner || owner->Handle() != window) return DefWindowProcA(window, message, wParam, lParam);
    try {
        return owner->WndProc(message, wParam, lParam);
    } catch (const std::exception& e) {
        ReportError(failureMessage(e));
        return 0;
    }
}
