// The context menu, its shortcuts and its commands, driven in-process
// through real input and the note's own message handling.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <memory>
#include <thread>
#include <string>
#include <vector>

#include "commands/menu_items.h"
#include "commands/shortcut.h"
#include "note/form1.h"
#include "tests/win32/support/call_tables.h"
#include "tests/win32/support/files.h"
#include "tests/win32/support/in_process_note.h"
#include "tests/win32/support/input.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/screen.h"
#include "tests/win32/support/test_locale.h"

namespace {

void rightClickAt(POINT screen) { clickAt(screen.x, screen.y, MouseButton::Right); }

// The menu as shown: each item's text, check mark and command id.
struct ShownItem {
    std::string text;
    bool checked;
    UINT id;
};

std::vector<ShownItem> readMenu(HMENU menu) {
    std::vector<ShownItem> items;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
        bool checked = (GetMenuState(menu, i, MF_BYPOSITION) & MF_CHECKED) != 0;
        items.push_back({text, checked, GetMenuItemID(menu, i)});
    }
    return items;
}

// How a shown menu is left: closed, or the item at a shown position chosen
// with the menu's keyboard navigation or a click of either button.
enum class Leave { Close, Keys, LeftClick, RightClick };
struct MenuChoice {
    Leave how = Leave::Close;
    int position = -1;
};

// Watches the note's window for the menu the note shows: reads it once it
// waits for input, then leaves it as asked.
class MenuWatch {
public:
    explicit MenuWatch(MenuChoice choice = {}) : choice_(choice) {
        current_ = this;
        window_ = note().Handle();
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~MenuWatch() {
        if (safety_) KillTimer(nullptr, safety_);
        if (IsWindow(window_))
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        current_ = nullptr;
    }
    bool shown() const { return shown_; }
    const std::vector<ShownItem>& items() const { return items_; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        MenuWatch& self = *current_;
        if (message == WM_INITMENUPOPUP) self.menu_ = reinterpret_cast<HMENU>(wParam);
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !self.shown_) self.Idle();
        return CallWindowProcA(self.previous_, window, message, wParam, lParam);
    }
    // A menu left open would hold the test inside its modal loop.
    static void CALLBACK CloseLeftOpen(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        EndMenu();
    }
    void Idle() {
        shown_ = true;
        safety_ = SetTimer(nullptr, 0, 3000, &CloseLeftOpen);
        items_ = readMenu(menu_);
        RECT item{};
        switch (choice_.how) {
            case Leave::Close:
                EndMenu();
                break;
            case Leave::Keys:
                for (int i = 0; i <= choice_.position; ++i) sendKeys({VK_DOWN, -VK_DOWN});
                sendKeys({VK_RETURN, -VK_RETURN});
                break;
            case Leave::LeftClick:
            case Leave::RightClick:
                GetMenuItemRect(nullptr, menu_, choice_.position, &item);  // on the menu's own window
                clickAt((item.left + item.right) / 2, (item.top + item.bottom) / 2,
                        choice_.how == Leave::LeftClick ? MouseButton::Left : MouseButton::Right);
                break;
        }
    }

