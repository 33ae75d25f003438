#include "commands/menu_items.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {
const MenuItemEntry& item(const std::string& name) {
    for (const MenuItemEntry& entry : kMenuItems)
        if (name == entry.name)
            return entry;
    throw std::out_of_range(name);
}

TEST(MenuItems, MenuOrder) {
    const char* order[] = {"N1", "N2", "N3", "N4", "N5", "N6", "N7", "N9", "N10", "N11", "N13", "N14", "N8", "N12"};
    for (int i = 0; i < kMenuItemCount; ++i)
        EXPECT_STREQ(kMenuItems[i].name, order[i]) << i;
}

TEST(MenuItems, Captions) {
    const char* captions[] = {"保存", "米黄色", "粉红色", "草绿色", "天蓝色", "大字体", "小字体",
                              "半透明", "不透明", "前端显示", "对齐左边", "对齐中间", "退出", "全选"};
    for (int i = 0; i < kMenuItemCount; ++i)
        EXPECT_STREQ(kMenuItems[i].caption, captions[i]) << kMenuItems[i].name;
}

TEST(MenuItems, CaptionsAreCodePage936Bytes) {
    EXPECT_STREQ(item("N1").caption, "\xB1\xA3\xB4\xE6");
    EXPECT_STREQ(item("N8").caption, "\xCD\xCB\xB3\xF6");
    EXPECT_STREQ(item("N11").caption, "\xC7\xB0\xB6\xCB\xCF\xD4\xCA\xBE");
}

TEST(MenuItems, ShortcutCodes) {
    EXPECT_EQ(item("N1").shortCut, 16467);
    EXPECT_EQ(item("N11").shortCut, 16468);
    EXPECT_EQ(item("N13").shortCut, 16460);
    EXPECT_EQ(item("N14").shortCut, 16453);
    EXPECT_EQ(item("N8").shortCut, 16465);
    EXPECT_EQ(item("N12").shortCut, 16449);
    for (const char* none : {"N2", "N3", "N4", "N5", "N6", "N7", "N9", "N10"})
        EXPECT_EQ(item(none).shortCut, 0) << none;
}

TEST(MenuItems, CheckedAtStartAndVisible) {
    std::set<std::string> checked, hidden;
    for (const MenuItemEntry& entry : kMenuItems) {
        if (entry.checked)
            checked.insert(entry.name);
        if (!entry.visible)
            hidden.insert(entry.name);
    }
    EXPECT_EQ(checked, (std::set<std::string>{"N2", "N7", "N10", "N11"}));
    EXPECT_EQ(hidden, (std::set<std::string>{"N12"}));
}

TEST(MenuItems, EachItemHasItsOwnCommand) {
    std::set<Command> commands;
    for (const MenuItemEntry& entry : kMenuItems)
        commands.insert(entry.command);
    EXPECT_EQ(commands.size(), static_cast<std::size_t>(kMenuItemCount));
    EXPECT_EQ(item("N1").command, Command::Save);
    EXPECT_EQ(item("N5").command, Command::SkyBlue);
    EXPECT_EQ(item("N9").command, Command::Translucent);
    EXPECT_EQ(item("N8").command, Command::Exit);
    EXPECT_EQ(item("N12").command, Command::SelectAll);
}

TEST(CodePage936, MessagesCompileToTheirBytes) {
    EXPECT_STREQ("写流出错", "\xD0\xB4\xC1\xF7\xB3\xF6\xB4\xED");
    EXPECT_STREQ("位置", "\xCE\xBB\xD6\xC3");
}
}  // namespace
