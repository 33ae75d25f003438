// The menu's shortcut keys, seen before the text area sees them.
#include "commands/menu.h"

ShortCut shortCutOfKeyDown(const MSG& keyMessage) {
    constexpr LPARAM kAltHeld = 0x20000000;  // context code of a key message
    return shortCutOfKey(static_cast<unsigned>(keyMessage.wParam), GetKeyState(VK_SHIFT) < 0,
                         GetKeyState(VK_CONTROL) < 0, (keyMessage.lParam & kAltHeld) != 0);
}
