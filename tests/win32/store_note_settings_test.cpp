// The note's open, restore and save steps against the real settings key of
// the test prefix, with a real (hidden) note window.
#include <gtest/gtest.h>

#include <string>

#include "note/form1.h"
#include "store/note_settings.h"
#include "store/registry.h"
#include "tests/win32/support/call_tables.h"
#include "tests/win32/support/failures.h"
#include "tests/win32/support/raw_registry.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/test_host.h"

namespace {

const char* const kNumberNames[] = {"top", "left", "height", "width"};
const Bounds kFirstRun{10, 10, 100, 100};

class NoteSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { deleteStores(); }
    void TearDown() override { deleteStores(); }
    void storeComplete(const std::string& text, const Bounds& g) {
        writeCompleteStore(text, std::to_string(g.top), std::to_string(g.left), std::to_string(g.height),
                           std::to_string(g.width));
    }
    void openAndRestore() {
        OpenNoteSettings(key);
        RestoreNote(key, note, held);
    }

    FakeCallTables calls_;
    TRegistry key;
    HeldValues held;
    TestHost host;
    TForm1 note{host};

private:
    static void deleteStores() {
        deleteKeyTree(HKEY_CURRENT_USER, "software\\Vessan");
        deleteKeyTree(HKEY_CURRENT_USER, "Vessan");
    }
};

// --- Open. ---

TEST_F(NoteSettingsTest, OpenCreatesTheSettingsKeyAndMakesItCurrent) {
    OpenNoteSettings(key);
    EXPECT_EQ(key.RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(key.CurrentPath(), kSettingsKeyPath);
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kSettingsKeyPath));
    // An existing key is simply opened again.
    TRegistry again;
    OpenNoteSettings(again);
    EXPECT_EQ(again.CurrentPath(), kSettingsKeyPath);
}

TEST_F(NoteSettingsTest, WithoutSoftwareTheKeyIsMadeDirectlyUnderTheRoot) {
    calls_.registry.open.names = {"software"};
    OpenNoteSettings(key);
    EXPECT_EQ(key.CurrentPath(), "Vessan\\Ordeluma\\位置");
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, "Vessan\\Ordeluma\\位置"));
}

// The key is opened whole or not at all: no value ever goes to a key on
// the way, and each write tries to make it again.
TEST_F(NoteSettingsTest, AKeyThatCannotBeCreatedLeavesNoKeyOpenAndEachWriteTriesToMakeIt) {
    calls_.registry.create.names = {"Ordeluma"};
    EXPECT_EQ(failureOf([&] { OpenNoteSettings(key); }), "创建主键 Ordeluma 失败");
    EXPECT_EQ(key.CurrentKey(), nullptr);
    EXPECT_EQ(failureOf([&] { WriteNoteOnClose(key, note, held); }), "创建主键 Ordeluma 失败");
    EXPECT_FALSE(readRawValue(HKEY_CURRENT_USER, "software\\Vessan", "max").found);
    calls_.registry.open.names = {"Vessan"};
    EXPECT_EQ(failureOf([&] { OpenNoteSettings(key); }), "创建主键 Vessan 失败") << "an open that fails, too";
    EXPECT_EQ(key.CurrentKey(), nullptr);
    calls_.registry.create.names.clear();
    calls_.registry.open.names.clear();
    WriteNoteOnClose(key, note, held);
    EXPECT_EQ(key.CurrentPath(), kSettingsKeyPath);
    EXPECT_EQ(readSettingsString("width"), "188");
    EXPECT_EQ(readSettingsString("first"), "1") << "made anew: marked";
}

// --- Restore. ---

