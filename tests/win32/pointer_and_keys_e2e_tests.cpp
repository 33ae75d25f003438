// The real program driven from outside with real pointer and key input:
// moving and resizing by the margin and the grip and from the keyboard
// through the note's window menu, where the context menu opens, Ctrl+Q ending the program with its text saved, and what is saved
// while it runs, found in the store after the process is killed.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/win32/support/input.h"
#include "tests/win32/support/program.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/screen.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/wait.h"
#include "tests/win32/support/windows_of_process.h"

namespace {

// A drag at a user's pace: the program's move and size loop sees every
// step before the button goes up (it ends at the release, without taking
// the release's own position).
void dragAtUserPace(POINT from, POINT to) {
    constexpr int kSteps = 8;
    moveMouseTo(from.x, from.y);
    mouseDown();
    Sleep(30);
    for (int step = 1; step <= kSteps; ++step) {
        moveMouseTo(from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps);
        Sleep(30);
    }
    Sleep(100);
    mouseUp();
}

// What the note at W x H shows at (x, y): the frame black, the grip
// picture at (W - 13, H - 13), margins and text area cream yellow; nothing
// is expected where the caret of the empty text area blinks.
std::optional<COLORREF> expectedPixel(int x, int y, int width, int height) {
    static const char* const kGrip[12] = {
        "############", "#..........#", "#.........##", "#........###", "#.......####", "#......#####",
        "#.....######", "#....#######", "#...########", "#..#########", "#.##########", "############"};
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    if (x == 0 || y == 0 || x == width - 1 || y == height - 1) return black;
    const int gripX = x - (width - 13), gripY = y - (height - 13);
    if (gripX >= 0 && gripX < 12 && gripY >= 0 && gripY < 12) return kGrip[gripY][gripX] == '#' ? black : white;
    if (x >= 12 && x < 15 && y >= 10 && y < 26) return std::nullopt;
    return RGB(255, 255, 170);
}

// The pixels of the note on screen that differ from its picture: empty
// when it shows exactly what it should.
std::string wrongPixels(HWND note) {
    const RECT r = windowRect(note);
    const int width = widthOf(r), height = heightOf(r);
    const ScreenCapture capture(r);
    int wrong = 0;
    std::ostringstream where;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::optional<COLORREF> expected = expectedPixel(x, y, width, height);
            const COLORREF seen = capture.pixel(r.left + x, r.top + y);
            if (expected && seen != *expected && wrong++ < 4)
                where << " (" << x << ", " << y << ") is " << std::hex << seen << " not " << *expected << std::dec;
        }
    }
    if (wrong == 0) return {};
    return std::to_string(wrong) + " wrong pixels at " + std::to_string(width) + " x " + std::to_string(height) + ":" +
           where.str();
}

// A window of the test's own that takes the activation from the note.
class OtherWindow {
public:
    OtherWindow() : window_(CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 700, 700, 50, 50, nullptr,
                                            nullptr, nullptr, nullptr)) {
        SetForegroundWindow(window_);
        EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == window_; }, 2000));
    }
    ~OtherWindow() { DestroyWindow(window_); }
    OtherWindow(const OtherWindow&) = delete;
    OtherWindow& operator=(const OtherWindow&) = delete;

private:
    HWND window_;
};

