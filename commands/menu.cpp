#include "commands/menu.h"

#include "base/scoped_handle.h"
#include "base/system.h"
#include "commands/access_keys.h"

void TPopupMenu::Popup(HWND owner, int x, int y) {
    std::vector<TMenuItem*> shown;
    for (TMenuItem* item : Items)
        if (item->Visible()) shown.push_back(item);

    // The access keys are given anew each time and the items keep them.
    std::vector<std::string> captions;
    for (const TMenuItem* item : shown) captions.push_back(item->Caption());
    assignAccessKeys(captions, systemLeadBytes());
    for (std::size_t i = 0; i < shown.size(); ++i) shown[i]->SetCaption(captions[i]);

    const MenuHandle menu(CreatePopupMenu());
    if (!menu) return;
    for (std::size_t index = 0; index < Items.size(); ++index) {
        const TMenuItem& item = *Items[index];
        if (!item.Visible()) continue;
        UINT flags = MF_STRING | (item.Checked() ? MF_CHECKED : MF_UNCHECKED);
        AppendMenuA(menu.get(), flags, kFirstCommandId + index, item.ShownText().c_str());
    }
    // The owner must be in the foreground, or the menu would not close when
    // the user clicks elsewhere; the empty message afterwards lets the
    // platform finish closing it before the next input.
    SetForegroundWindow(owner);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}

TMenuItem* TPopupMenu::FindShortCut(ShortCut pressed) const {
    std::vector<ShortCut> codes;
    for (const TMenuItem* item : Items) codes.push_back(item->ShortCutCode());
    int index = findShortCut(codes, pressed);
    return index < 0 ? nullptr : Items[index];
}

TMenuItem* TPopupMenu::ItemOfCommand(WPARAM id) const {
    if (id < static_cast<WPARAM>(kFirstCommandId)) return nullptr;
    WPARAM index = id - kFirstCommandId;
    return index < Items.size() ? Items[index] : nullptr;
}

// The menu's shortcut keys are seen before the text area sees them.
ShortCut shortCutOfKeyDown(const MSG& keyMessage) {
    constexpr LPARAM kAltHeld = 0x20000000;  // context code of a key message
    return shortCutOfKey(static_cast<unsigned>(keyMessage.wParam), GetKeyState(VK_SHIFT) < 0,
                         GetKeyState(VK_CONTROL) < 0, (keyMessage.lParam & kAltHeld) != 0);
}
