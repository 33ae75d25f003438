#include "commands/menu_items.h"

namespace {
constexpr ShortCut ctrl(char letter) { return static_cast<ShortCut>(kCtrlBit | letter); }
}  // namespace

const std::array<MenuItemEntry, kMenuItemCount> kMenuItems = {{
    {"N1", "保存", ctrl('S'), false, true, Command::Save},
    {"N2", "米黄色", 0, true, true, Command::Cream},
    {"N3", "粉红色", 0, false, true, Command::Pink},
    {"N4", "草绿色", 0, false, true, Command::Green},
    {"N5", "天蓝色", 0, false, true, Command::SkyBlue},
    {"N6", "大字体", 0, false, true, Command::LargeFont},
    {"N7", "小字体", 0, true, true, Command::SmallFont},
    {"N9", "半透明", 0, false, true, Command::Translucent},
    {"N10", "不透明", 0, true, true, Command::Opaque},
    {"N11", "前端显示", ctrl('T'), true, true, Command::StayInFront},
    {"N13", "对齐左边", ctrl('L'), false, true, Command::AlignLeft},
    {"N14", "对齐中间", ctrl('E'), false, true, Command::AlignCentre},
    {"N8", "退出", ctrl('Q'), false, true, Command::Exit},
    {"N12", "全选", ctrl('A'), false, false, Command::SelectAll},
}};
