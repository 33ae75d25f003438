// The note window in-process: its description, layout, pixels, appearance
// operations and the error box, driven through TApplication and TForm1.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "app/application.h"
#include "base/failure.h"
#include "base/system.h"
#include "note/form1.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/program.h"
#include "tests/win32/support/raw_registry.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/screen.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/test_host.h"
#include "tests/win32/support/wait.h"

namespace {

class NoteWindow : public ::testing::Test {
protected:
    void SetUp() override {
        deleteVessanTree();
        application = std::make_unique<TApplication>();
        application->CreateForm<TForm1>();
        note = static_cast<TForm1*>(application->MainForm());
    }
    void TearDown() override {
        application.reset();
        deleteVessanTree();
    }
    void show() {
        note->Show(SW_SHOWNORMAL);
        SetForegroundWindow(note->Handle());
        UpdateWindow(note->Handle());
        pumpMessagesFor(100);
    }
    void resize(int width, int height) {
        note->SetWidth(width);
        note->SetHeight(height);
    }
    LONG style(HWND window, int which = GWL_STYLE) const { return GetWindowLongA(window, which); }
    // The brush the text area is painted with, asked as the platform asks.
    HBRUSH textAreaBrush() const {
        HWND memo = note->Memo1.Handle();
        HDC dc = GetDC(memo);
        const LRESULT brush = SendMessageA(note->Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(memo));
        ReleaseDC(memo, dc);
        return reinterpret_cast<HBRUSH>(brush);
    }
    int fontHeight() const {
        LOGFONTA font{};
        GetObjectA(note->Memo1.Font(), sizeof font, &font);
        return font.lfHeight;
    }
    // The frame, margin, text area and grip picture in fixed pixels, for
    // the note where it is now.
    void expectLaidOutInPixels() {
        const int w = note->Width(), h = note->Height(), left = note->Left(), top = note->Top();
        ScreenCapture capture(RECT{left, top, left + w, top + h});
        auto at = [&](int x, int y) { return capture.pixel(left + x, top + y); };
        const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
        for (int i : {0, w / 2, w - 1}) {
            EXPECT_EQ(at(i, 0), black);
            EXPECT_EQ(at(i, h - 1), black);
        }
        for (int i : {0, h / 2, h - 1}) {
            EXPECT_EQ(at(0, i), black);
            EXPECT_EQ(at(w - 1, i), black);
        }
        EXPECT_EQ(at(5, 5), kCreamYellow) << "margin";
        EXPECT_EQ(at(w - 40, h - 30), kCreamYellow) << "text area";
        // The grip picture at (W - 13, H - 13): a black frame, white above
        // the diagonal, black below it.
        EXPECT_EQ(at(w - 13, h - 13), black);
        EXPECT_EQ(at(w - 12, h - 12), white);
        EXPECT_EQ(at(w - 4, h - 11), white);
        EXPECT_EQ(at(w - 3, h - 11), black);
        EXPECT_EQ(at(w - 3, h - 3), black);
        EXPECT_EQ(at(w - 14, h - 14), kCreamYellow);
        EXPECT_EQ(boundsInParent(note->Memo1.Handle()), (Bounds{12, 10, w - 25, h - 22}));
    }
    void expectPixelsOf100By100NoteAt40And50() {
        note->SetLeft(40);
        note->SetTop(50);
        resize(100, 100);
        show();
        expectLaidOutInPixels();
    }

