// What the user has must survive every way the program can end: a close or
// a session end while the error box or the save dialog is open or a drag
// goes on, a second start while the note runs, a long note, a first run and
// a removed key ended the hard way, a key that cannot be made again, and
// text the note could not read.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tests/win32/support/files.h"
#include "tests/win32/support/input.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/program.h"
#include "tests/win32/support/raw_registry.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/wait.h"
#include "tests/win32/support/windows_of_process.h"

namespace {


// A store whose text restores but whose "top" is no number: the start-up
// shows the error box with the text already in the note.
void storeWithBadTop(const std::string& text) {
    writeCompleteStore(text, "bad", "300", "120", "180");
}

// Windows closing the note as an installer's Restart Manager does: the
// question to every top-level window, then the notice.
void closeByWindows(RunningProgram& program) {
    const HWND windows[] = {program.waitForNote(0), program.waitForApplicationWindow()};
    DWORD_PTR answer = 0;
    for (HWND window : windows) {
        if (!window) continue;
        ASSERT_TRUE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 5000,
                                        &answer));
        EXPECT_TRUE(answer);
    }
    for (HWND window : windows)
        if (window) SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP, SMTO_ABORTIFHUNG, 5000, &answer);
}

// Types the letter's key at the end of the note's text and waits for it.
void typeAtTheEnd(HWND note, char letter) {
    SetForegroundWindow(note);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == note; }, 2000));
    const std::string expected = noteText(note) + static_cast<char>(letter - 'A' + 'a');
    sendKeys({VK_CONTROL, VK_END, -VK_END, -VK_CONTROL});
    pressKey(letter);
    ASSERT_TRUE(waitUntil([&] { return noteText(note) == expected; }, 3000)) << noteText(note);
}

// Waits past the half second within which a change is stored, or the two
// seconds after which a failed write is tried again.
void waitForTheSave() { Sleep(3000); }

const char* const kNoteValues[] = {"max", "top", "left", "height", "width", "first"};

// Each of the note's values as `values` gives them, in kNoteValues' order.
void expectStore(const std::vector<std::string>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(readSettingsString(kNoteValues[i]), values[i]) << kNoteValues[i];
}

class NothingLost : public ::testing::Test {
protected:
    void SetUp() override { deleteVessanTree(); }
    void TearDown() override { deleteVessanTree(); }
};

TEST_F(NothingLost, ACloseFromTheTaskbarWhileTheErrorBoxIsOpenEndsAndSaves) {
    storeWithBadTop("restored before the box");
    RunningProgram program;
    HWND box = waitForMessageBox(program.processId(), kWindowTimeoutMs);
    ASSERT_NE(box, nullptr);
    program.postClose(program.waitForApplicationWindow());
    // The box goes with the close request; should it stay, OK lets it go on.
    if (!waitUntil([&] { return !program.running(); }, kExitTimeoutMs) && IsWindow(box)) pressOk(box);
    ASSERT_TRUE(program.waitForExit()) << "the program did not end";
    EXPECT_EQ(program.exitCode(), 0u);
    EXPECT_EQ(readSettingsString("max"), "restored before the box");
    // The note never had its stored top: it saved the one it had.
    EXPECT_EQ(readSettingsString("top"), "142");
    EXPECT_EQ(readSettingsString("left"), "263");
}

// The session's end leaves no time for the user: the box closes unanswered,
// the note saves and the process ends by itself.
TEST_F(NothingLost, ASessionEndWhileTheErrorBoxIsOpenSavesAndEnds) {
    storeWithBadTop("restored before the box");
    RunningProgram program;
    HWND box = waitForMessageBox(program.processId(), kWindowTimeoutMs);
    ASSERT_NE(box, nullptr);
    HWND application = program.waitForApplicationWindow();
    DWORD_PTR answer = 0;
    ASSERT_TRUE(SendMessageTimeoutA(application, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer));
    EXPECT_TRUE(answer);
    ASSERT_TRUE(SendMessageTimeoutA(application, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &answer));
    // The platform may end the process right after the notification.
    EXPECT_EQ(readSettingsString("max"), "restored before the box");
    EXPECT_EQ(readSettingsString("width"), "188");
    EXPECT_TRUE(program.waitForExit(5000)) << "the program waits on its box";
}

