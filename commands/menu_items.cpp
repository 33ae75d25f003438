#include "commands/menu_items.h"

#include "commands/note_commands.h"

namespace {
constexpr ShortCut ctrl(char letter) { return static_cast<ShortCut>(kCtrlBit | letter); }
using M = TMenuItems;
using C = TNoteCommands;
}  // namespace

const std::array<MenuItemEntry, kMenuItemCount> kMenuItems = {{
    {&M::N1, "保存", ctrl('S'), false, true, &C::N1Click},
    {&M::N2, "米黄色", 0, true, true, &C::N2Click},
    {&M::N3, "粉红色", 0, false, true, &C::N3Click},
    {&M::N4, "草绿色", 0, false, true, &C::N4Click},
    {&M::N5, "天蓝色", 0, false, true, &C::N5Click},
    {&M::N6, "大字体", 0, false, true, &C::N6Click},
    {&M::N7, "小字体", 0, true, true, &C::N7Click},
    {&M::N9, "半透明", 0, false, true, &C::N9Click},
    {&M::N10, "不透明", 0, true, true, &C::N10Click},
    {&M::N11, "前端显示", ctrl('T'), true, true, &C::N11Click},
    {&M::N13, "对齐左边", ctrl('L'), false, true, &C::N13Click},
    {&M::N14, "对齐中间", ctrl('E'), false, true, &C::N14Click},
    {&M::N8, "退出", ctrl('Q'), false, true, &C::N8Click},
    {&M::N12, "全选", ctrl('A'), false, false, &C::N12Click},
}};

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
