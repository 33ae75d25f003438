#pragma once
// The context menu's items, the note's fields N1 to N14, and the one table
// that gives each its caption, shortcut, state at start and command, in
// menu order: the order they are shown in and shortcuts are searched in.
#include <array>
#include <string>
#include <vector>

#include "commands/shortcut.h"

class TMenuItem;
struct TMenuItems;
class TNoteCommands;

struct MenuItemEntry {
    TMenuItem TMenuItems::*field;
    const char* caption;  // code page 936 bytes
    ShortCut shortCut;    // 0 for none
    bool checked;         // at start
    bool visible;
    void (TNoteCommands::*command)();
};

constexpr int kMenuItemCount = 14;
extern const std::array<MenuItemEntry, kMenuItemCount> kMenuItems;

class TMenuItem {
public:
    TMenuItem() = default;
    // The item as its row of the table describes it at start.
    explicit TMenuItem(const MenuItemEntry& entry)
        : entry_(&entry), caption_(entry.caption), checked_(entry.checked), visible_(entry.visible) {}

    const MenuItemEntry& Entry() const { return *entry_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    ShortCut ShortCutCode() const { return entry_->shortCut; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool Visible() const { return visible_; }
    // The shown text: caption, then a tab and the shortcut text if any.
    std::string ShownText() const;

private:
    const MenuItemEntry* entry_ = nullptr;
    std::string caption_;
    bool checked_ = false;
    bool visible_ = false;
};

// The items, each as its row describes it at start.
struct TMenuItems {
    TMenuItems();
    TMenuItem N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, N11, N12, N13, N14;
    // The items in menu order.
    std::vector<TMenuItem*> InMenuOrder();
};
