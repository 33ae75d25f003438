// The real program driven from outside with real pointer and key input:
// moving and resizing by the margin and the grip, where the context menu
// opens, and Ctrl+Q ending the program with its text saved.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/win32/support/note_input.h"
#include "tests/win32/support/note_process.h"

namespace {

void noPump() {}
bool within(DWORD timeoutMs, const std::function<bool()>& condition) {
    return waitFor(condition, timeoutMs, noPump);
}

int widthOf(const RECT& r) { return r.right - r.left; }
int heightOf(const RECT& r) { return r.bottom - r.top; }

class NoteE2E : public ::testing::Test {
protected:
    void SetUp() override {
        prepareSettings("first line", 100, 100, 200, 120);
        program_ = std::make_unique<NoteProcess>();
        ASSERT_NE(nullptr, program_->Note());
        SetForegroundWindow(program_->Note());
        start_ = program_->NoteRect();
        ASSERT_EQ(100, start_.left);
        ASSERT_EQ(200, widthOf(start_));
    }
    void TearDown() override { program_.reset(); }
    // A point of the note at (x, y) from its top-left corner.
    POINT at(int x, int y) const { return {start_.left + x, start_.top + y}; }
    bool rectBecomes(const std::function<bool(const RECT&)>& wanted) {
        return within(3000, [&] { return wanted(program_->NoteRect()); });
    }

    std::unique_ptr<NoteProcess> program_;
    RECT start_{};
};

TEST_F(NoteE2E, DraggingTheMarginOrAStripMovesWithoutResizing) {
    dragLeft(at(5, 60), at(45, 90));
    EXPECT_TRUE(rectBecomes([&](const RECT& r) { return r.left == 140 && r.top == 130; }));
    RECT moved = program_->NoteRect();
    EXPECT_EQ(200, widthOf(moved));
    EXPECT_EQ(120, heightOf(moved));

    dragLeft({moved.left + 100, moved.top}, {moved.left + 80, moved.top + 10});  // the top strip
    EXPECT_TRUE(rectBecomes([&](const RECT& r) { return r.left == 120 && r.top == 140; }));
    EXPECT_EQ(200, widthOf(program_->NoteRect()));
}

TEST_F(NoteE2E, DraggingTheGripResizesKeepingTheTopLeftCorner) {
    dragLeft(at(199, 119), at(239, 149));  // the very bottom-right pixel
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 240 && heightOf(r) == 150; }));
    EXPECT_EQ(100, program_->NoteRect().left);
    EXPECT_EQ(100, program_->NoteRect().top);

    dragLeft({100 + 240 - 12, 100 + 150 - 12}, {100 + 240 - 12 - 40, 100 + 150 - 12 - 50});
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 200 && heightOf(r) == 100; }));
}

TEST_F(NoteE2E, TheGripPicturesCornerMovesInsteadOfResizing) {
    dragLeft(at(200 - 13, 120 - 13), at(200 - 13 + 20, 120 - 13 + 20));
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return r.left == 120 && r.top == 120; }));
    EXPECT_EQ(200, widthOf(program_->NoteRect()));
}

TEST_F(NoteE2E, ResizingBelowSixteenEndsAtSixteen) {
    dragLeft(at(195, 115), at(2, 2));
    EXPECT_TRUE(rectBecomes([](const RECT& r) { return widthOf(r) == 16 && heightOf(r) == 16; }))
        << widthOf(program_->NoteRect()) << " x " << heightOf(program_->NoteRect());
    EXPECT_EQ(100, program_->NoteRect().left);
    EXPECT_EQ(100, program_->NoteRect().top);
}

TEST_F(NoteE2E, TheMenuOpensOverTheTextAreaOnly) {
    rightClickAt(at(5, 60));  // margin
    rightClickAt(at(190, 110));  // grip
    Sleep(500);
    EXPECT_EQ(nullptr, program_->ShownMenu());

    rightClickAt(at(100, 60));
    ASSERT_TRUE(within(3000, [&] { return program_->ShownMenu() != nullptr; }));
    RECT menu{};
    GetWindowRect(program_->ShownMenu(), &menu);
    EXPECT_EQ(200, menu.left);  // left-aligned at the pointer
    EXPECT_EQ(160, menu.top);
    sendKeys({VK_ESCAPE, -VK_ESCAPE});
    EXPECT_TRUE(within(3000, [&] { return program_->ShownMenu() == nullptr; }));
}

TEST_F(NoteE2E, AMenuRequestFromTheKeyboardOpensAtTheTextAreasCorner) {
    sendKeys({VK_SHIFT, VK_F10, -VK_F10, -VK_SHIFT});
    ASSERT_TRUE(within(3000, [&] { return program_->ShownMenu() != nullptr; }));
    RECT menu{}, text{};
    GetWindowRect(program_->ShownMenu(), &menu);
    GetWindowRect(program_->TextArea(), &text);
    EXPECT_EQ(text.left, menu.left);
    EXPECT_EQ(text.top, menu.top);
    sendKeys({VK_ESCAPE, -VK_ESCAPE});
    EXPECT_TRUE(within(3000, [&] { return program_->ShownMenu() == nullptr; }));
}

TEST_F(NoteE2E, CtrlQEndsTheProgramSavingTheTextTypedBefore) {
    sendKeys({VK_CONTROL, VK_END, -VK_END, -VK_CONTROL, 'X', -'X'});
    ASSERT_TRUE(within(3000, [&] { return program_->Text() == "first linex"; }));
    sendKeys({VK_CONTROL, 'Q', -'Q', -VK_CONTROL});
    ASSERT_TRUE(program_->WaitForExit(5000));
    EXPECT_EQ("first linex", settingsValue("max"));
    EXPECT_EQ("100", settingsValue("left"));
    EXPECT_EQ("200", settingsValue("width"));
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
