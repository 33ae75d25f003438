#include "commands/menu_items.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
const MenuItemEntry& item(const std::string& name) {
    for (const MenuItemEntry& entry : kMenuItems)
        if (name == entry.name)
            return entry;
    throw std::out_of_range(name);
}

// The user's guide is UTF-8; the program's captions are code page 936 bytes.
std::string utf8Of936(std::string text) {
    iconv_t converter = iconv_open("UTF-8", "CP936");
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no code page 936 converter");
    std::string utf8(text.size() * 2, '\0');
    char* in = text.data();
    char* out = utf8.data();
    std::size_t inLeft = text.size(), outLeft = utf8.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1))
        throw std::runtime_error("not code page 936: " + text);
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

// "caption shortcut" for every line of the guide whose first word is a
// menu item's caption: the rows of its menu tables.
std::vector<std::string> guideMenuRows(const std::set<std::string>& captions) {
    std::ifstream guide(TARVISSEL_GUIDE);
    if (!guide)
        throw std::runtime_error("cannot read " TARVISSEL_GUIDE);
    std::vector<std::string> rows;
    for (std::string line; std::getline(guide, line);) {
        std::istringstream words(line);
        std::string caption, shortCut;
        if (words >> caption >> shortCut && captions.count(caption))
            rows.push_back(caption + " " + shortCut);
    }
    return rows;
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

// Both tables of the guide, Chinese then English, list every item in menu
// order with the shortcut text the menu shows, the hidden select all
// included since its shortcut works; "-" stands for no shortcut.
TEST(MenuItems, UsersGuideListsEveryItemWithItsShortcut) {
    std::set<std::string> captions;
    std::vector<std::string> table;
    for (const MenuItemEntry& entry : kMenuItems) {
        const std::string caption = utf8Of936(entry.caption);
        captions.insert(caption);
        table.push_back(caption + " " + (entry.shortCut ? shortCutText(entry.shortCut) : "-"));
    }
    std::vector<std::string> bothTables = table;
    bothTables.insert(bothTables.end(), table.begin(), table.end());
    EXPECT_EQ(guideMenuRows(captions), bothTables);
}

TEST(CodePage936, MessagesCompileToTheirBytes) {
    EXPECT_STREQ("写流出错", "\xD0\xB4\xC1\xF7\xB3\xF6\xB4\xED");
    EXPECT_STREQ("位置", "\xCE\xBB\xD6\xC3");
}
}  // namespace
