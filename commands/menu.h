#pragma once
// The context menu shown over the text area, and the shortcut keys of its
// items.
#include <windows.h>

#include <vector>

#include "commands/menu_items.h"

class TPopupMenu {
public:
    // The items in menu order.
    std::vector<TMenuItem*> Items;

    // Shows the menu at the screen point, owned by the window that receives
    // the chosen command as WM_COMMAND with the item's menu-order index.
    void Popup(HWND owner, int x, int y);
    // The first item, in menu order, whose shortcut is the key's; nullptr
    // when none.
    TMenuItem* FindShortCut(ShortCut pressed) const;
    // The item for a command identifier from WM_COMMAND, or nullptr.
    TMenuItem* ItemOfCommand(WPARAM id) const;
    static constexpr int kFirstCommandId = 100;
};

// The shortcut code of a key-down, with the modifier keys held at that
// moment.
ShortCut shortCutOfKeyDown(const MSG& keyMessage);
