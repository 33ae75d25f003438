#include "note/view_rule.h"

#include <gtest/gtest.h>

namespace {
// A 200 x 120 note at (200, 150) with its text area at (212, 160).
const Bounds kWindow{200, 150, 200, 120};
const Bounds kTextArea{212, 160, 175, 98};

TEST(KeyboardMenuPoint, JustBelowTheCaretLineAtTheCaret) {
    const Point at = keyboardMenuPoint(Bounds{240, 194, 1, 17}, kTextArea, kWindow);
    EXPECT_EQ(at.x, 240);
    EXPECT_EQ(at.y, 211);
}

TEST(KeyboardMenuPoint, KeptInsideTheNoteWindow) {
    // The last line, partly below the window; a caret beyond its right edge.
    Point at = keyboardMenuPoint(Bounds{250, 262, 1, 17}, kTextArea, kWindow);
    EXPECT_EQ(at.y, 269);
    at = keyboardMenuPoint(Bounds{420, 100, 1, 17}, kTextArea, kWindow);
    EXPECT_EQ(at.x, 399);
    EXPECT_EQ(at.y, 150);
}

TEST(KeyboardMenuPoint, WithoutACaretAtTheTextAreaCorner) {
    const Point at = keyboardMenuPoint(std::nullopt, kTextArea, kWindow);
    EXPECT_EQ(at.x, 212);
    EXPECT_EQ(at.y, 160);
}
}  // namespace