class NoteE2E : public ::testing::Test {
protected:
    // The note restored at (100, 100), 200 x 120, with one line of text.
    void SetUp() override {
        writeCompleteStore("first line", "100", "100", "120", "200");
        startNote();
    }
    // Starts the program on the store as it is, the note in the foreground.
    void startNote() {
        program_ = std::make_unique<RunningProgram>();
        note_ = program_->waitForNote();
        ASSERT_NE(nullptr, note_);
        SetForegroundWindow(note_);
        ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == note_; }, 2000));
        ASSERT_TRUE(waitUntil([&] { return rect().left == 100 && widthOf(rect()) == 200; }, 2000));
    }
    void TearDown() override {
        if (program_->running()) {
            program_->closeNote();
            program_->waitForExit();
        }
        program_.reset();
    }

    RECT rect() const { return windowRect(note_); }
    HWND textArea() const { return noteTextArea(note_); }
    std::string text() const { return windowText(textArea()); }
    HWND shownMenu() const {
        HWND menu = findTopLevelWindow(program_->processId(), "#32768");
        return menu && IsWindowVisible(menu) ? menu : nullptr;
    }
    ::testing::AssertionResult rectBecomes(const std::function<bool(const RECT&)>& wanted) const {
        if (waitUntil([&] { return wanted(rect()); }, 3000)) return ::testing::AssertionSuccess();
        RECT r = rect();
        return ::testing::AssertionFailure()
               << "the note is at " << r.left << "," << r.top << ", " << widthOf(r) << " x " << heightOf(r);
    }
    // Waits (bounded) for the note's picture to be right; the wrong pixels
    // when it never is.
    ::testing::AssertionResult pictureIsRight() const {
        std::string wrong;
        if (waitUntil([&] { return (wrong = wrongPixels(note_)).empty(); }, 3000))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << wrong;
    }
    // A point of the note (x, y) from the top-left corner it started at.
    static POINT at(int x, int y) { return {100 + x, 100 + y}; }
    // Types the letter's key at the end of the text, and waits for it there.
    void typeAtTheEnd(char letter) {
        const std::string expected = text() + static_cast<char>(letter - 'A' + 'a');
        sendKeys({VK_CONTROL, VK_END, -VK_END, -VK_CONTROL});
        pressKey(letter);
        ASSERT_TRUE(waitUntil([&] { return text() == expected; }, 3000)) << text();
    }
    static std::string stored(const char* name) { return readSettingsString(name).value_or("(none)"); }

    std::unique_ptr<RunningProgram> program_;
    HWND note_ = nullptr;
};

TEST_F(NoteE2E, DraggingTheMarginOrAStripMovesWithoutResizing) {
    dragAtUserPace(at(5, 60), at(45, 90));
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return r.left == 140 && r.top == 130; }));
    EXPECT_EQ(200, widthOf(rect()));
    EXPECT_EQ(120, heightOf(rect()));

    dragAtUserPace({140 + 100, 130}, {140 + 80, 130 + 10});  // on the top strip
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return r.left == 120 && r.top == 140; }));
    EXPECT_EQ(200, widthOf(rect()));
    EXPECT_EQ(120, heightOf(rect()));
}

TEST_F(NoteE2E, TheGripPicturesCornerMovesInsteadOfResizing) {
    dragAtUserPace(at(200 - 13, 120 - 13), at(200 - 13 + 20, 120 - 13 + 20));
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return r.left == 120 && r.top == 120; }));
    EXPECT_EQ(200, widthOf(rect()));
    EXPECT_EQ(120, heightOf(rect()));
}

TEST_F(NoteE2E, DraggingTheGripResizesKeepingTheTopLeftCorner) {
    dragAtUserPace(at(199, 119), at(239, 149));  // from the very bottom-right pixel
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 240 && heightOf(r) == 150; }));
    EXPECT_EQ(100, rect().left);
    EXPECT_EQ(100, rect().top);

    dragAtUserPace(at(240 - 12, 150 - 12), at(240 - 12 - 40, 150 - 12 - 50));  // from the square's corner
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 200 && heightOf(r) == 100; }));
    EXPECT_EQ(100, rect().left);
    EXPECT_EQ(100, rect().top);
}

TEST_F(NoteE2E, ResizingBelowSixteenEndsAtSixteen) {
    dragAtUserPace(at(195, 115), at(2, 2));
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 16 && heightOf(r) == 16; }))
        << widthOf(rect()) << " x " << heightOf(rect());
    EXPECT_EQ(100, rect().left);
    EXPECT_EQ(100, rect().top);
}