    static MenuWatch* current_;
    HWND window_;
    WNDPROC previous_;
    MenuChoice choice_;
    UINT_PTR safety_ = 0;
    HMENU menu_ = nullptr;
    bool shown_ = false;
    std::vector<ShownItem> items_;
};
MenuWatch* MenuWatch::current_ = nullptr;

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        note().Show(SW_SHOWNORMAL);
        focusText();
        note().SetText("one\r\ntwo");
        pump();
    }
    static void focusText() {
        SetForegroundWindow(note().Handle());
        SetFocus(note().Memo1.Handle());
        pump();
    }
    static HWND memo() { return note().Memo1.Handle(); }
    static POINT textCentre() {
        RECT r{};
        GetClientRect(memo(), &r);
        return onScreen(memo(), r.right / 2, r.bottom / 2);
    }
    // Opens the menu with a real right click in the text area.
    static std::unique_ptr<MenuWatch> rightClickMenu(MenuChoice choice = {}) {
        auto watch = std::make_unique<MenuWatch>(choice);
        focusText();
        rightClickAt(textCentre());
        MenuWatch& w = *watch;
        pumpUntil([&] { return w.shown(); });
        pumpFor(100);
        return watch;
    }
    // Chooses the item as the menu would: its command id to the note.
    static void choose(const TMenuItem& item) {
        const auto& items = note().PopupMenu1.Items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == &item)
                SendMessageA(note().Handle(), WM_COMMAND, TPopupMenu::kFirstCommandId + i, 0);
        pump();
    }
    static std::vector<bool> checks(std::initializer_list<const TMenuItem*> items) {
        std::vector<bool> marks;
        for (const TMenuItem* item : items) marks.push_back(item->Checked());
        return marks;
    }
    static LONG memoStyle() { return GetWindowLongA(memo(), GWL_STYLE); }
    static int fontHeight() {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(memo(), WM_GETFONT, 0, 0)), sizeof font, &font);
        return font.lfHeight;
    }
};

COLORREF pixelAt(POINT screen) { return screenPixel(screen.x, screen.y); }

// The shown items' texts from the item table: caption, on code page 936
// the access key given from the end of the key list, then the shortcut.
std::vector<std::string> expectedTexts() {
    const char* keys = "NOPQRSTUVWXYZ";
    std::vector<std::string> texts;
    for (const MenuItemEntry& entry : kMenuItems) {
        if (!entry.visible) continue;
        std::string text = entry.caption;
        if (chineseCodePage()) text += std::string("(&") + keys[texts.size()] + ")";
        if (entry.shortCut) text += "\t" + shortCutText(entry.shortCut);
        texts.push_back(text);
    }
    return texts;
}

TEST_F(CommandsTest, RightClickInTheTextShowsThirteenItemsWithTheirTextsMarksAndIds) {
    for (int showing = 0; showing < 2; ++showing) {  // the keys are not given twice
        auto watch = rightClickMenu();
        ASSERT_TRUE(watch->shown());
        const auto& items = watch->items();
        ASSERT_EQ(13u, items.size());
        std::vector<std::string> texts;
        std::vector<bool> marks;
        for (std::size_t i = 0; i < items.size(); ++i) {
            texts.push_back(items[i].text);
            marks.push_back(items[i].checked);
            EXPECT_EQ(TPopupMenu::kFirstCommandId + i, items[i].id);
        }
        EXPECT_EQ(expectedTexts(), texts);
        EXPECT_EQ((std::vector<bool>{false, true, false, false, false, false, true, false, true,
                                     true, false, false, false}),
                  marks);
    }
    EXPECT_EQ(GetFocus(), memo());
}

TEST_F(CommandsTest, RightClickInTheMarginShowsNoMenu) {
    MenuWatch watch;
    rightClickAt(onScreen(note().Handle(), 5, note().Height() / 2));
    rightClickAt(onScreen(note().Handle(), note().Width() - 5, 5));
    pumpFor(300);
    EXPECT_FALSE(watch.shown());
}

TEST_F(CommandsTest, ChoosingFromTheShownMenuRunsTheCommand) {
    struct Case {
        MenuChoice choice;
        TMenuItem* item;
        COLORREF colour;
    };
    TForm1& f = note();
    for (Case c : {Case{{Leave::Keys, 4}, &f.N5, kSkyBlue}, Case{{Leave::LeftClick, 2}, &f.N3, kPink},
                   Case{{Leave::RightClick, 3}, &f.N4, kGrassGreen}}) {
        auto watch = rightClickMenu(c.choice);
        EXPECT_TRUE(pumpUntil([&] { return c.item->Checked(); })) << c.item->Caption();
        EXPECT_EQ(c.colour, f.NoteColour());
        for (TMenuItem* item : {&f.N2, &f.N3, &f.N4, &f.N5})
            EXPECT_EQ(item == c.item, item->Checked()) << item->Caption();
    }
    choose(f.N2);
}

