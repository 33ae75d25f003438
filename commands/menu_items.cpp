#include "commands/menu_items.h"

std::string TMenuItem::ShownText() const {
    if (ShortCutCode() == 0) return caption_;
    return caption_ + "\t" + shortCutText(ShortCutCode());
}

TMenuItems::TMenuItems() {
    for (const MenuItemEntry& entry : kMenuItems) this->*entry.field = TMenuItem(entry);
}

std::vector<TMenuItem*> TMenuItems::InMenuOrder() {
    std::vector<TMenuItem*> items;
    for (const MenuItemEntry& entry : kMenuItems) items.push_back(&(this->*entry.field));
    return items;
}

void TNoteCommands::Click(const TMenuItem& item) {
    const MenuItemEntry& chosen = item.Entry();
    chosen.command(*this);
    if (chosen.group == CheckGroup::None) return;
    for (const MenuItemEntry& entry : kMenuItems)
        if (entry.group == chosen.group) (items.*entry.field).SetChecked(entry.field == chosen.field);
}
