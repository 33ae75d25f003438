// The note's answers to the platform's hit-test query, asked at screen
// points the way the platform asks, including left of the primary monitor.
#include <gtest/gtest.h>

#include "note/form1.h"
#include "tests/win32/support/in_process_note.h"

namespace {

class HitTest : public ::testing::Test {
protected:
    void SetUp() override {
        note().Show(SW_SHOWNORMAL);
        pump();
    }
    void TearDown() override {
        note().SetLeft(200);
        note().SetTop(150);
        pump();
    }
    // The answer for the client point (x, y), asked with the screen point
    // packed as two 16-bit values.
    static LRESULT answerAt(int x, int y) {
        POINT screen = onScreen(note().Handle(), x, y);
        LPARAM packed = MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y));
        return SendMessageA(note().Handle(), WM_NCHITTEST, 0, packed);
    }
    // The window the pointer at (x, y) is over.
    static HWND windowAt(int x, int y) { return WindowFromPoint(onScreen(note().Handle(), x, y)); }
};

TEST_F(HitTest, TheGripSquareResizesAndTheRestOfTheNoteMoves) {
    const int w = note().Width(), h = note().Height();
    EXPECT_EQ(HTBOTTOMRIGHT, answerAt(w - 1, h - 1));
    EXPECT_EQ(HTBOTTOMRIGHT, answerAt(w - 12, h - 12));
    EXPECT_EQ(HTBOTTOMRIGHT, answerAt(w - 12, h - 1));
    EXPECT_EQ(HTCAPTION, answerAt(w - 13, h - 13));  // the picture's top-left pixel
    EXPECT_EQ(HTCAPTION, answerAt(w - 13, h - 1));
    EXPECT_EQ(HTCAPTION, answerAt(w - 1, h - 13));
    EXPECT_EQ(HTCAPTION, answerAt(6, h / 2));    // left margin
    EXPECT_EQ(HTCAPTION, answerAt(w / 2, 5));    // top margin
    EXPECT_EQ(HTCAPTION, answerAt(w - 7, h / 2));  // right margin
    EXPECT_EQ(HTCAPTION, answerAt(w / 2, h - 6));  // bottom margin
}

TEST_F(HitTest, StripsAndGripPictureAreTheNotesOwnSurface) {
    const int w = note().Width(), h = note().Height();
    const POINT onStrips[] = {{w / 2, 0}, {w / 2, h - 1}, {0, h / 2}, {w - 1, h / 2}, {0, 0}};
    for (POINT p : onStrips) {
        EXPECT_EQ(note().Handle(), windowAt(p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(HTCAPTION, answerAt(p.x, p.y)) << p.x << "," << p.y;
    }
    EXPECT_EQ(note().Handle(), windowAt(w - 8, h - 8));
    EXPECT_EQ(note().Memo1.Handle(), windowAt(w / 2, h / 2));
}

TEST_F(HitTest, NegativeScreenCoordinatesAreSignExtended) {
    const int w = note().Width(), h = note().Height();
    // Both negative; then each alone, with the grip's last column or row
    // at -1 (0xFFFF) beside a positive coordinate in the other half.
    for (POINT place : {POINT{-250, -200}, POINT{-w, 150}, POINT{150, -h}}) {
        SCOPED_TRACE(testing::Message() << "note at " << place.x << "," << place.y);
        note().SetLeft(place.x);
        note().SetTop(place.y);
        pump();
        const POINT corner = onScreen(note().Handle(), w - 1, h - 1);
        ASSERT_EQ(place.x < 0, corner.x < 0);
        ASSERT_EQ(place.y < 0, corner.y < 0);
        EXPECT_EQ(HTBOTTOMRIGHT, answerAt(w - 1, h - 1));
        EXPECT_EQ(HTBOTTOMRIGHT, answerAt(w - 12, h - 12));
        EXPECT_EQ(HTCAPTION, answerAt(w - 13, h - 13));
        EXPECT_EQ(HTCAPTION, answerAt(3, 3));
    }
}

}  // namespace