TEST_F(CommandsTest, ColoursRepaintMarginAndTextAndMoveTheColourMark) {
    struct Case {
        TMenuItem* item;
        COLORREF colour;
    };
    TForm1& f = note();
    for (Case c : {Case{&f.N3, kPink}, Case{&f.N4, kGrassGreen}, Case{&f.N5, kSkyBlue},
                   Case{&f.N5, kSkyBlue}, Case{&f.N2, kCreamYellow}}) {
        choose(*c.item);
        RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pumpFor(50);
        EXPECT_EQ(c.colour, pixelAt(onScreen(f.Handle(), 5, f.Height() / 2)));
        EXPECT_EQ(c.colour, pixelAt(onScreen(memo(), 60, 40)));  // beyond the text
        EXPECT_EQ(RGB(0, 0, 0), pixelAt(onScreen(f.Handle(), 0, 0)));
        for (TMenuItem* item : {&f.N2, &f.N3, &f.N4, &f.N5})
            EXPECT_EQ(item == c.item, item->Checked()) << item->Caption();
    }
}

TEST_F(CommandsTest, FontItemsSetTheTextHeightAndMoveTheFontMark) {
    choose(note().N6);
    EXPECT_EQ(-16, fontHeight());
    EXPECT_EQ((std::vector<bool>{true, false}), checks({&note().N6, &note().N7}));
    choose(note().N7);
    EXPECT_EQ(-12, fontHeight());
    EXPECT_EQ((std::vector<bool>{false, true}), checks({&note().N6, &note().N7}));
}

TEST_F(CommandsTest, OpacityItemsSetTheLayeredAlphaAndMoveTheOpacityMark) {
    auto alpha = [] {
        BYTE value = 0;
        DWORD flags = 0;
        EXPECT_TRUE(GetLayeredWindowAttributes(note().Handle(), nullptr, &value, &flags));
        EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags & LWA_ALPHA);
        return value;
    };
    choose(note().N9);
    EXPECT_EQ(180, alpha());
    EXPECT_EQ((std::vector<bool>{true, false}), checks({&note().N9, &note().N10}));
    choose(note().N10);
    EXPECT_EQ(255, alpha());
    EXPECT_EQ((std::vector<bool>{false, true}), checks({&note().N9, &note().N10}));
}