TEST_F(NothingLost, ACloseFromTheTaskbarWhileTheSaveDialogIsOpenEndsAndSaves) {
    storeWithBadTop("typed");
    writeSettingsString("top", "100");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    SetForegroundWindow(note);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == note; }, 2000));
    pressKey(VK_END);
    pressKey('X');
    ASSERT_TRUE(waitUntil([&] { return windowText(noteTextArea(note)) == "typedx"; }, 3000));
    pressCtrlLetter('S');
    HWND dialog = waitForVisibleWindow(program.processId(), "#32770", kDialogTimeoutMs);
    ASSERT_NE(dialog, nullptr) << "no save dialog";

    program.postClose(program.waitForApplicationWindow());
    // The dialog goes with the close request; should it stay, Cancel lets it go on.
    if (!waitUntil([&] { return !program.running(); }, kExitTimeoutMs) && IsWindow(dialog))
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(program.waitForExit()) << "the program did not end";
    EXPECT_EQ(program.exitCode(), 0u);
    EXPECT_EQ(readSettingsString("max"), "typedx");
}

TEST_F(NothingLost, AnInstallersCloseWhileTheSaveDialogIsOpenSavesAndEnds) {
    storeWithBadTop("typed");
    writeSettingsString("top", "100");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    typeAtTheEnd(note, 'X');
    pressCtrlLetter('S');
    ASSERT_NE(waitForVisibleWindow(program.processId(), "#32770", kDialogTimeoutMs), nullptr) << "no save dialog";
    closeByWindows(program);
    EXPECT_TRUE(program.waitForExit(5000)) << "the program waits on its dialog";
    EXPECT_EQ(readSettingsString("max"), "typedx");
}

// A second start, as from the Start menu while the note started at log-in
// runs, leaves the running note to save what was typed into it.
TEST_F(NothingLost, ASecondStartLeavesWhatWasTypedToTheRunningNote) {
    storeWithBadTop("");
    writeSettingsString("top", "10");
    RunningProgram first;
    HWND note = first.waitForNote();
    ASSERT_NE(note, nullptr);
    setNoteText(note, "typed into the first");
    RunningProgram second;
    ASSERT_TRUE(second.waitForExit());
    first.closeNote();
    ASSERT_TRUE(first.waitForExit());
    EXPECT_EQ(readSettingsString("max"), "typed into the first");
}

TEST_F(NothingLost, AMebibyteNoteTypedIntoAndEndedTheHardWayKeepsEveryByte) {
    std::string text;
    for (int line = 0; text.size() < (1u << 20); ++line)
        text += "第" + std::to_string(line) + "行\tline of the long note, ending in CR LF\r\n";
    writeCompleteStore(text, "10", "10", "300", "400");
    RunningProgram program;
    HWND note = program.waitForNote(30000);
    ASSERT_NE(note, nullptr);
    SetForegroundWindow(note);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == note; }, 2000));
    sendKeys({VK_CONTROL, VK_END, -VK_END, -VK_CONTROL});
    pressKey('K');
    const std::string typed = text + "k";
    const bool saved = waitUntil([&] { return readSettingsString("max") == typed; }, 20000);
    program.kill();
    EXPECT_TRUE(saved) << "not saved while running";
    const std::string kept = readSettingsString("max").value_or("");
    EXPECT_EQ(kept.size(), typed.size());
    EXPECT_TRUE(kept == typed) << "the bytes differ";
}

// Steady typing, a key every 0.15 s, ended the hard way: the store holds
// at least what the note showed a second before.
TEST_F(NothingLost, SteadyTypingEndedTheHardWayKeepsWhatWasShownASecondBefore) {
    writeCompleteStore("", "100", "100", "120", "200");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    typeAtTheEnd(note, 'A');
    // Ended 5.6 s after the first key: two-second saves would have stored
    // last 1.5 s before, at any phase of the typing.
    std::vector<std::pair<DWORD, std::string>> shown;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 5600;) {
        pressKey(static_cast<WORD>('B' + shown.size() % 25));
        Sleep(150);
        shown.emplace_back(GetTickCount(), noteText(note));
    }
    const DWORD killedAt = GetTickCount();
    program.kill();
    std::string aSecondBefore = "a";
    for (const auto& [at, text] : shown)
        if (killedAt - at >= 1000) aSecondBefore = text;
    const std::string stored = readSettingsString("max").value_or("");
    EXPECT_EQ(stored.substr(0, aSecondBefore.size()), aSecondBefore) << "stored: " << stored;
}

// A first run ended the hard way leaves a store that opens without a box;
// a key removed by another program while the note runs is made again,
// silently and whole.
TEST_F(NothingLost, AFirstRunAndARemovedKeyEndedTheHardWayKeepEverything) {
    auto program = std::make_unique<RunningProgram>();
    HWND note = program->waitForNote();
    ASSERT_NE(note, nullptr);
    typeAtTheEnd(note, 'F');
    waitForTheSave();
    program->kill();

    program = std::make_unique<RunningProgram>();
    note = program->waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(waitForMessageBox(program->processId(), 1000), nullptr) << "the next start shows a box";
    EXPECT_EQ(noteText(note), "f");

    deleteVessanTree();
    typeAtTheEnd(note, 'G');
    waitForTheSave();
    EXPECT_EQ(waitForMessageBox(program->processId(), 0), nullptr) << "the removed key was reported";
    program->kill();
    expectStore({"fg", "10", "10", "100", "100", "1"});
}

