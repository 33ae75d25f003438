#include "commands/menu_items.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {
using Field = TMenuItem TMenuItems::*;
using M = TMenuItems;

const MenuItemEntry& item(Field field) {
    for (const MenuItemEntry& entry : kMenuItems)
        if (entry.field == field)
            return entry;
    throw std::out_of_range("no row");
}

bool among(Field field, std::initializer_list<Field> fields) {
    for (Field f : fields)
        if (f == field)
            return true;
    return false;
}

// What the note was asked to do, one line an operation.
class RecordingNote : public NoteOperations {
public:
    void SetNoteColour(ColourChoice colour) override { record("colour " + std::to_string(static_cast<int>(colour))); }
    void SetFontSize(int points) override { record("font " + std::to_string(points)); }
    void SetOpacity(int opacity) override { record("opacity " + std::to_string(opacity)); }
    void SetStayInFront(bool inFront) override { record("in front " + std::to_string(inFront)); }
    void SetCentred(bool centred) override { record("centred " + std::to_string(centred)); }
    void SelectAll() override { record("select all"); }
    void ExportText() override { record("save"); }
    void Close() override { record("close"); }
    std::string done;

private:
    void record(const std::string& operation) { done += operation; }
};

// What the command of an item's row asks of the note.
std::string commandOf(const MenuItemEntry& entry) {
    RecordingNote note;
    TMenuItems items;
    TNoteCommands commands(note, items);
    entry.command(commands);
    return note.done;
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
    const Field order[] = {&M::N1, &M::N2, &M::N3, &M::N4, &M::N5, &M::N6, &M::N7,
                           &M::N9, &M::N10, &M::N11, &M::N13, &M::N14, &M::N8, &M::N12};
    for (int i = 0; i < kMenuItemCount; ++i)
        EXPECT_TRUE(kMenuItems[i].field == order[i]) << i;
}

TEST(MenuItems, Captions) {
    const char* captions[] = {"保存", "米黄色", "粉红色", "草绿色", "天蓝色", "大字体", "小字体",
                              "半透明", "不透明", "前端显示", "对齐左边", "对齐中间", "退出", "全选"};
    for (int i = 0; i < kMenuItemCount; ++i)
        EXPECT_STREQ(kMenuItems[i].caption, captions[i]) << i;
}

TEST(MenuItems, CaptionsAreCodePage936Bytes) {
    EXPECT_STREQ(item(&M::N1).caption, "\xB1\xA3\xB4\xE6");
    EXPECT_STREQ(item(&M::N8).caption, "\xCD\xCB\xB3\xF6");
    EXPECT_STREQ(item(&M::N11).caption, "\xC7\xB0\xB6\xCB\xCF\xD4\xCA\xBE");
}

TEST(MenuItems, ShortcutCodes) {
    EXPECT_EQ(item(&M::N1).shortCut, 16467);
    EXPECT_EQ(item(&M::N11).shortCut, 16468);
    EXPECT_EQ(item(&M::N13).shortCut, 16460);
    EXPECT_EQ(item(&M::N14).shortCut, 16453);
    EXPECT_EQ(item(&M::N8).shortCut, 16465);
    EXPECT_EQ(item(&M::N12).shortCut, 16449);
    for (Field none : {&M::N2, &M::N3, &M::N4, &M::N5, &M::N6, &M::N7, &M::N9, &M::N10})
        EXPECT_EQ(item(none).shortCut, 0) << item(none).caption;
}

TEST(MenuItems, CheckedAtStartAndVisible) {
    for (const MenuItemEntry& entry : kMenuItems) {
        EXPECT_EQ(entry.checked, among(entry.field, {&M::N2, &M::N7, &M::N10, &M::N11})) << entry.caption;
        EXPECT_EQ(entry.visible, entry.field != &M::N12) << entry.caption;
    }
}

TEST(MenuItems, EachItemHasItsOwnCommand) {
    std::set<std::string> commands;
    for (const MenuItemEntry& entry : kMenuItems)
        commands.insert(commandOf(entry));
    EXPECT_EQ(commands.size(), static_cast<std::size_t>(kMenuItemCount));
    EXPECT_EQ(commandOf(item(&M::N1)), "save");
    EXPECT_EQ(commandOf(item(&M::N5)), "colour 3");
    EXPECT_EQ(commandOf(item(&M::N9)), "opacity 180");
    EXPECT_EQ(commandOf(item(&M::N8)), "close");
    EXPECT_EQ(commandOf(item(&M::N12)), "select all");
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
