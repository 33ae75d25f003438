#pragma once
// The context menu's items, the note's fields N1 to N14, and their commands.
// An item is written once, as its row of the one table: its field, caption,
// shortcut, state at start, handler (N1Click for N1 ...) and the group of
// checked items it belongs to, in menu order: the order they are shown in
// and shortcuts are searched in. The count and the groups come from the
// rows; an item without a row, or with two, fails to compile.
#include <iterator>
#include <string>
#include <vector>

#include "commands/shortcut.h"

// The colours the colour items choose; what each looks like is the note's.
enum class ColourChoice { CreamYellow, Pink, GrassGreen, SkyBlue };

// What the commands do to the note; the note implements it. None of the
// operations touches a check mark.
class NoteOperations {
public:
    virtual void SetNoteColour(ColourChoice colour) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetOpacity(int opacity) = 0;
    virtual void SetStayInFront(bool inFront) = 0;
    // The text centred, or aligned left.
    virtual void SetCentred(bool centred) = 0;
    virtual void SelectAll() = 0;
    // Exports the note's text to a text file.
    virtual void ExportText() = 0;
    // A close request: ends the program through the shut-down sequence.
    virtual void Close() = 0;

protected:
    ~NoteOperations() = default;
};

class TMenuItem;
struct TMenuItems;
class TNoteCommands;

// Of the items of one group exactly one is checked: the one last chosen.
enum class CheckGroup { None, Colour, FontSize, Opacity };

struct MenuItemEntry {
    TMenuItem TMenuItems::*field;
    const char* caption;  // code page 936 bytes
    ShortCut shortCut;    // 0 for none
    bool checked;         // at start
    bool visible;
    void (*command)(TNoteCommands&);
    CheckGroup group;
};

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

// The items, each as its row describes it at start; nothing else, so that
// the table can be held against them.
struct TMenuItems {
    TMenuItems();
    TMenuItem N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, N11, N12, N13, N14;
    // The items in menu order.
    std::vector<TMenuItem*> InMenuOrder();
};

// The menu's commands, acting on the note and its menu items.
class TNoteCommands {
public:
    TNoteCommands(NoteOperations& operations, TMenuItems& menuItems) : note(operations), items(menuItems) {}

    // Runs the item's handler; then, unless it raised, the item is checked
    // and the others of its group unchecked.
    void Click(const TMenuItem& item);

    NoteOperations& note;
    TMenuItems& items;
};

// The handlers: each asks one operation of the note.
inline void N1Click(TNoteCommands& c) { c.note.ExportText(); }
inline void N2Click(TNoteCommands& c) { c.note.SetNoteColour(ColourChoice::CreamYellow); }
inline void N3Click(TNoteCommands& c) { c.note.SetNoteColour(ColourChoice::Pink); }
inline void N4Click(TNoteCommands& c) { c.note.SetNoteColour(ColourChoice::GrassGreen); }
inline void N5Click(TNoteCommands& c) { c.note.SetNoteColour(ColourChoice::SkyBlue); }
inline void N6Click(TNoteCommands& c) { c.note.SetFontSize(12); }
inline void N7Click(TNoteCommands& c) { c.note.SetFontSize(9); }
inline void N8Click(TNoteCommands& c) { c.note.Close(); }
inline void N9Click(TNoteCommands& c) { c.note.SetOpacity(180); }
inline void N10Click(TNoteCommands& c) { c.note.SetOpacity(255); }
// Stay-in-front is a check of its own, turned over at each choice.
inline void N11Click(TNoteCommands& c) {
    const bool inFront = !c.items.N11.Checked();
    c.items.N11.SetChecked(inFront);
    c.note.SetStayInFront(inFront);
}
inline void N12Click(TNoteCommands& c) { c.note.SelectAll(); }
inline void N13Click(TNoteCommands& c) { c.note.SetCentred(false); }
inline void N14Click(TNoteCommands& c) { c.note.SetCentred(true); }

inline constexpr MenuItemEntry kMenuItems[] = {
    {&TMenuItems::N1, "保存", ctrlShortCut('S'), false, true, N1Click, CheckGroup::None},
    {&TMenuItems::N2, "米黄色", 0, true, true, N2Click, CheckGroup::Colour},
    {&TMenuItems::N3, "粉红色", 0, false, true, N3Click, CheckGroup::Colour},
    {&TMenuItems::N4, "草绿色", 0, false, true, N4Click, CheckGroup::Colour},
    {&TMenuItems::N5, "天蓝色", 0, false, true, N5Click, CheckGroup::Colour},
    {&TMenuItems::N6, "大字体", 0, false, true, N6Click, CheckGroup::FontSize},
    {&TMenuItems::N7, "小字体", 0, true, true, N7Click, CheckGroup::FontSize},
    {&TMenuItems::N9, "半透明", 0, false, true, N9Click, CheckGroup::Opacity},
    {&TMenuItems::N10, "不透明", 0, true, true, N10Click, CheckGroup::Opacity},
    {&TMenuItems::N11, "前端显示", ctrlShortCut('T'), true, true, N11Click, CheckGroup::None},
    {&TMenuItems::N13, "对齐左边", ctrlShortCut('L'), false, true, N13Click, CheckGroup::None},
    {&TMenuItems::N14, "对齐中间", ctrlShortCut('E'), false, true, N14Click, CheckGroup::None},
    {&TMenuItems::N8, "退出", ctrlShortCut('Q'), false, true, N8Click, CheckGroup::None},
    {&TMenuItems::N12, "全选", ctrlShortCut('A'), false, false, N12Click, CheckGroup::None},
};
inline constexpr int kMenuItemCount = static_cast<int>(std::size(kMenuItems));

// No two rows for one item.
constexpr bool rowsAreDistinct() {
    for (int i = 0; i < kMenuItemCount; ++i)
        for (int j = i + 1; j < kMenuItemCount; ++j)
            if (kMenuItems[i].field == kMenuItems[j].field) return false;
    return true;
}
static_assert(rowsAreDistinct(), "two rows of the menu table for one item");
// With distinct rows, as many rows as items: each item has its row.
static_assert(sizeof(TMenuItems) == kMenuItemCount * sizeof(TMenuItem), "a menu item without its row");