TEST_F(CommandsTest, StayInFrontTwiceReturnsToTopmostAndTheMenuStillWorks) {
    auto topmost = [] { return (GetWindowLongA(note().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    ASSERT_TRUE(topmost());
    choose(note().N5);
    choose(note().N11);
    EXPECT_FALSE(topmost());
    EXPECT_FALSE(note().N11.Checked());
    choose(note().N11);
    EXPECT_TRUE(topmost());
    EXPECT_TRUE(note().N11.Checked());
    EXPECT_EQ("one\r\ntwo", note().Text());
    EXPECT_EQ(kSkyBlue, note().NoteColour());

    auto watch = rightClickMenu();  // on the new window
    EXPECT_TRUE(watch->shown());
    EXPECT_EQ(13u, watch->items().size());
    sendKeys({VK_CONTROL, 'L', -'L', -VK_CONTROL});  // shortcuts reach the new text area
    pumpFor(100);
    EXPECT_EQ("one\r\ntwo", note().Text());
    choose(note().N2);
}

TEST_F(CommandsTest, AlignmentChangesTheEditStyleKeepsTheTextAndIsIdleWhenInForce) {
    choose(note().N14);
    EXPECT_EQ(ES_CENTER, memoStyle() & (ES_CENTER | ES_RIGHT));
    EXPECT_EQ("one\r\ntwo", note().Text());

    auto unchangedBy = [](const TMenuItem& item) {
        focusText();
        SendMessageA(memo(), EM_SETSEL, 1, 5);
        HWND before = memo();
        choose(item);
        DWORD start = 0, end = 0;
        SendMessageA(memo(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(before, memo()) << item.Caption();
        EXPECT_EQ(1u, start);
        EXPECT_EQ(5u, end);
    };
    unchangedBy(note().N14);

    choose(note().N13);
    EXPECT_EQ(ES_LEFT, memoStyle() & (ES_CENTER | ES_RIGHT));
    EXPECT_EQ("one\r\ntwo", note().Text());
    unchangedBy(note().N13);
    EXPECT_FALSE(note().N13.Checked());
    EXPECT_FALSE(note().N14.Checked());
}

TEST_F(CommandsTest, ShortcutsRunTheirCommandsAndTypeNothing) {
    sendKeys({VK_CONTROL, 'E', -'E', -VK_CONTROL});
    pumpUntil([] { return note().TextAlignment() == Alignment::Centre; });
    EXPECT_EQ(ES_CENTER, memoStyle() & ES_CENTER);
    focusText();
    sendKeys({VK_CONTROL, 'L', -'L', -VK_CONTROL});
    pumpUntil([] { return note().TextAlignment() == Alignment::Left; });
    EXPECT_EQ(Alignment::Left, note().TextAlignment());

    focusText();
    sendKeys({VK_CONTROL, 'T', -'T', -VK_CONTROL});
    pumpUntil([] { return !note().StayInFront(); });
    EXPECT_FALSE(note().N11.Checked());
    focusText();
    sendKeys({VK_CONTROL, 'T', -'T', -VK_CONTROL});
    pumpUntil([] { return note().StayInFront(); });
    EXPECT_TRUE(note().N11.Checked());

    focusText();
    SendMessageA(memo(), EM_SETSEL, 0, 0);
    sendKeys({VK_CONTROL, 'A', -'A', -VK_CONTROL});  // the hidden item answers
    DWORD start = 1, end = 0;
    pumpUntil([&] {
        SendMessageA(memo(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return end == 8;
    });
    EXPECT_EQ(0u, start);
    EXPECT_EQ(8u, end);
    EXPECT_EQ("one\r\ntwo", note().Text());
}

TEST_F(CommandsTest, AnAutoRepeatedKeyDownRepeatsTheCommand) {
    auto selectionEnd = [] {
        DWORD end = 0;
        SendMessageA(memo(), EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
        return end;
    };
    SendMessageA(memo(), EM_SETSEL, 0, 0);
    sendKeys({VK_CONTROL, 'A'});
    ASSERT_TRUE(pumpUntil([&] { return selectionEnd() == 8; }));
    SendMessageA(memo(), EM_SETSEL, 0, 0);
    sendKeys({'A'});  // 'A' is still down: an auto-repeat
    EXPECT_TRUE(pumpUntil([&] { return selectionEnd() == 8; }));
    sendKeys({-'A', -VK_CONTROL});
    pumpFor(50);
    EXPECT_EQ("one\r\ntwo", note().Text());
}

// Records the keys that reach the text area's edit control.
class KeyWatch {
public:
    KeyWatch() : window_(note().Memo1.Handle()) {
        current_ = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~KeyWatch() {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        current_ = nullptr;
    }
    std::vector<WPARAM> keys;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_KEYDOWN) current_->keys.push_back(wParam);
        return CallWindowProcA(current_->previous_, window, message, wParam, lParam);
    }
    static KeyWatch* current_;
    HWND window_;
    WNDPROC previous_;
};
KeyWatch* KeyWatch::current_ = nullptr;

TEST_F(CommandsTest, OtherKeysReachTheTextArea) {
    SendMessageA(memo(), EM_SETSEL, 0, 0);
    KeyWatch watch;
    sendKeys({VK_CONTROL, 'L', -'L', VK_SHIFT, 'S', -'S', -VK_SHIFT, -VK_CONTROL, VK_END, -VK_END, 'X', -'X'});
    pumpUntil([&] { return !watch.keys.empty() && watch.keys.back() == 'X'; });
    EXPECT_EQ((std::vector<WPARAM>{VK_CONTROL, VK_SHIFT, 'S', VK_END, 'X'}), watch.keys);
    EXPECT_EQ("onex\r\ntwo", note().Text());  // End: the end of the first line
}

// The theme's window and window-text colours, as a high-contrast theme sets
// them; the colours before come back when it goes. Each change tells every
// window (WM_SYSCOLORCHANGE).
class ThemeColours {
public:
    ThemeColours(COLORREF window, COLORREF text) : before_{GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT)} {
        const COLORREF theme[2] = {window, text};
        SetSysColors(2, kElements, theme);
    }
    ~ThemeColours() { SetSysColors(2, kElements, before_); }
    ThemeColours(const ThemeColours&) = delete;
    ThemeColours& operator=(const ThemeColours&) = delete;

private:
    static constexpr int kElements[2] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
    COLORREF before_[2];
};

// Windows' message when high contrast is turned on or off.
void highContrastSwitched() {
    SendMessageA(note().Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    pump();
}

TEST_F(CommandsTest, HighContrastDrawsInTheThemesColoursOpaqueAndGivesBackWhatWasChosen) {
    TForm1& f = note();
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    auto alpha = [&] {
        BYTE value = 0;
        GetLayeredWindowAttributes(f.Handle(), nullptr, &value, nullptr);
        return value;
    };
    // Margin, text area beyond the text, frame; and whether the first line
    // of text shows the colour asked for.
    auto expectPixels = [&](COLORREF paper, COLORREF frame, COLORREF text, const char* when) {
        RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pumpFor(50);
        EXPECT_EQ(paper, pixelAt(onScreen(f.Handle(), 5, f.Height() / 2))) << when;
        EXPECT_EQ(paper, pixelAt(onScreen(memo(), 60, 40))) << when;
        EXPECT_EQ(frame, pixelAt(onScreen(f.Handle(), 0, 0))) << when;
        EXPECT_EQ(frame, pixelAt(onScreen(f.Handle(), f.Width() - 1, f.Height() / 2))) << when;
        const POINT line = onScreen(memo(), 0, 0);
        const ScreenCapture firstLine(RECT{line.x, line.y, line.x + 30, line.y + 12});
        bool textSeen = false;
        for (int y = line.y; y < line.y + 12; ++y)
            for (int x = line.x; x < line.x + 30; ++x) textSeen = textSeen || firstLine.pixel(x, y) == text;
        EXPECT_TRUE(textSeen) << when << ": no text in its colour";
    };
    // The grip picture: its frame and lower-right triangle, its upper-left
    // triangle.
    auto expectGrip = [&](COLORREF dark, COLORREF light, const char* when) {
        const int right = f.Width(), bottom = f.Height();
        EXPECT_EQ(dark, pixelAt(onScreen(f.Handle(), right - 13, bottom - 13))) << when;
        EXPECT_EQ(dark, pixelAt(onScreen(f.Handle(), right - 4, bottom - 4))) << when;
        EXPECT_EQ(light, pixelAt(onScreen(f.Handle(), right - 12, bottom - 12))) << when;
    };

    choose(f.N9);  // translucent
    FakeCallTables calls;
    calls.systemParameters.highContrast = true;
    highContrastSwitched();
    EXPECT_EQ(255, alpha()) << "opaque in high contrast";
    {
        ThemeColours highContrastBlack(black, white);
        expectPixels(black, white, white, "on");
        expectGrip(white, black, "on");
        choose(f.N4);
        choose(f.N10);
        choose(f.N9);
        EXPECT_EQ((std::vector<bool>{false, false, true, false}), checks({&f.N2, &f.N3, &f.N4, &f.N5}));
        EXPECT_EQ((std::vector<bool>{true, false}), checks({&f.N9, &f.N10}));
        expectPixels(black, white, white, "after grass green and translucent");
        EXPECT_EQ(255, alpha());
        choose(f.N11);  // a new window, out of the topmost band and back
        choose(f.N11);
        expectPixels(black, white, white, "in a new window");
        EXPECT_EQ(255, alpha());
        {
            // A light theme whose colours are not the grip's own.
            const COLORREF paper = RGB(255, 250, 239), ink = RGB(61, 61, 61);
            ThemeColours highContrastLight(paper, ink);
            expectPixels(paper, ink, ink, "light theme");
            expectGrip(ink, paper, "light theme");
        }
        calls.systemParameters.highContrast = false;
        highContrastSwitched();
        EXPECT_EQ(180, alpha()) << "translucent again";
    }
    expectPixels(kGrassGreen, black, GetSysColor(COLOR_WINDOWTEXT), "off");
    expectGrip(black, white, "off");
    choose(f.N10);
    choose(f.N2);
}

// The name screen readers give a window's client area, as the platform's
// accessibility interface tells it.
std::wstring accessibleName(HWND window) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible))))
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT named = accessible->get_accName(self, &name);
    accessible->Release();
    const std::wstring result = named == S_OK && name ? std::wstring(name) : L"(no name)";
    SysFreeString(name);
    return result;
}

TEST_F(CommandsTest, ScreenReadersCallTheTextAreaTheNotesTextInEveryWindow) {
    const std::wstring theNotesText = L"便笺内容";
    EXPECT_EQ(theNotesText, accessibleName(memo()));
    choose(note().N14);  // a new text area
    EXPECT_EQ(theNotesText, accessibleName(memo()));
    choose(note().N11);  // a new window
    choose(note().N11);
    EXPECT_EQ(theNotesText, accessibleName(memo()));
    choose(note().N13);
}

// Ctrl+S with the file already chosen in this run: no dialog, a write.
class SaveShortcut : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        path_ = tempFilePath("tarvissel_commands_save.txt");
        DeleteFileA(path_.c_str());
        note().SaveDialog1.FileName = path_;
    }
    void TearDown() override {
        note().SaveDialog1.FileName.clear();
        DeleteFileA(path_.c_str());
    }
    std::string saved() const { return fileBytes(path_); }
    bool savedSoon() const {
        return pumpUntil([this] { return GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; });
    }

    std::string path_;
    FakeCallTables calls_;
};