TEST_F(NoteE2E, FrameMarginsTextAreaAndGripAreRedrawnAtEverySize) {
    SetWindowTextA(textArea(), "");
    EXPECT_TRUE(pictureIsRight()) << "restored";
    const SIZE byProgram[] = {{150, 70}, {155, 75}, {300, 200}, {10, 10}, {60, 40}, {200, 120}};
    for (const SIZE& size : byProgram) {
        SetWindowPos(note_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_TRUE(pictureIsRight()) << "set to " << size.cx << " x " << size.cy;
    }
    const SIZE byGrip[] = {{-38, -19}, {5, 5}, {-300, -300}, {104, 74}};
    for (const SIZE& step : byGrip) {
        const RECT before = rect();
        dragAtUserPace({before.right - 4, before.bottom - 4}, {before.right - 4 + step.cx, before.bottom - 4 + step.cy});
        EXPECT_TRUE(rectBecomes([&](const RECT& r) { return !EqualRect(&r, &before); }));
        EXPECT_TRUE(pictureIsRight()) << "dragged by " << step.cx << ", " << step.cy;
    }
    // Stay in front off and on: each re-creates the window.
    for (bool inFront : {false, true}) {
        const HWND before = note_;
        pressCtrlLetter('T');
        ASSERT_TRUE(waitUntil(
            [&] {
                note_ = program_->waitForNote(0);
                const bool topmost = note_ && (GetWindowLongA(note_, GWL_EXSTYLE) & WS_EX_TOPMOST);
                return note_ && note_ != before && topmost == inFront;
            },
            3000));
    }
    EXPECT_TRUE(pictureIsRight()) << "after stay in front off and on";
}

TEST_F(NoteE2E, TheMenuOpensOverTheTextAreaOnly) {
    clickAt(at(5, 60).x, at(5, 60).y, MouseButton::Right);        // margin
    clickAt(at(193, 113).x, at(193, 113).y, MouseButton::Right);  // grip
    clickAt(at(100, 0).x, at(100, 0).y, MouseButton::Right);      // top strip
    pumpMessagesFor(500);
    EXPECT_EQ(nullptr, shownMenu());

    clickAt(at(100, 60).x, at(100, 60).y, MouseButton::Right);
    ASSERT_TRUE(waitUntil([&] { return shownMenu() != nullptr; }, 3000));
    const RECT menu = windowRect(shownMenu());
    EXPECT_EQ(200, menu.left);  // left-aligned at the pointer
    EXPECT_EQ(160, menu.top);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitUntil([&] { return shownMenu() == nullptr; }, 3000));
    EXPECT_EQ("first line", text());
}

