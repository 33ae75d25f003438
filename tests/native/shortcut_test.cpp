#include "commands/shortcut.h"

#include <gtest/gtest.h>

namespace {
TEST(ShortCutOfKey, LowByteOfTheKeyPlusModifierBits) {
    EXPECT_EQ(shortCutOfKey('S', false, true, false), 16467);
    EXPECT_EQ(shortCutOfKey('S', true, true, false), 0x6053);
    EXPECT_EQ(shortCutOfKey('S', false, false, true), 0x8053);
    EXPECT_EQ(shortCutOfKey(0x153, false, true, false), 16467);
}

TEST(ShortCutOfKey, KeyWithLowByteZeroIsNeverAShortcut) {
    EXPECT_EQ(shortCutOfKey(0x100, true, true, true), 0);
    EXPECT_EQ(shortCutOfKey(0, false, true, false), 0);
}

TEST(ShortCutText, ModifiersInFixedOrderThenTheKeyName) {
    EXPECT_EQ(shortCutText(16467), "Ctrl+S");
    EXPECT_EQ(shortCutText(kAltBit | kCtrlBit | kShiftBit | 'A'), "Shift+Ctrl+Alt+A");
    EXPECT_EQ(shortCutText(kShiftBit | '5'), "Shift+5");
    EXPECT_EQ(shortCutText(0x70), "F1");
    EXPECT_EQ(shortCutText(kCtrlBit | 0x7B), "Ctrl+F12");
}

TEST(FindShortCut, FirstMatchInMenuOrder) {
    const std::vector<ShortCut> codes = {16467, 0, 16449, 16449};
    EXPECT_EQ(findShortCut(codes, 16467), 0);
    EXPECT_EQ(findShortCut(codes, 16449), 2);
    EXPECT_EQ(findShortCut(codes, 16467 | kShiftBit), -1);
}

TEST(FindShortCut, NoKeyMatchesItemsWithoutShortcut) {
    EXPECT_EQ(findShortCut({16467, 0}, shortCutOfKey(0x100, false, false, false)), -1);
}
}  // namespace
