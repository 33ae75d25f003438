#pragma once
// The context menu and its items.
#include <windows.h>

#include <string>
#include <vector>

#include "commands/menu_items.h"

class TMenuItem {
public:
    // The item named "N1".."N14", as the item table describes it.
    explicit TMenuItem(const char* name);

    const MenuItemEntry& Entry() const { return *entry_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    ShortCut ShortCutCode() const { return entry_->shortCut; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return true; }
    // The shown text: caption, then a tab and the shortcut text if any.
    std::string ShownText() const;

private:
    const MenuItemEntry* entry_;
    std::string caption_;
    bool checked_;
    bool visible_;
};

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
    // The item of that name ("N1".."N14").
    TMenuItem& Item(const char* name) const;
    static constexpr int kFirstCommandId = 100;
};