TEST_F(NoteSettingsTest, TheFirstRunMarksTheStoreAndOpensSmallInTheCorner) {
    openAndRestore();
    const RawValue first = readSettingsValue("first");
    EXPECT_EQ(first.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(first.data, std::string("1", 2));
    for (const char* name : kNumberNames) EXPECT_FALSE(readSettingsValue(name).found) << name;
    EXPECT_FALSE(readSettingsValue("max").found);
    EXPECT_EQ(geometryOf(note), kFirstRun);
    EXPECT_EQ(note.Text(), "");
}

TEST_F(NoteSettingsTest, AFirstMarkThatIsNotExactlyOneInitialisesAgain) {
    for (const char* mark : {"1 ", "01", " 1", ""}) {
        SCOPED_TRACE(std::string("first = '") + mark + "'");
        storeComplete("kept out", {300, 200, 180, 120});
        writeSettingsString("first", mark);
        TRegistry fresh;
        TForm1 fresh_note(host);
        OpenNoteSettings(fresh);
        RestoreNote(fresh, fresh_note, held);
        EXPECT_EQ(readSettingsValue("first").data, std::string("1", 2));
        EXPECT_EQ(geometryOf(fresh_note), kFirstRun);
        EXPECT_EQ(fresh_note.Text(), "");
    }
}

TEST_F(NoteSettingsTest, ACompleteStoreRestoresTextPositionAndSize) {
    const std::string text = "第一行\r\n\tindented\r\n\r\n末行 乗";
    storeComplete(text, {300, 200, 180, 120});
    openAndRestore();
    EXPECT_EQ(note.Text(), text);
    EXPECT_EQ(geometryOf(note), (Bounds{300, 200, 180, 120}));
}

TEST_F(NoteSettingsTest, StoredNumbersAreReadByTheTextToIntegerRule) {
    storeComplete("", {0, 0, 0, 0});
    writeSettingsString("top", "   -20");
    writeSettingsString("left", "$FFFFFFFF");
    writeSettingsString("height", "0x50");
    writeSettingsString("width", "$64");
    openAndRestore();
    EXPECT_EQ(geometryOf(note), (Bounds{-1, -20, 100, 80}));
}

TEST_F(NoteSettingsTest, ABadNumberStopsTheRestoreAfterTheValuesBeforeIt) {
    storeComplete("text", {300, 200, 180, 120});
    writeSettingsString("left", "-$10");
    EXPECT_EQ(failureOf([&] { openAndRestore(); }), "'-$10' 不是一个有效的整形值");
    EXPECT_EQ(note.Text(), "text");
    EXPECT_EQ(geometryOf(note), (Bounds{kDescribed.left, 200, kDescribed.width,
                                          kDescribed.height}));
}

TEST_F(NoteSettingsTest, AValueOfAnotherTypeStopsTheRestoreThere) {
    storeComplete("text", {300, 200, 180, 120});
    writeRawValue(HKEY_CURRENT_USER, kSettingsKeyPath, "height", REG_DWORD,
                  std::string("\x78\0\0\0", 4));
    EXPECT_EQ(failureOf([&] { openAndRestore(); }), "'height' 的数据类型是无效的");
    EXPECT_EQ(geometryOf(note), (Bounds{300, 200, kDescribed.width, kDescribed.height}));
}

TEST_F(NoteSettingsTest, AMarkedStoreFailsOnTheMissingTopAndKeepsTheDescribedNote) {
    writeSettingsString("first", "1");
    EXPECT_EQ(failureOf([&] { openAndRestore(); }), "'' 不是一个有效的整形值");
    EXPECT_EQ(note.Text(), "");
    EXPECT_EQ(geometryOf(note), kDescribed);
}

// --- Save. ---

TEST_F(NoteSettingsTest, SaveWritesTextAndGeometryAsDecimalText) {
    OpenNoteSettings(key);
    note.SetText("a\r\nb\t位置");
    note.SetLeft(-5);
    note.SetTop(7);
    note.SetHeight(120);
    note.SetWidth(180);
    WriteNoteOnClose(key, note, held);
    const std::pair<const char*, std::string> expected[] = {
        {"max", "a\r\nb\t位置"}, {"top", "7"}, {"left", "-5"}, {"height", "120"}, {"width", "180"}};
    for (const auto& [name, text] : expected) {
        const RawValue value = readSettingsValue(name);
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(value.data, text + '\0') << name;
    }
}

TEST_F(NoteSettingsTest, WhatIsSavedIsRestoredByTheNextRun) {
    OpenNoteSettings(key);
    RestoreNote(key, note, held);  // first run
    note.SetText("line 1\r\nline 2");
    note.SetLeft(400);
    note.SetTop(250);
    WriteNoteOnClose(key, note, held);

    TRegistry nextKey;
    TForm1 next(host);
    OpenNoteSettings(nextKey);
    RestoreNote(nextKey, next, held);
    EXPECT_EQ(next.Text(), "line 1\r\nline 2");
    EXPECT_EQ(geometryOf(next), (Bounds{400, 250, 100, 100}));
}

TEST_F(NoteSettingsTest, SaveStopsAtAFailingWriteKeepingTheValuesBeforeIt) {
    OpenNoteSettings(key);
    note.SetText("saved");
    calls_.registry.write.names = {"left"};
    EXPECT_EQ(failureOf([&] { WriteNoteOnClose(key, note, held); }), "为 'left' 设置数据时失败");
    EXPECT_EQ(readSettingsValue("max").data, std::string("saved", 6));
    EXPECT_EQ(readSettingsValue("top").data, std::string("142", 4));
    EXPECT_FALSE(readSettingsValue("left").found);
    EXPECT_FALSE(readSettingsValue("height").found);
    EXPECT_FALSE(readSettingsValue("width").found);
}

// Removed by another program while the note holds it open: the next write
// makes the key again where the start-up made it, whole and marked, and
// says nothing.
TEST_F(NoteSettingsTest, AKeyRemovedWhileOpenIsMadeAgainAndWrittenWhole) {
    storeComplete("stored", {300, 200, 180, 120});
    openAndRestore();
    note.SetText("typed after");
    deleteKeyTree(HKEY_CURRENT_USER, "software\\Vessan");
    EXPECT_TRUE(WriteChangedValues(key, note, held, SaveScope::Text));
    const std::pair<const char*, std::string> expected[] = {
        {"max", "typed after"}, {"top", "200"}, {"left", "300"}, {"height", "120"}, {"width", "180"}, {"first", "1"}};
    for (const auto& [name, text] : expected) EXPECT_EQ(readSettingsString(name), text) << name;

    deleteKeyTree(HKEY_CURRENT_USER, "software\\Vessan");
    WriteNoteOnClose(key, note, held);
    for (const auto& [name, text] : expected) EXPECT_EQ(readSettingsString(name), text) << "at the close: " << name;
}


}  // namespace