// Made again under a parent where no lasting key can be made, the key is
// lost, not replaced by the parent: the failure is told once, and the note
// writes nowhere until its own key can be made again.
TEST_F(NothingLost, AKeyThatCannotBeMadeAgainTakesNothingUntilItCanBe) {
    writeCompleteStore("kept", "100", "100", "120", "200");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    deleteVessanTree();
    createVolatileKey(HKEY_CURRENT_USER, "software\\Vessan");
    typeAtTheEnd(note, 'A');
    HWND box = waitForMessageBox(program.processId(), 5000);
    ASSERT_NE(box, nullptr) << "the lost key was not told";
    EXPECT_EQ(readMessageBox(box).text, "创建主键 Ordeluma 失败.");
    pressOk(box);
    // Keys reach the note only once the box has given it back its input; a
    // key sent the moment the focus is back was lost now and then under Wine.
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box) && IsWindowEnabled(note); }, 5000));
    Sleep(500);
    typeAtTheEnd(note, 'B');
    waitForTheSave();
    EXPECT_EQ(waitForMessageBox(program.processId(), 0), nullptr) << "told at every try";
    for (const char* parent : {"software", "software\\Vessan"})
        for (const char* name : kNoteValues)
            EXPECT_FALSE(readRawValue(HKEY_CURRENT_USER, parent, name).found) << parent << " holds " << name;

    deleteVessanTree();
    typeAtTheEnd(note, 'C');
    EXPECT_TRUE(waitUntil([] { return readSettingsString("max") == "keptabc"; }, 5000));
    program.kill();
    expectStore({"keptabc", "100", "100", "120", "200", "1"});
}

// Signing out while the margin is dragged: the drag is undone as Esc undoes
// it, that place is stored, and the process ends with the button still
// down, the platform's move loop ended.
TEST_F(NothingLost, ASessionEndDuringADragStoresThePlaceTheNoteStaysAtAndEnds) {
    writeCompleteStore("dragged", "100", "100", "120", "200");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    ASSERT_TRUE(moveMouseTo(104, 130));  // the left margin
    mouseDown();
    for (int step = 1; step <= 4; ++step) moveMouseTo(104 + 15 * step, 130 + 10 * step);
    const bool dragged = waitUntil([&] { return windowRect(note).left != 100; }, 3000);
    closeByWindows(program);
    const bool ended = program.waitForExit(5000);
    mouseUp();
    ASSERT_TRUE(dragged) << "the drag did not move the note";
    EXPECT_TRUE(ended) << "the move loop still waits for the button";
    expectStore({"dragged", "100", "100"});
}

// A store not marked as started opens an empty note; its text is the day's
// copy before the first save replaces it. An earlier run killed while it
// wrote a copy left only the copy's partial file, never a dated one. A copy
// dated after today (the clock set back since) neither goes nor keeps the
// oldest real one from going alone.
TEST_F(NothingLost, TextTheNoteDidNotReadIsTheDaysCopyBeforeItIsReplaced) {
    removeDailyCopies();
    CreateDirectoryA(dailyCopiesFolder().substr(0, dailyCopiesFolder().size() - sizeof "Tarvissel\\" + 1).c_str(),
                     nullptr);
    CreateDirectoryA(dailyCopiesFolder().c_str(), nullptr);
    writeFileBytes(dailyCopiesFolder() + "copy.partial", "half a co");
    for (char day = '1'; day <= '7'; ++day) writeFileBytes(dailyCopiesFolder() + "2000-01-0" + day + ".txt", "old");
    writeFileBytes(dailyCopiesFolder() + "2999-12-31.txt", "dated ahead");
    writeCompleteStore("never shown", "100", "100", "120", "200");
    writeSettingsString("first", "0");
    RunningProgram program;
    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(noteText(note), "");
    typeAtTheEnd(note, 'N');
    waitForTheSave();
    program.kill();
    EXPECT_EQ(readSettingsString("max"), "n");
    EXPECT_EQ(fileBytes(dailyCopiesFolder() + todaysCopyName()), "never shown");
    EXPECT_EQ(fileBytes(dailyCopiesFolder() + "copy.partial"), "(no file)");
    EXPECT_EQ(fileBytes(dailyCopiesFolder() + "2000-01-01.txt"), "(no file)");
    EXPECT_EQ(fileBytes(dailyCopiesFolder() + "2000-01-02.txt"), "old");
    EXPECT_EQ(fileBytes(dailyCopiesFolder() + "2999-12-31.txt"), "dated ahead");
    removeDailyCopies();
}

}  // namespace
