#pragma once
// The context menu's items, in menu order: the order they are shown in and
// the order shortcuts are searched in.
#include <array>

#include "commands/shortcut.h"

enum class Command { Save, Cream, Pink, Green, SkyBlue, LargeFont, SmallFont, Translucent, Opaque, StayInFront, AlignLeft, AlignCentre, Exit, SelectAll };

struct MenuItemEntry {
    const char* name;     // the item's field name, "N1".."N14"
    const char* caption;  // code page 936 bytes
    ShortCut shortCut;    // 0 for none
    bool checked;         // at start
    bool visible;
    Command command;
};

constexpr int kMenuItemCount = 14;
extern const std::array<MenuItemEntry, kMenuItemCount> kMenuItems;