    std::unique_ptr<TApplication> application;
    TForm1* note = nullptr;
};

TEST_F(NoteWindow, ApplicationWindowIsAnInvisibleCaptionedPopupAtTheScreenCentre) {
    HWND window = application->Handle();
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    EXPECT_STREQ(className, "TApplication");
    EXPECT_EQ(static_cast<DWORD>(style(window)) & ~WS_VISIBLE,
              static_cast<DWORD>(WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    const RECT rect = windowRect(window);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2);
    EXPECT_EQ(rect.right, rect.left);
    EXPECT_EQ(rect.bottom, rect.top);
    // The title is the executable's name without its extension.
    EXPECT_EQ(application->Title(), "note_window_tests");
    HMENU systemMenu = GetSystemMenu(window, FALSE);
    for (UINT removed : {SC_MAXIMIZE, SC_SIZE, SC_MOVE})
        EXPECT_EQ(GetMenuState(systemMenu, removed, MF_BYCOMMAND), static_cast<UINT>(-1)) << removed;
    EXPECT_NE(GetMenuState(systemMenu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}

TEST_F(NoteWindow, NoteIsABorderlessTopmostLayeredPopupOwnedByTheApplication) {
    HWND window = note->Handle();
    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Tarvissel");
    const DWORD windowStyle = static_cast<DWORD>(style(window));
    EXPECT_TRUE(windowStyle & WS_POPUP);
    EXPECT_FALSE(windowStyle & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_FALSE(windowStyle & WS_VISIBLE) << "shown before the event loop";
    const DWORD exStyle = static_cast<DWORD>(style(window, GWL_EXSTYLE));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    EXPECT_EQ(GetWindow(window, GW_OWNER), application->Handle());
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
}

TEST_F(NoteWindow, TextAreaIsABorderlessWrappingEditWithItsOwnFont) {
    HWND edit = note->Memo1.Handle();
    const DWORD editStyle = static_cast<DWORD>(style(edit));
    EXPECT_TRUE(editStyle & ES_MULTILINE);
    EXPECT_TRUE(editStyle & ES_AUTOVSCROLL);
    EXPECT_FALSE(editStyle & (ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_BORDER | ES_NOHIDESEL | ES_CENTER));
    EXPECT_FALSE(style(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    LOGFONTA font{};
    ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, "宋体");
    EXPECT_EQ(font.lfHeight, -12);
    EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
    EXPECT_GE(static_cast<DWORD>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
}

TEST_F(NoteWindow, FrameStripsAreDisabledBlackChildren) {
    TPanel* panels[] = {&note->Panel1, &note->Panel2, &note->Panel3, &note->Panel4};
    for (TPanel* panel : panels) {
        EXPECT_FALSE(IsWindowEnabled(panel->Handle()));
        char caption[16] = {};
        GetWindowTextA(panel->Handle(), caption, sizeof caption);
        EXPECT_STREQ(caption, "Panel1");
    }
}

TEST_F(NoteWindow, LayoutFollowsEverySize) {
    struct Case {
        int width, height;
    };
    for (Case size : {Case{100, 100}, Case{188, 89}, Case{300, 40}, Case{26, 23}}) {
        resize(size.width, size.height);
        const int w = size.width, h = size.height;
        EXPECT_EQ(boundsInParent(note->Memo1.Handle()), (Bounds{12, 10, w - 25, h - 22}));
        EXPECT_EQ(boundsInParent(note->Panel1.Handle()), (Bounds{0, 0, w, 1}));
        EXPECT_EQ(boundsInParent(note->Panel4.Handle()), (Bounds{0, h - 1, w, 1}));
        EXPECT_EQ(boundsInParent(note->Panel2.Handle()), (Bounds{0, 1, 1, h - 2}));
        EXPECT_EQ(boundsInParent(note->Panel3.Handle()), (Bounds{w - 1, 1, 1, h - 2}));
    }
}

TEST_F(NoteWindow, SizesBelowTheMinimumAreCorrectedTo16) {
    resize(10, 10);
    EXPECT_EQ(note->Width(), 16);
    EXPECT_EQ(note->Height(), 16);
    note->SetHeight(3);
    EXPECT_EQ(note->Height(), 16);
    const Bounds memo = boundsInParent(note->Memo1.Handle());
    EXPECT_LE(memo.width, 0);
    EXPECT_LE(memo.height, 0);
}

TEST_F(NoteWindow, PixelsShowFrameMarginTextAreaAndGrip) { expectPixelsOf100By100NoteAt40And50(); }

TEST_F(NoteWindow, ColourChangesMarginAndTextAreaTogether) {
    show();
    note->SetNoteColour(kPink);
    UpdateWindow(note->Handle());
    pumpMessagesFor(100);
    const int left = note->Left(), top = note->Top();
    EXPECT_EQ(screenPixel(left + 5, top + 5), kPink);
    EXPECT_EQ(screenPixel(left + 40, top + 40), kPink);
    EXPECT_EQ(screenPixel(left, top), RGB(0, 0, 0));
}

TEST_F(NoteWindow, RepeatedAppearanceChangesReleaseTheReplacedObjects) {
    for (int i = 0; i < 1000; ++i) {
        HFONT oldFont = note->Memo1.Font();
        HBRUSH oldBrush = textAreaBrush();
        note->SetFontSize(i % 2 ? 9 : 12);
        note->SetNoteColour(i % 2 ? kCreamYellow : kGrassGreen);
        ASSERT_EQ(GetObjectType(oldFont), 0u) << "font kept at round " << i;
        ASSERT_EQ(GetObjectType(oldBrush), 0u) << "brush kept at round " << i;
    }
    EXPECT_EQ(fontHeight(), -12);
}

TEST_F(NoteWindow, StayInFrontOffAndOnKeepsEverythingButCaretAndSelection) {
    show();
    note->SetText("keep me");
    note->SetNoteColour(kGrassGreen);
    note->SetOpacity(180);
    note->SetLeft(70);
    note->SetStayInFront(false);
    EXPECT_FALSE(style(note->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(note->Handle()));
    note->SetStayInFront(true);
    HWND window = note->Handle();
    EXPECT_TRUE(style(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(note->Text(), "keep me");
    EXPECT_EQ(note->Left(), 70);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 180);
    UpdateWindow(window);
    pumpMessagesFor(100);
    EXPECT_EQ(screenPixel(note->Left() + 5, note->Top() + 5), kGrassGreen);
    EXPECT_EQ(GetWindow(window, GW_OWNER), application->Handle());
}

TEST_F(NoteWindow, TabAndEnterGoIntoTheText) {
    show();
    HWND edit = note->Memo1.Handle();
    SendMessageA(edit, WM_CHAR, 'a', 0);
    SendMessageA(edit, WM_CHAR, '\t', 0);
    SendMessageA(edit, WM_CHAR, '\r', 0);
    SendMessageA(edit, WM_CHAR, 'b', 0);
    EXPECT_EQ(note->Text(), "a\t\r\nb");
}

TEST_F(NoteWindow, ErrorBoxIsOwnedByTheApplicationAndNeverHiddenBehindTheNote) {
    show();
    // Another program's window between the note and the application window,
    // as on any desktop: Wine keeps an owned window in the topmost band when
    // its owner lies directly beneath it.
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP, 600, 600, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(other, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(style(note->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    MessageBoxContent seen;
    bool noteWasTopmost = true, noteWasEnabled = true, pressed = false;
    std::thread user([&] {
        HWND box = waitForMessageBox(GetCurrentProcessId(), 10000);
        if (!box) return;
        seen = readMessageBox(box);
        noteWasTopmost = style(note->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST;
        noteWasEnabled = IsWindowEnabled(note->Handle());
        pressed = pressOk(box);
    });
    application->ReportError("不能创建文件 C:\\100%s\\%d.txt");
    user.join();
    EXPECT_TRUE(pressed);
    EXPECT_EQ(seen.caption, "note_window_tests");
    EXPECT_EQ(seen.text, "不能创建文件 C:\\100%s\\%d.txt.");
    EXPECT_EQ(seen.owner, application->Handle());
    EXPECT_FALSE(noteWasTopmost);
    EXPECT_FALSE(noteWasEnabled);
    EXPECT_TRUE(style(note->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowEnabled(note->Handle()));
    EXPECT_TRUE(IsWindowEnabled(application->Handle()));
    EXPECT_EQ(GetFocus(), note->Memo1.Handle());
    DestroyWindow(other);
}

TEST_F(NoteWindow, MessagesEndingAtOrBelowTheFullStopGetNone) {
    for (const char* message : {"ends.", "ends ", "ends,", "ends-"}) {
        std::string seen;
        std::thread user([&] {
            HWND box = waitForMessageBox(GetCurrentProcessId(), 10000);
            if (!box) return;
            seen = readMessageBox(box).text;
            pressOk(box);
        });
        application->ReportError(message);
        user.join();
        EXPECT_EQ(seen, message);
    }
}

// WM_DPICHANGED as the platform sends it when the note reaches a monitor of
// another density: the density, and the place and size scaled for it. Wine,
// with its one monitor, never sends it.
void monitorDensityChanged(HWND window, int pixelsPerInch, RECT suggested) {
    SendMessageA(window, 0x02E0, MAKEWPARAM(pixelsPerInch, pixelsPerInch), reinterpret_cast<LPARAM>(&suggested));
}

TEST_F(NoteWindow, OnAMonitorOfAnotherDensityTheFontScalesAndTheLayoutStaysInPixels) {
    // This program carries the note's manifest, so it is aware of each
    // monitor's density, as the note is.
    using AwarenessFn = int(WINAPI*)(HANDLE);
    using ContextFn = HANDLE(WINAPI*)();
    const auto awareness = platformFunction<AwarenessFn>("user32.dll", "GetAwarenessFromDpiAwarenessContext");
    const auto context = platformFunction<ContextFn>("user32.dll", "GetThreadDpiAwarenessContext");
    ASSERT_TRUE(awareness && context);
    EXPECT_EQ(awareness(context()), 2) << "not aware of each monitor's density";

    note->SetLeft(40);
    note->SetTop(50);
    resize(100, 100);
    show();
    struct Step {
        int pixelsPerInch;
        RECT suggested;
        int fontHeight;
    };
    auto expectAt = [&](const Step& step) {
        monitorDensityChanged(note->Handle(), step.pixelsPerInch, step.suggested);
        UpdateWindow(note->Handle());
        pumpMessagesFor(100);
        EXPECT_EQ(boundsOnScreen(note->Handle()), boundsOf(step.suggested));
        EXPECT_EQ(fontHeight(), step.fontHeight);
        expectLaidOutInPixels();
    };
    expectAt(Step{144, RECT{300, 200, 450, 350}, -18});
    note->Commands.Click(note->N6);  // 大字体: 12 points at 144 pixels per inch
    EXPECT_EQ(fontHeight(), -24);
    expectAt(Step{96, RECT{320, 210, 420, 310}, -16});
    expectAt(Step{144, RECT{330, 220, 480, 370}, -24});

    application.reset();  // the close
    EXPECT_EQ(readSettingsString("left"), "330");
    EXPECT_EQ(readSettingsString("top"), "220");
    EXPECT_EQ(readSettingsString("width"), "150");
    EXPECT_EQ(readSettingsString("height"), "150");
}

// The screen's pixels per inch for programs started while one lives (read
// by each program at its start); the value before comes back afterwards.
class ScreenDensityForNewPrograms {
public:
    explicit ScreenDensityForNewPrograms(DWORD pixelsPerInch) : before_(readRawValue(HKEY_CURRENT_CONFIG, kPath, kName)) {
        writeRawValue(HKEY_CURRENT_CONFIG, kPath, kName, REG_DWORD,
                      std::string(reinterpret_cast<const char*>(&pixelsPerInch), sizeof pixelsPerInch));
    }
    ~ScreenDensityForNewPrograms() {
        if (before_.found)
            writeRawValue(HKEY_CURRENT_CONFIG, kPath, kName, before_.type, before_.data);
        else
            deleteRawValue(HKEY_CURRENT_CONFIG, kPath, kName);
    }
    ScreenDensityForNewPrograms(const ScreenDensityForNewPrograms&) = delete;
    ScreenDensityForNewPrograms& operator=(const ScreenDensityForNewPrograms&) = delete;

private:
    static constexpr const char* kPath = "Software\\Fonts";
    static constexpr const char* kName = "LogPixels";
    RawValue before_;
};

const char kDensityVariable[] = "TARVISSEL_TEST_PIXELS_PER_INCH";

// Runs this test program again, with the given filter, and waits (bounded)
// for its exit code.
DWORD runThisProgram(const std::string& filter) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    STARTUPINFOA startup{};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    const StartedProcess process("", "\"" + std::string(path) + "\" --gtest_filter=" + filter, startup, true);
    if (!process.started()) return static_cast<DWORD>(-1);
    return process.exitCodeWithin(60000).value_or(static_cast<DWORD>(-2));
}

// At one and a half times the design density, run by PixelDensity below in
// a program started at that density: the text keeps its physical size, the
// first-run and described sizes grow with it, and the layout rule and the
// grip stay in pixels.
class DenseScreen : public NoteWindow {
protected:
    void SetUp() override {
        const char* expected = getenv(kDensityVariable);
        if (!expected) GTEST_SKIP() << "runs in a program started at another density";
        ASSERT_EQ(screenPixelsPerInch(), atoi(expected)) << "the program was not started at that density";
        NoteWindow::SetUp();
    }
};

TEST_F(DenseScreen, TextAndFirstSizesScaleTheLayoutAndGripDoNot) {
    EXPECT_EQ(fontHeight(), -18);
    EXPECT_EQ(note->Width(), 150) << "first-run width";
    EXPECT_EQ(note->Height(), 150) << "first-run height";
    note->SetFontSize(12);
    EXPECT_EQ(fontHeight(), -24);
    note->SetFontSize(9);
    EXPECT_EQ(fontHeight(), -18);
    expectPixelsOf100By100NoteAt40And50();
    TestHost host;
    TForm1 described(host);
    EXPECT_EQ(geometryOf(described), (Bounds{263, 142, 282, 134}));
}

TEST(PixelDensity, TheNoteAt144PixelsPerInch) {
    ScreenDensityForNewPrograms dense(144);
    SetEnvironmentVariableA(kDensityVariable, "144");
    const DWORD exitCode = runThisProgram("DenseScreen.*");
    SetEnvironmentVariableA(kDensityVariable, nullptr);
    EXPECT_EQ(exitCode, 0u) << "the tests at 144 pixels per inch failed (their output is above)";
}

}  // namespace