TEST_F(SaveShortcut, CtrlSWritesTheTextAndTypesNothing) {
    KeyWatch watch;
    sendKeys({VK_CONTROL, 'S', -'S', -VK_CONTROL});
    ASSERT_TRUE(savedSoon());
    pumpFor(50);
    EXPECT_EQ("one\r\ntwo", saved());
    EXPECT_EQ("one\r\ntwo", note().Text());
    EXPECT_EQ(std::vector<WPARAM>{VK_CONTROL}, watch.keys);
}

TEST_F(SaveShortcut, HoldingCtrlSSavesOnEveryRepeat) {
    sendKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(savedSoon());
    pumpFor(50);
    ASSERT_TRUE(DeleteFileA(path_.c_str()));
    sendKeys({'S'});  // still down: an auto-repeat
    EXPECT_TRUE(savedSoon());
    sendKeys({-'S', -VK_CONTROL});
    pumpFor(50);
    EXPECT_EQ("one\r\ntwo", note().Text());
}

TEST_F(SaveShortcut, AFailingSaveGoesToTheErrorBoxAndTheKeyIsStillConsumed) {
    calls_.files.refuseCreate = true;
    MessageBoxContent box;
    std::thread reader([&box] {  // the box is modal on the note's thread
        HWND window = waitForMessageBox(GetCurrentProcessId(), 5000);
        if (!window) return;
        box = readMessageBox(window);
        pressOk(window);
    });
    KeyWatch watch;
    sendKeys({VK_CONTROL, 'S', -'S', -VK_CONTROL});
    pumpFor(300);
    reader.join();
    EXPECT_NE(std::string::npos, box.text.find(path_)) << box.text;
    EXPECT_EQ(std::vector<WPARAM>{VK_CONTROL}, watch.keys);
    EXPECT_EQ("(no file)", saved());

    calls_.files.refuseCreate = false;  // the note goes on: the next Ctrl+S saves
    focusText();
    sendKeys({VK_CONTROL, 'S', -'S', -VK_CONTROL});
    EXPECT_TRUE(savedSoon());
}

}  // namespace

class NoteEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        startInProcessNote();
        note().SetLeft(200);
        note().SetTop(150);
        note().SetWidth(200);
        note().SetHeight(120);
    }
    void TearDown() override { stopInProcessNote(); }
};

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new NoteEnvironment);
    return RUN_ALL_TESTS();
}
