#include "tests/win32/support/input.h"

namespace {

void sendKey(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
    input.ki.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The platform truncates when it maps 0..65535 back to pixels, so the
// coordinate is rounded up to land on the pixel itself.
LONG normalised(int pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

}  // namespace

void keyDown(WORD virtualKey) {
    sendKey(virtualKey, 0);
}

void keyUp(WORD virtualKey) {
    sendKey(virtualKey, KEYEVENTF_KEYUP);
}

void pressKey(WORD virtualKey) {
    keyDown(virtualKey);
    keyUp(virtualKey);
}

void pressCtrlLetter(char letter) {
    keyDown(VK_CONTROL);
    pressKey(static_cast<WORD>(letter));
    keyUp(VK_CONTROL);
}

bool moveMouseTo(int screenX, int screenY) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(screenX, GetSystemMetrics(SM_CXSCREEN)),
              normalised(screenY, GetSystemMetrics(SM_CYSCREEN)));
    POINT at{};
    GetCursorPos(&at);
    return at.x == screenX && at.y == screenY;
}

void mouseDown(MouseButton button) {
    sendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN);
}

void mouseUp(MouseButton button) {
    sendMouse(button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP);
}

void clickAt(int screenX, int screenY, MouseButton button) {
    moveMouseTo(screenX, screenY);
    mouseDown(button);
    mouseUp(button);
}

void dragMouse(POINT from, POINT to, int steps) {
    moveMouseTo(from.x, from.y);
    mouseDown();
    for (int step = 1; step <= steps; ++step)
        moveMouseTo(from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps);
    mouseUp();
}

void sendKeys(std::initializer_list<int> keys) {
    for (int key : keys) key < 0 ? keyUp(static_cast<WORD>(-key)) : keyDown(static_cast<WORD>(key));
}
