#include "tests/win32/support/wait.h"

void pumpPendingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs, const std::function<void()>& pump) {
    const DWORD start = GetTickCount();
    for (;;) {
        pump();
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(10);
    }
}

void pumpMessagesFor(DWORD ms) {
    waitUntil([] { return false; }, ms);
}
