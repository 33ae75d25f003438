#include "tests/win32/support/note_input.h"

#include <vector>

namespace {

INPUT keyInput(int key) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = static_cast<WORD>(key < 0 ? -key : key);
    input.ki.dwFlags = key < 0 ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT mouseInput(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    return input;
}

// The platform truncates when it turns normalised coordinates back into
// pixels, so round up.
LONG normalised(LONG pixel, int screenSize) {
    return static_cast<LONG>((pixel * 65536LL + screenSize - 1) / screenSize);
}

}  // namespace

void sendKeys(std::initializer_list<int> keys) {
    std::vector<INPUT> inputs;
    for (int key : keys) inputs.push_back(keyInput(key));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool movePointer(POINT screen) {
    INPUT input = mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                             normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
                             normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
    SendInput(1, &input, sizeof(INPUT));
    POINT at{};
    return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
}

void sendButton(DWORD flags) {
    INPUT input = mouseInput(flags);
    SendInput(1, &input, sizeof(INPUT));
}

void rightClickAt(POINT screen) {
    movePointer(screen);
    sendButton(MOUSEEVENTF_RIGHTDOWN);
    sendButton(MOUSEEVENTF_RIGHTUP);
}

void dragLeft(POINT from, POINT to) {
    movePointer(from);
    sendButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(50);
    constexpr int kSteps = 8;
    for (int step = 1; step <= kSteps; ++step) {
        movePointer({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
        Sleep(30);
    }
    sendButton(MOUSEEVENTF_LEFTUP);
}

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs,
             const std::function<void()>& pump) {
    DWORD start = GetTickCount();
    for (;;) {
        pump();
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(10);
    }
}
