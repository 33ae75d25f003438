// End to end: the real program starts, shows its note and ends on a close
// request.
#include <gtest/gtest.h>

#include "tests/win32/support/program.h"
#include "tests/win32/support/settings_key.h"

TEST(Smoke, StartsShowsTheNoteAndEndsOnClose) {
    deleteVessanTree();
    RunningProgram program;
    ASSERT_TRUE(program.started());

    HWND note = program.waitForNote();
    ASSERT_NE(note, nullptr) << "no visible TForm1 window";
    HWND application = program.waitForApplicationWindow();
    ASSERT_NE(application, nullptr) << "no TApplication window";
    EXPECT_EQ(GetWindow(note, GW_OWNER), application);

    program.closeNote();
    ASSERT_TRUE(program.waitForExit()) << "the program did not end after WM_CLOSE";
    EXPECT_EQ(program.exitCode(), 0u);
}

TEST(Smoke, ACloseRequestToTheApplicationWindowEndsTheProgram) {
    RunningProgram program;
    ASSERT_NE(program.waitForNote(), nullptr);
    program.postClose(program.waitForApplicationWindow());
    EXPECT_TRUE(program.waitForExit());
}
