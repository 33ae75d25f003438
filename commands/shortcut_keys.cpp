// The menu's shortcut keys, seen before the text area sees them.
#include "commands/note_commands.h"

bool TNoteCommands::IsShortCut(const MSG& keyMessage) {
    constexpr LPARAM kAltHeld = 0x20000000;  // context code of a key message
    ShortCut pressed = shortCutOfKey(static_cast<unsigned>(keyMessage.wParam), GetKeyState(VK_SHIFT) < 0,
                                     GetKeyState(VK_CONTROL) < 0, (keyMessage.lParam & kAltHeld) != 0);
    TMenuItem* item = menu_.FindShortCut(pressed);
    if (!item) return false;
    // The key is consumed even when the command fails.
    guarded(reporter_, [&] { Click(*item); });
    return true;
}
