// The real program end to end: what it restores at start, what it saves at
// the end, and how it reports a store it cannot read.
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <vector>

#include "base/scoped_handle.h"

#include "tests/win32/support/files.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/program.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/wait.h"

namespace {

// Closes the note normally and waits for the program to end.
void closeAndWait(RunningProgram& program) {
    program.closeNote();
    ASSERT_TRUE(program.waitForExit()) << "the program did not end after a close request";
}

// The one error box the program shows at start: its text, after OK.
std::string startUpError(RunningProgram& program) {
    HWND box = waitForMessageBox(program.processId(), kWindowTimeoutMs);
    if (!box) return "<no error box>";
    const std::string text = readMessageBox(box).text;
    EXPECT_TRUE(pressOk(box));
    return text;
}

// The files the process's modules were loaded from.
std::vector<std::string> moduleFiles(DWORD processId) {
    const ScopedHandle<HANDLE, CloseKernelHandle, invalidHandleValue> snapshot(
        CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    std::vector<std::string> files;
    MODULEENTRY32 module{};
    module.dwSize = sizeof module;
    for (BOOL more = snapshot && Module32First(snapshot.get(), &module); more;
         more = Module32Next(snapshot.get(), &module))
        files.push_back(module.szExePath);
    return files;
}

class Lifecycle : public ::testing::Test {
protected:
    void SetUp() override { deleteVessanTree(); }
    void TearDown() override { deleteVessanTree(); }
};

TEST_F(Lifecycle, FirstStartMarksTheStoreAndOpensSmallInTheCorner) {
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(boundsOnScreen(note), (Bounds{10, 10, 100, 100}));
    EXPECT_EQ(noteText(note), "");
    EXPECT_EQ(readSettingsString("first"), "1");
    for (const char* name : {"max", "top", "left", "height", "width"}) EXPECT_FALSE(readSettingsValue(name).found) << name;
    closeAndWait(program);
}

TEST_F(Lifecycle, FirstShutDownSavesTextPositionAndSize) {
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    setNoteText(note, "ab\r\ncd");
    closeAndWait(program);
    EXPECT_EQ(readSettingsString("max"), "ab\r\ncd");
    EXPECT_EQ(readSettingsString("top"), "10");
    EXPECT_EQ(readSettingsString("left"), "10");
    EXPECT_EQ(readSettingsString("height"), "100");
    EXPECT_EQ(readSettingsString("width"), "100");
    // Written as strings with their terminating zero.
    EXPECT_EQ(readSettingsValue("top").type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(readSettingsValue("top").data, std::string("10", 3));
}

TEST_F(Lifecycle, LaterStartRestoresTextPositionAndSize) {
    const std::string text = "第一行\tTab\r\n\r\nlast line 尾";
    writeCompleteStore(text, "200", "300", "120", "180");
    {
        RunningProgram program;
        HWND note = program.waitForNote();
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(boundsOnScreen(note), (Bounds{300, 200, 180, 120}));
        EXPECT_EQ(noteText(note), text);
        SetWindowPos(note, nullptr, -40, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        closeAndWait(program);
    }
    EXPECT_EQ(readSettingsString("max"), text);
    EXPECT_EQ(readSettingsString("left"), "-40");
    EXPECT_EQ(readSettingsString("top"), "250");
}

TEST_F(Lifecycle, TinyStoredSizeGrowsToTheMinimumBeforeShowing) {
    writeCompleteStore("x", "50", "60", "5", "5");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(boundsOnScreen(note), (Bounds{60, 50, 16, 16}));
    closeAndWait(program);
    EXPECT_EQ(readSettingsString("width"), "16");
}

TEST_F(Lifecycle, NumbersInEveryAcceptedForm) {
    writeCompleteStore("", "  7", "$FFFFFFFF", "0x50", "$64");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(boundsOnScreen(note), (Bounds{-1, 7, 100, 80}));
    closeAndWait(program);
}

TEST_F(Lifecycle, FirstNotExactlyOneStartsAfresh) {
    for (const char* first : {"1 ", "01"}) {
        writeCompleteStore("kept?", "200", "300", "120", "180");
        writeSettingsString("first", first);
        RunningProgram program;
        HWND note = program.waitForNote();
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(boundsOnScreen(note), (Bounds{10, 10, 100, 100}));
        EXPECT_EQ(noteText(note), "") << first;
        EXPECT_EQ(readSettingsString("first"), "1");
        closeAndWait(program);
        EXPECT_EQ(readSettingsString("max"), "");
        EXPECT_EQ(readSettingsString("width"), "100");
    }
}

TEST_F(Lifecycle, BadNumberShowsOneErrorBoxAndStopsTheRestore) {
    writeCompleteStore("text", "200", "-$10", "120", "180");
    RunningProgram program;
    EXPECT_EQ(startUpError(program), "'-$10' 不是一个有效的整形值.");
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    // Text and top were applied before the failing left; nothing after it.
    EXPECT_EQ(boundsOnScreen(note), (Bounds{263, 200, 188, 89}));
    EXPECT_EQ(noteText(note), "text");
    EXPECT_EQ(waitForMessageBox(program.processId(), 300), nullptr) << "a second error box";
    closeAndWait(program);
}

TEST_F(Lifecycle, RejectedNumbers) {
    for (const char* top : {"2147483648", "12 ", "$123456789", "1e3"}) {
        writeCompleteStore("", top, "1", "100", "100");
        RunningProgram program;
        EXPECT_EQ(startUpError(program), std::string("'") + top + "' 不是一个有效的整形值.");
        ASSERT_NE(program.waitForNote(), nullptr);
        closeAndWait(program);
    }
}

TEST_F(Lifecycle, MarkedStoreReportsTheMissingNumber) {
    writeSettingsString("first", "1");
    RunningProgram program;
    EXPECT_EQ(startUpError(program), "'' 不是一个有效的整形值.");
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(boundsOnScreen(note), (Bounds{263, 142, 188, 89}));
    EXPECT_EQ(noteText(note), "");
    closeAndWait(program);
    EXPECT_EQ(readSettingsString("top"), "142");
}

TEST_F(Lifecycle, ValueOfAnotherTypeIsReportedByName) {
    writeCompleteStore("t", "1", "2", "100", "100");
    writeSettingsValue("height", REG_DWORD, std::string("\x64\0\0\0", 4));
    RunningProgram program;
    EXPECT_EQ(startUpError(program), "'height' 的数据类型是无效的.");
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(boundsOnScreen(note), (Bounds{2, 1, 188, 89}));
    closeAndWait(program);
}

TEST_F(Lifecycle, SeveralMebibytesOfTextRoundTrip) {
    std::string text;
    while (text.size() < 3 * 1024 * 1024) text += "便笺 line of a long note\twith tabs 0123456789\r\n";
    writeCompleteStore(text, "10", "10", "100", "100");
    RunningProgram program;
    ASSERT_NE(program.waitForNote(30000), nullptr);
    program.closeNote();
    ASSERT_TRUE(program.waitForExit(60000));
    EXPECT_TRUE(readSettingsString("max") == text);
}

TEST_F(Lifecycle, CloseRequestToTheApplicationWindowSavesLikeExit) {
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    setNoteText(note, "from the taskbar");
    program.postClose(program.waitForApplicationWindow());
    ASSERT_TRUE(program.waitForExit());
    EXPECT_EQ(readSettingsString("max"), "from the taskbar");
}

TEST_F(Lifecycle, SessionEndSavesBeforeAnswering) {
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    setNoteText(note, "typed before log-off");
    HWND application = program.waitForApplicationWindow();
    EXPECT_TRUE(SendMessageA(application, WM_QUERYENDSESSION, 0, 0));
    SendMessageA(application, WM_ENDSESSION, TRUE, 0);
    // The platform may end the process right after the notification.
    program.kill();
    EXPECT_EQ(readSettingsString("max"), "typed before log-off");
    EXPECT_EQ(readSettingsString("width"), "100");
}

// Every top-level window of the class, whichever process it belongs to.
int windowsOfClass(const char* className) {
    int count = 0;
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExA(nullptr, window, className, nullptr))
        ++count;
    return count;
}

FILETIME settingsKeyWritten() {
    FILETIME written{};
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, &written);
        RegCloseKey(key);
    }
    return written;
}

// The note has the foreground, and the keyboard focus is in its text area.
bool inFrontWithFocus(HWND note) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    return GetForegroundWindow() == note &&
           GetGUIThreadInfo(GetWindowThreadProcessId(note, nullptr), &thread) &&
           thread.hwndFocus == noteTextArea(note);
}