TEST_F(NoteE2E, AMenuRequestFromTheKeyboardOpensJustBelowTheCaretLine) {
    const std::string lines = "first line\r\nsecond\r\nthird";
    setNoteText(note_, lines);
    const int secondLine = 12, caret = 22;  // "th|ird"
    SendMessageA(textArea(), EM_SETSEL, caret, caret);
    auto charAt = [&](int index) {
        const LRESULT at = SendMessageA(textArea(), EM_POSFROMCHAR, index, 0);
        return POINT{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    };
    const POINT onThirdLine = charAt(caret);
    POINT below{onThirdLine.x, onThirdLine.y + (onThirdLine.y - charAt(secondLine).y)};
    ClientToScreen(textArea(), &below);
    // 64-bit Windows packs the keyboard request's (-1, -1) into the low 32
    // bits of the parameter.
    for (auto request : {std::function<void()>([] { sendKeys({VK_SHIFT, VK_F10, -VK_F10, -VK_SHIFT}); }),
                         std::function<void()>([] { pressKey(VK_APPS); }),
                         std::function<void()>([this] {
                             PostMessageA(textArea(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(textArea()),
                                          static_cast<LPARAM>(0xFFFFFFFFu));
                         })}) {
        request();
        ASSERT_TRUE(waitUntil([&] { return shownMenu() != nullptr; }, 3000));
        const RECT menu = windowRect(shownMenu()), note = rect();
        EXPECT_EQ(below.x, menu.left);
        EXPECT_EQ(below.y, menu.top);
        EXPECT_TRUE(menu.left >= note.left && menu.left < note.right && menu.top >= note.top && menu.top < note.bottom)
            << "the menu opens outside the note";
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(waitUntil([&] { return shownMenu() == nullptr; }, 3000));
    }
    EXPECT_EQ(lines, text());
}

// Alt+Space in the text area opens the note's own window menu at its
// top-left corner; its Move and Size take the arrow keys, 8 pixels a key,
// Enter keeps and Esc puts back. Keys typed meanwhile reach no text; the
// note keeps its style; the end is stored as a drag's.
TEST_F(NoteE2E, AltSpaceMovesAndSizesTheNoteFromTheKeyboardAndTheEndIsStored) {
    const LONG style = GetWindowLongA(note_, GWL_STYLE);
    auto chooseFromWindowMenu = [&](char accessKey) {
        sendKeys({VK_MENU, VK_SPACE, -VK_SPACE, -VK_MENU});
        ASSERT_TRUE(waitUntil([&] { return shownMenu() != nullptr; }, 3000)) << "no window menu";
        const RECT menu = windowRect(shownMenu());
        EXPECT_EQ(rect().left, menu.left);
        EXPECT_EQ(rect().top, menu.top);
        pressKey(static_cast<WORD>(accessKey));
        ASSERT_TRUE(waitUntil([&] { return shownMenu() == nullptr; }, 3000));
    };
    chooseFromWindowMenu('S');
    for (int key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, int{'X'}, VK_RETURN}) pressKey(static_cast<WORD>(key));
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 216 && heightOf(r) == 128; }));
    EXPECT_EQ(100, rect().left);
    EXPECT_EQ(100, rect().top);
    Sleep(300);
    EXPECT_EQ(stored("width"), "216");
    EXPECT_EQ(stored("height"), "128");

    chooseFromWindowMenu('M');
    for (int key : {VK_RIGHT, VK_RIGHT, VK_DOWN}) pressKey(static_cast<WORD>(key));
    ASSERT_TRUE(rectBecomes([](const RECT& r) { return r.left == 116 && r.top == 108; }));
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return r.left == 100 && r.top == 100 && widthOf(r) == 216; }));

    chooseFromWindowMenu('M');
    for (int key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN})
        pressKey(static_cast<WORD>(key));
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return r.left == 132 && r.top == 116; }));
    EXPECT_EQ(216, widthOf(rect()));
    typeAtTheEnd('Y');  // the keys go to the text again
    EXPECT_EQ("first liney", text());
    EXPECT_EQ(style, GetWindowLongA(note_, GWL_STYLE));
    EXPECT_FALSE(style & (WS_SYSMENU | WS_CAPTION));
    Sleep(300);
    program_->kill();
    EXPECT_EQ(stored("left"), "132");
    EXPECT_EQ(stored("top"), "116");
    EXPECT_EQ(stored("width"), "216");
}

// "Killed" is how a crash, a power cut or Task Manager's End task ends it.
// Typing that never pauses for two seconds is stored all the same: what
// was shown two and a half seconds before the kill is in the store.
TEST_F(NoteE2E, TypingIsStoredAtAnyRhythmAndWhenTheNoteLosesTheActivation) {
    std::vector<std::pair<ULONGLONG, std::string>> shown;
    const ULONGLONG start = GetTickCount64();
    for (int key = 0; GetTickCount64() - start < 10000; ++key) {
        typeAtTheEnd(static_cast<char>('A' + key % 26));
        shown.emplace_back(GetTickCount64(), text());
        const ULONGLONG next = start + 500 * (key + 1);
        if (GetTickCount64() < next) Sleep(static_cast<DWORD>(next - GetTickCount64()));
    }
    const ULONGLONG killedAt = GetTickCount64();
    program_->kill();
    std::string atLeast = "first line";
    for (const auto& [at, seen] : shown)
        if (at + 2500 <= killedAt) atLeast = seen;
    const std::string kept = stored("max");
    EXPECT_EQ(kept, shown.back().second.substr(0, kept.size())) << "the store holds what was shown";
    EXPECT_GE(kept.size(), atLeast.size()) << "lost more than the last two seconds: " << kept;

    startNote();
    typeAtTheEnd('Y');
    {
        OtherWindow other;
        Sleep(300);
        program_->kill();
    }
    EXPECT_EQ(stored("max"), kept + "y");
}

