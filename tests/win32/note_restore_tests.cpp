// The note's start-up restore through FormCreate, with a real (hidden) note
// window: the text area ends holding the stored text at the stored size,
// and a failing value leaves the values before it in effect.
#include <gtest/gtest.h>

#include <string>

#include "note/form1.h"
#include "note/layout_rule.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/test_host.h"
#include "tests/win32/support/windows_of_process.h"

namespace {

// Lines of mixed single- and double-byte text, long enough to wrap.
std::string longText() {
    std::string text;
    for (int line = 0; line < 200; ++line) text += "第" + std::to_string(line) + "行 some words 和一些字 to wrap\r\n";
    return text;
}

class NoteRestoreTest : public ::testing::Test {
protected:
    void SetUp() override { deleteVessanTree(); }
    void TearDown() override { deleteVessanTree(); }
    void storeComplete(const std::string& text, const char* width) {
        writeCompleteStore(text, "200", "300", "160", width);
    }
    void expectTextAreaFits() {
        EXPECT_EQ(boundsInParent(note.Memo1.Handle()), textAreaBounds(note.Width(), note.Height()));
    }

    TestHost host;
    TForm1 note{host};
};

TEST_F(NoteRestoreTest, TheTextAreaHoldsTheStoredTextAtTheStoredSize) {
    const std::string text = longText();
    storeComplete(text, "240");
    note.FormCreate();
    EXPECT_EQ(windowText(note.Memo1.Handle()), text);
    EXPECT_EQ(note.Text(), text);
    EXPECT_EQ(note.Width(), 240);
    EXPECT_EQ(note.Height(), 160);
    expectTextAreaFits();
    // The first line is at the top, with the caret before it.
    EXPECT_EQ(SendMessageA(note.Memo1.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    DWORD start = 1, end = 1;
    SendMessageA(note.Memo1.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}

TEST_F(NoteRestoreTest, AFailingValueLeavesTheTextAndTheSizesBeforeItInTheTextArea) {
    const std::string text = longText();
    storeComplete(text, "wide");
    EXPECT_ANY_THROW(note.FormCreate());  // reported by the caller's guard
    EXPECT_EQ(windowText(note.Memo1.Handle()), text);
    EXPECT_EQ(note.Height(), 160);
    EXPECT_EQ(note.Width(), 188);
    expectTextAreaFits();
}

TEST_F(NoteRestoreTest, LaterChangesReachTheTextAreaAtOnce) {
    storeComplete("before", "240");
    note.FormCreate();
    note.SetText("after");
    EXPECT_EQ(windowText(note.Memo1.Handle()), "after");
    note.SetWidth(300);
    expectTextAreaFits();
}

}  // namespace