// A second start hands over to the running note (shown or minimised) and
// ends without a window of its own and without touching the store; once
// the running note is killed, a start shows a note again.
TEST_F(Lifecycle, ASecondStartBringsTheRunningNoteToTheFrontAndEnds) {
    writeCompleteStore("stored", "100", "100", "120", "180");
    for (const int firstShown : {SW_SHOWNORMAL, SW_SHOWMINNOACTIVE}) {
        RunningProgram first(firstShown);
        HWND application = first.waitForApplicationWindow();
        ASSERT_NE(application, nullptr);
        // Something else has the foreground when the user starts again.
        HWND elsewhere = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr,
                                         nullptr, nullptr);
        if (firstShown == SW_SHOWNORMAL) {
            ASSERT_NE(first.waitForNote(), nullptr);
        }
        SetForegroundWindow(elsewhere);
        const FILETIME written = settingsKeyWritten();
        RunningProgram second;
        ASSERT_TRUE(second.waitForExit(3000)) << "the second start did not end promptly";
        EXPECT_EQ(second.exitCode(), 0u);
        HWND note = first.waitForNote();
        ASSERT_NE(note, nullptr) << firstShown;
        EXPECT_TRUE(waitUntil([&] { return inFrontWithFocus(note); }, kWindowTimeoutMs)) << firstShown;
        EXPECT_EQ(windowsOfClass("TForm1"), 1);
        EXPECT_EQ(windowsOfClass("TApplication"), 1);
        const FILETIME writtenAfter = settingsKeyWritten();
        EXPECT_EQ(CompareFileTime(&written, &writtenAfter), 0) << "the second start wrote the store";
        EXPECT_EQ(readSettingsString("max"), "stored");
        first.kill();
        DestroyWindow(elsewhere);
    }
    RunningProgram afterKill;
    ASSERT_NE(afterKill.waitForNote(), nullptr) << "the killed note still blocks a start";
    closeAndWait(afterKill);
}