TEST_F(NoteE2E, AMoveAndAResizeAreStoredWhenTheyEnd) {
    dragAtUserPace(at(5, 60), at(45, 90));
    ASSERT_TRUE(rectBecomes([](const RECT& r) { return r.left == 140 && r.top == 130; }));
    Sleep(300);
    EXPECT_EQ(stored("left"), "140");
    EXPECT_EQ(stored("top"), "130");
    dragAtUserPace({140 + 199, 130 + 119}, {140 + 239, 130 + 149});
    ASSERT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 240 && heightOf(r) == 150; }));
    Sleep(300);
    program_->kill();
    EXPECT_EQ(stored("width"), "240");
    EXPECT_EQ(stored("height"), "150");
    EXPECT_EQ(stored("left"), "140");
}

TEST_F(NoteE2E, NothingIsWrittenWhileIdleAndAChangeIsWrittenOnce) {
    const FILETIME atStart = settingsLastWriteTime();
    Sleep(3500);
    const FILETIME idle = settingsLastWriteTime();
    EXPECT_EQ(CompareFileTime(&atStart, &idle), 0) << "written while idle";
    typeAtTheEnd('Z');
    ASSERT_TRUE(waitUntil(
        [&] {
            const FILETIME now = settingsLastWriteTime();
            return CompareFileTime(&atStart, &now) != 0;
        },
        4000));
    const FILETIME written = settingsLastWriteTime();
    Sleep(3000);
    const FILETIME later = settingsLastWriteTime();
    EXPECT_EQ(CompareFileTime(&written, &later), 0) << "written again with nothing changed";
    EXPECT_EQ(stored("max"), "first linez");
}

// Windows gives a program about two seconds to save before the machine
// sleeps; an installer or an update closes it through the Restart Manager.
TEST_F(NoteE2E, TheSuspendNoticeSavesAndAnUpdatesCloseSavesAndEnds) {
    typeAtTheEnd('W');
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(note_, WM_POWERBROADCAST, PBT_APMSUSPEND, 0, SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_EQ(stored("max"), "first linew") << "not saved before the notice returned";

    typeAtTheEnd('V');
    const HWND application = program_->waitForApplicationWindow();
    for (HWND window : {note_, application}) {
        ASSERT_TRUE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 5000,
                                        &answer));
        EXPECT_TRUE(answer);
    }
    for (HWND window : {note_, application})
        SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 5000, &answer);
    ASSERT_TRUE(program_->waitForExit()) << "the note did not end by itself";
    EXPECT_EQ(program_->exitCode(), 0u);
    EXPECT_EQ(stored("max"), "first linewv");
}

TEST_F(NoteE2E, CtrlQEndsTheProgramSavingTheTextTypedBefore) {
    sendKeys({VK_CONTROL, VK_END, -VK_END, -VK_CONTROL});
    pressKey('X');
    ASSERT_TRUE(waitUntil([&] { return text() == "first linex"; }, 3000));
    pressCtrlLetter('Q');
    ASSERT_TRUE(program_->waitForExit());
    EXPECT_EQ(0u, program_->exitCode());
    EXPECT_EQ("first linex", readSettingsString("max").value_or("(none)"));
    EXPECT_EQ("100", readSettingsString("left").value_or("(none)"));
    EXPECT_EQ("200", readSettingsString("width").value_or("(none)"));
}

}  // namespace
