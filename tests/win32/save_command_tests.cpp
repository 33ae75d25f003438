// Save end to end: the real program, its real save dialog, the file it
// writes, and the error box when the file cannot be created.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>

#include "tests/win32/support/files.h"
#include "tests/win32/support/input.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/program.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/wait.h"
#include "tests/win32/support/windows_of_process.h"

namespace {

constexpr DWORD kWriteTimeoutMs = 15000;
// Wine's edit control takes seconds per MiB of text.
constexpr DWORD kLargeNoteTimeoutMs = 90000;
// Controls of the platform's save dialog.
constexpr int kFileNameControl = 0x47C;  // cmb13, its edit field
constexpr int kFileTypeControl = 0x470;  // cmb1

bool fileSize(const std::string& path, ULONGLONG& size) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    size = (ULONGLONG{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    return true;
}

// Sets a window's text in the program, bounded in time.
bool setText(HWND window, const std::string& text) {
    DWORD_PTR result;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                               kWriteTimeoutMs, &result) != 0;
}

bool isSaveDialog(HWND window) {
    return window && windowClassName(window) == "#32770" && GetDlgItem(window, kFileTypeControl);
}

BOOL CALLBACK findEdit(HWND child, LPARAM found) {
    if (windowClassName(child) != "Edit" || GetDlgCtrlID(child) != kFileNameControl) return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

class SaveCommandTest : public testing::Test {
protected:
    void SetUp() override {
        deleteVessanTree();
        for (const std::string& path : {named_, chosen_}) DeleteFileA(path.c_str());
    }

    void start(DWORD timeoutMs = kWindowTimeoutMs) {
        program_.emplace();
        note_ = program_->waitForNote(timeoutMs);
        ASSERT_NE(note_, nullptr);
        application_ = program_->waitForApplicationWindow();
        memo_ = FindWindowExA(note_, nullptr, "Edit", nullptr);
        ASSERT_NE(memo_, nullptr);
    }

    void TearDown() override {
        if (!program_) return;
        if (HWND box = findTopLevelWindow(program_->processId(), "#32770")) PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        program_->kill();
        for (const std::string& path : {named_, chosen_}) DeleteFileA(path.c_str());
        // Tests that follow start from an empty store, not from a large note.
        deleteVessanTree();
    }

    void setNoteText(const std::string& text) {
        ASSERT_TRUE(setText(memo_, text));
    }

    // Activation by another process arrives later: the keys wait for it. A
    // box just answered may still hold the note disabled, and a disabled
    // note is not brought to the front: asked again until it is.
    void pressSave() {
        EXPECT_TRUE(waitUntil([this] { return IsWindowEnabled(note_) != FALSE; }, kWindowTimeoutMs));
        EXPECT_TRUE(waitUntil(
            [this] {
                SetForegroundWindow(note_);
                return noteFocused();
            },
            kWindowTimeoutMs));
        pressCtrlLetter('S');
    }
    // The note active with its text area focused, so that a shortcut reaches
    // it. Generous: under load the activation and the focus come back well
    // after the dialog or the box has gone.
    bool noteInForeground() const {
        return waitUntil([this] { return noteFocused(); }, kWindowTimeoutMs);
    }
    bool noteFocused() const {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        return GetForegroundWindow() == note_ &&
               GetGUIThreadInfo(GetWindowThreadProcessId(note_, nullptr), &thread) && thread.hwndFocus == memo_;
    }

    HWND waitForSaveDialog() {
        HWND dialog = waitForVisibleWindow(program_->processId(), "#32770", kDialogTimeoutMs);
        return isSaveDialog(dialog) ? dialog : nullptr;
    }

    static HWND fileNameField(HWND dialog) {
        HWND field = nullptr;
        EnumChildWindows(dialog, findEdit, reinterpret_cast<LPARAM>(&field));
        return field;
    }

    // Puts the name into the dialog's file name field and confirms it.
    void chooseName(HWND dialog, const std::string& name) {
        ASSERT_TRUE(setText(fileNameField(dialog), name));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(waitUntil([dialog] { return !IsWindow(dialog); }, kDialogTimeoutMs));
    }

    // As the user does it: the folder is in the field, the end of the name
    // is typed on the keyboard (lower-case letters), Enter confirms.
    void typeName(HWND dialog, const std::string& start, const std::string& typedLetters) {
        HWND field = fileNameField(dialog);
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus);
        EXPECT_EQ(focus.hwndFocus, field) << "the file name field does not have the focus";
        ASSERT_TRUE(setText(field, start));
        pressKey(VK_END);
        for (char letter : typedLetters) pressKey(static_cast<WORD>(toupper(letter)));
        pressKey(VK_RETURN);
        EXPECT_TRUE(waitUntil([dialog] { return !IsWindow(dialog); }, kDialogTimeoutMs));
    }

    void cancel(HWND dialog) {
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(waitUntil([dialog] { return !IsWindow(dialog); }, kDialogTimeoutMs));
    }

    // Returns once the program has handled everything sent before.
    void sync() {
        DWORD_PTR result;
        SendMessageTimeoutA(note_, WM_NULL, 0, 0, SMTO_NORMAL, kWriteTimeoutMs, &result);
    }

    // The file's bytes once it has reached the expected size and the
    // program is idle again (reading earlier could block its own write).
    std::string writtenFile(const std::string& path, std::size_t expectedSize) {
        ULONGLONG size = 0;
        waitUntil([&] { return fileSize(path, size) && size == expectedSize; }, kWriteTimeoutMs);
        sync();
        return fileBytes(path);
    }

    bool saveDialogOpen() { return isSaveDialog(findTopLevelWindow(program_->processId(), "#32770")); }

    std::optional<RunningProgram> program_;
    HWND note_ = nullptr;
    HWND application_ = nullptr;
    HWND memo_ = nullptr;
    const std::string named_ = tempFilePath("tarvissel-save");  // typed without extension
    const std::string chosen_ = named_ + ".txt";
};

TEST_F(SaveCommandTest, FirstSaveAsksThenLaterSavesRewriteTheSameFile) {
    start();
    setNoteText("ab\r\ncd");
    pressSave();
    HWND dialog = waitForSaveDialog();
    ASSERT_NE(dialog, nullptr) << "Ctrl+S opened no save dialog";

    EXPECT_EQ(GetWindow(dialog, GW_OWNER), application_);
    EXPECT_EQ(windowClassName(application_), "TApplication");
    EXPECT_EQ(windowText(GetDlgItem(dialog, kFileTypeControl)), "文本文件[*.txt]");

    // Centred on the note's monitor, a third of the spare height above.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(note_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& mon = monitor.rcMonitor;
    RECT box{};
    auto placed = [&] {
        box = windowRect(dialog);
        const int width = box.right - box.left, height = box.bottom - box.top;
        return std::abs(box.left - (mon.left + (mon.right - mon.left - width) / 2)) <= 1 &&
               std::abs(box.top - (mon.top + (mon.bottom - mon.top - height) / 3)) <= 1;
    };
    EXPECT_TRUE(waitUntil(placed, 5000)) << "dialog at " << box.left << "," << box.top << " size "
                                         << box.right - box.left << "x" << box.bottom - box.top;

    // The rest of the application waits, and the note cannot cover the dialog.
    EXPECT_FALSE(IsWindowEnabled(note_));
    EXPECT_FALSE(IsWindowEnabled(application_));
    const RECT noteBox = windowRect(note_);
    RECT overlap;
    if (IntersectRect(&overlap, &noteBox, &box)) {
        HWND top = WindowFromPoint(POINT{overlap.left, overlap.top});
        EXPECT_EQ(GetAncestor(top, GA_ROOT), dialog) << "the note lies over the dialog";
    }

    typeName(dialog, named_.substr(0, named_.size() - 4), named_.substr(named_.size() - 4));
    EXPECT_EQ(writtenFile(chosen_, 6), "ab\r\ncd");
    EXPECT_TRUE(IsWindowEnabled(note_));
    EXPECT_TRUE(noteInForeground());
    EXPECT_EQ(GetWindowLongA(note_, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);

    // Later saves: no dialog, the current text, however long.
    const std::string doubleByte = "便笺\r\n第二行";
    setNoteText(doubleByte);
    pressSave();
    EXPECT_EQ(writtenFile(chosen_, doubleByte.size()), doubleByte);
    EXPECT_FALSE(saveDialogOpen());

    setNoteText("");
    pressSave();
    EXPECT_EQ(writtenFile(chosen_, 0), "");
    EXPECT_FALSE(saveDialogOpen());
    EXPECT_EQ(GetFileAttributesA(named_.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SaveCommandTest, CancelWritesNothingAndTheNextSaveAsksAgain) {
    start();
    setNoteText("text");
    pressSave();
    HWND dialog = waitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    cancel(dialog);
    sync();
    EXPECT_EQ(findTopLevelWindow(program_->processId(), "#32770"), nullptr) << "a box after cancel";
    EXPECT_TRUE(IsWindowEnabled(note_));

    pressSave();
    dialog = waitForSaveDialog();
    ASSERT_NE(dialog, nullptr) << "the second Save after a cancel did not ask";
    chooseName(dialog, chosen_);
    EXPECT_EQ(writtenFile(chosen_, 4), "text");
}

TEST_F(SaveCommandTest, FileHeldOpenGivesTheErrorBoxAndTheNextSaveSucceedsWithoutAsking) {
    start();
    setNoteText("first");
    pressSave();
    HWND dialog = waitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    chooseName(dialog, chosen_);
    ASSERT_EQ(writtenFile(chosen_, 5), "first");

    HANDLE held = CreateFileA(chosen_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    setNoteText("second");
    pressSave();
    HWND box = waitForMessageBox(program_->processId(), kWriteTimeoutMs);
    ASSERT_NE(box, nullptr) << "no error box";
    const MessageBoxContent content = readMessageBox(box);
    EXPECT_EQ(content.text, "不能创建文件 " + chosen_ + ".");
    EXPECT_EQ(content.owner, application_);
    EXPECT_TRUE(pressOk(box));
    CloseHandle(held);

    pressSave();
    EXPECT_EQ(writtenFile(chosen_, 6), "second");
    EXPECT_FALSE(saveDialogOpen());
}

// The note restores a large text from the store (setting it from here would
// take far longer); Save writes all of it.
TEST_F(SaveCommandTest, MultiMebibyteNoteIsWrittenByteForByte) {
    std::string large(1 << 20, 'x');
    for (std::size_t i = 0; i < large.size(); i += 1024) large.replace(i, 8, "line\r\n\xB1\xE3");
    writeCompleteStore(large, "150", "150", "150", "150");
    start(kLargeNoteTimeoutMs);
    DWORD_PTR length = 0;
    SendMessageTimeoutA(memo_, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kWriteTimeoutMs, &length);
    ASSERT_EQ(length, large.size()) << "the note did not restore the large text";

    pressSave();
    HWND dialog = waitForSaveDialog();
    ASSERT_NE(dialog, nullptr);
    chooseName(dialog, chosen_);
    EXPECT_TRUE(writtenFile(chosen_, large.size()) == large) << "the 1 MiB note was not written byte for byte";
}

}  // namespace