// A note restored wholly outside the work area comes back into it, keeping
// its size, and the corrected place is what it saves; one with any part in
// view stays exactly where it was.
TEST_F(Lifecycle, AStoredPlaceOutOfViewComesBackIntoTheWorkArea) {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int right = work.right - 180, bottom = work.bottom - 120;
    struct Case {
        std::string top, left;
        int keptTop, keptLeft;
    };
    const Case cases[] = {
        {"100", std::to_string(work.right + 3000), 100, right},
        {std::to_string(work.bottom + 40), "300", bottom, 300},
        {"-30000", "-30000", static_cast<int>(work.top), static_cast<int>(work.left)},
        {"-2147483648", "300", static_cast<int>(work.top), 300},
        {"100", "2147483647", 100, right},
        {"-20", "-50", -20, -50},
        {std::to_string(work.bottom - 10), std::to_string(work.right - 30), static_cast<int>(work.bottom) - 10,
         static_cast<int>(work.right) - 30},
    };
    for (const Case& c : cases) {
        writeCompleteStore("x", c.top, c.left, "120", "180");
        RunningProgram program;
        HWND note = program.waitForNote();
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(boundsOnScreen(note), (Bounds{c.keptLeft, c.keptTop, 180, 120}));
        EXPECT_EQ(readSettingsString("top"), c.top) << "the store was written at start-up";
        closeAndWait(program);
        EXPECT_EQ(readSettingsString("top"), std::to_string(c.keptTop));
        EXPECT_EQ(readSettingsString("left"), std::to_string(c.keptLeft));
    }
}

// What is stored is whatever bounds the maximised note has at close (under
// a window manager that places it elsewhere too).
TEST_F(Lifecycle, MaximisedShowCommandStoresTheMaximisedBounds) {
    RunningProgram program(SW_SHOWMAXIMIZED);
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(IsZoomed(note));
    const Bounds bounds = boundsOnScreen(note);
    closeAndWait(program);
    EXPECT_EQ(readSettingsString("width"), std::to_string(bounds.width));
    EXPECT_EQ(readSettingsString("height"), std::to_string(bounds.height));
}

TEST_F(Lifecycle, MinimisedWithoutActivationShowsOnlyTheTaskbarButton) {
    RunningProgram program(SW_SHOWMINNOACTIVE);
    HWND application = program.waitForApplicationWindow();
    ASSERT_NE(application, nullptr);
    ASSERT_TRUE(waitUntil([&] { return IsIconic(application) != FALSE; }, kWindowTimeoutMs));
    HWND note = program.waitForNote(500);
    EXPECT_EQ(note, nullptr) << "the note is shown although the application is minimised";
    ShowWindow(application, SW_RESTORE);
    EXPECT_NE(program.waitForNote(), nullptr);
    closeAndWait(program);
}

// Windows' DLLs load others by name on demand; the platform loads the
// themes' DLL (uxtheme.dll) as the first window is made. One of that name
// planted beside a copy of the program is never loaded: the search is
// restricted before any window exists. Windows would run the planted DLL;
// Wine, which prefers its own copy of a DLL it has, loads its own under the
// planted one's path: nothing but the program itself may come from its
// folder.
TEST_F(Lifecycle, ADllPlantedBesideTheProgramIsNeverLoaded) {
    const std::string folder = tempFilePath("planted-beside");
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string program = folder + "\\Tarvissel.exe", planted = folder + "\\uxtheme.dll";
    const std::string loaded = planted + ".loaded";
    ASSERT_TRUE(CopyFileA(programPath().c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(pathBesideTests("planted_dll.dll").c_str(), planted.c_str(), FALSE));
    DeleteFileA(loaded.c_str());
    {
        RunningProgram note(SW_SHOWNORMAL, program);
        EXPECT_NE(note.waitForNote(), nullptr);
        std::vector<std::string> fromFolder;
        for (const std::string& file : moduleFiles(note.processId()))
            if (lstrcmpiA(file.substr(0, file.find_last_of('\\')).c_str(), folder.c_str()) == 0)
                fromFolder.push_back(file.substr(folder.size() + 1));
        EXPECT_EQ(fromFolder, std::vector<std::string>{"Tarvissel.exe"});
        closeAndWait(note);
    }
    EXPECT_EQ(GetFileAttributesA(loaded.c_str()), INVALID_FILE_ATTRIBUTES) << "the planted DLL was loaded";
    for (const std::string& file : {program, planted, loaded}) DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}

}  // namespace
