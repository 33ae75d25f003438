// TRegistry against the real registry of the test prefix, in a private
// subtree of HKEY_CURRENT_USER, with failures injected through the call table.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "store/registry.h"
#include "tests/win32/support/call_tables.h"
#include "tests/win32/support/failures.h"
#include "tests/win32/support/raw_registry.h"

namespace {

const std::string kTree = "Software\\TarvisselStoreTest";

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { deleteKeyTree(HKEY_CURRENT_USER, kTree); }
    void TearDown() override { deleteKeyTree(HKEY_CURRENT_USER, kTree); }
    // Opens (creating) the subtree's key at the relative path.
    void openInTree(TRegistry& key, const std::string& path = "") {
        ASSERT_TRUE(key.OpenKey("\\" + kTree + (path.empty() ? "" : "\\" + path), true));
    }

    FakeCallTables calls_;
};

// --- Opening and creating keys. ---

TEST_F(RegistryTest, OpenKeyJoinsRelativePathsAndRestartsAtALeadingBackslash) {
    TRegistry key;
    ASSERT_TRUE(key.OpenKey("\\" + kTree + "\\a", true));
    EXPECT_EQ(key.CurrentPath(), kTree + "\\a");
    ASSERT_TRUE(key.OpenKey("b\\c", true));
    EXPECT_EQ(key.CurrentPath(), kTree + "\\a\\b\\c");
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kTree + "\\a\\b\\c"));

    ASSERT_TRUE(key.OpenKey("\\" + kTree, false));
    EXPECT_EQ(key.CurrentPath(), kTree);
    ASSERT_TRUE(key.OpenKey("a", false));
    EXPECT_EQ(key.CurrentPath(), kTree + "\\a");
}

TEST_F(RegistryTest, ARelativePathWithNoKeyOpenIsTakenFromTheRoot) {
    writeRawValue(HKEY_CURRENT_USER, kTree, "v", REG_SZ, std::string("root", 5));
    TRegistry key;
    ASSERT_TRUE(key.OpenKey(kTree, false));
    EXPECT_EQ(key.CurrentPath(), kTree);
    EXPECT_EQ(key.ReadString("v"), "root");
}

TEST_F(RegistryTest, OpenKeyWithoutCreatingAMissingKeyAnswersNoAndChangesNothing) {
    TRegistry key;
    openInTree(key, "a");
    const HKEY before = key.CurrentKey();
    EXPECT_FALSE(key.OpenKey("missing", false));
    EXPECT_FALSE(key.OpenKey("\\" + kTree + "\\missing", false));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kTree + "\\a\\missing"));
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kTree + "\\missing"));
    EXPECT_EQ(key.CurrentKey(), before);
    EXPECT_EQ(key.CurrentPath(), kTree + "\\a");
    // The old key is still open and usable.
    key.WriteString("still", "open");
    EXPECT_EQ(readRawValue(HKEY_CURRENT_USER, kTree + "\\a", "still").data,
              std::string("open", 5));
}

TEST_F(RegistryTest, OpeningANewKeyClosesTheOldOneWithAllAccessAndNonVolatileKeys) {
    RegistryCalls& calls = calls_.registry;
    {
        TRegistry key;
        openInTree(key, "a");
        const HKEY first = key.CurrentKey();
        ASSERT_TRUE(key.OpenKey("b", true));
        EXPECT_EQ(calls.closed, std::vector<HKEY>{first});
        const HKEY second = key.CurrentKey();
        ASSERT_TRUE(key.OpenKey("\\" + kTree, false));
        EXPECT_EQ(calls.closed, (std::vector<HKEY>{first, second}));
        key.CreateKey("c");
    }
    // Every handle obtained was closed (handle values get reused, so
    // compare them as sorted lists), the current one by the destructor.
    std::sort(calls.opened.begin(), calls.opened.end());
    std::sort(calls.closed.begin(), calls.closed.end());
    EXPECT_EQ(calls.closed, calls.opened);
    for (REGSAM access : calls.access) EXPECT_EQ(access, static_cast<REGSAM>(KEY_ALL_ACCESS));
    for (DWORD options : calls.createOptions)
        EXPECT_EQ(options, static_cast<DWORD>(REG_OPTION_NON_VOLATILE));
}

TEST_F(RegistryTest, CreateKeyLeavesTheCurrentKeyAsItIs) {
    TRegistry key;
    openInTree(key, "a");
    const HKEY before = key.CurrentKey();
    key.CreateKey("b\\c");
    key.CreateKey("\\" + kTree + "\\d");
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kTree + "\\a\\b\\c"));
    EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kTree + "\\d"));
    EXPECT_EQ(key.CurrentKey(), before);
    EXPECT_EQ(key.CurrentPath(), kTree + "\\a");
}

TEST_F(RegistryTest, ACreateThatFailsIsRaisedWithThePathAsPassed) {
    TRegistry key;
    openInTree(key, "a");
    calls_.registry.create.all = true;
    EXPECT_EQ(failureOf([&] { key.CreateKey("\\x\\%s%d"); }),
              "创建主键 \\x\\%s%d 失败");
    EXPECT_EQ(failureOf([&] { key.CreateKey("位置"); }), "创建主键 位置 失败");
    EXPECT_EQ(key.CurrentPath(), kTree + "\\a");
    // Opening with creation refused answers no instead.
    EXPECT_FALSE(key.OpenKey("new", true));
    EXPECT_EQ(key.CurrentPath(), kTree + "\\a");
}

// --- Reading strings. ---

TEST_F(RegistryTest, AMissingOrEmptyValueReadsAsEmptyText) {
    TRegistry key;
    EXPECT_EQ(key.ReadString("first"), "");  // no key open
    openInTree(key);
    EXPECT_EQ(key.ReadString("first"), "");  // no such value
    writeRawValue(HKEY_CURRENT_USER, kTree, "empty", REG_SZ, "");
    writeRawValue(HKEY_CURRENT_USER, kTree, "nothing", REG_BINARY, "");
    EXPECT_EQ(key.ReadString("empty"), "");
    EXPECT_EQ(key.ReadString("nothing"), "");
}

TEST_F(RegistryTest, AnExpandableStringIsReturnedUnexpanded) {
    writeRawValue(HKEY_CURRENT_USER, kTree, "path", REG_EXPAND_SZ,
                  std::string("%SystemRoot%\\x", 15));
    TRegistry key;
    openInTree(key);
    EXPECT_EQ(key.ReadString("path"), "%SystemRoot%\\x");
}

TEST_F(RegistryTest, AValueOfAnotherTypeIsRaisedWithItsNameVerbatim) {
    writeRawValue(HKEY_CURRENT_USER, kTree, "top", REG_DWORD, std::string("\x0A\0\0\0", 4));
    writeRawValue(HKEY_CURRENT_USER, kTree, "n%s%d", REG_BINARY, "12");
    writeRawValue(HKEY_CURRENT_USER, kTree, "list", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
    TRegistry key;
    openInTree(key);
    EXPECT_EQ(failureOf([&] { key.ReadString("top"); }),
              "'top' 的数据类型是无效的");
    EXPECT_EQ(failureOf([&] { key.ReadString("n%s%d"); }),
              "'n%s%d' 的数据类型是无效的");
    EXPECT_EQ(failureOf([&] { key.ReadString("list"); }),
              "'list' 的数据类型是无效的");
}

TEST_F(RegistryTest, TheTextEndsAtTheFirstZeroOrAtTheEndOfTheData) {
    writeRawValue(HKEY_CURRENT_USER, kTree, "unterminated", REG_SZ, "abc");
    writeRawValue(HKEY_CURRENT_USER, kTree, "embedded", REG_SZ, std::string("ab\0cd\0", 6));
    writeRawValue(HKEY_CURRENT_USER, kTree, "leading", REG_SZ, std::string("\0x", 2));
    TRegistry key;
    openInTree(key);
    EXPECT_EQ(key.ReadString("unterminated"), "abc");
    EXPECT_EQ(key.ReadString("embedded"), "ab");
    EXPECT_EQ(key.ReadString("leading"), "");
}

// The size query and the read as the registry might answer them: the read
// may return fewer bytes than the query announced (or fail), with the rest
// of the buffer untouched.
struct QueryScript {
    DWORD announced;
    std::string returned;
    bool failRead;
} script;

LONG WINAPI scriptedQuery(HKEY, LPCSTR, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    *type = REG_SZ;
    if (data == nullptr) {
        *size = script.announced;
        return ERROR_SUCCESS;
    }
    if (script.failRead) return ERROR_MORE_DATA;
    for (DWORD i = 0; i < *size; ++i) data[i] = 'X';
    std::copy(script.returned.begin(), script.returned.end(), data);
    *size = static_cast<DWORD>(script.returned.size());
    return ERROR_SUCCESS;
}

TEST_F(RegistryTest, OnlyTheBytesTheReadReturnedAreText) {
    TRegistry key;
    openInTree(key);
    registryApi().queryValue = &scriptedQuery;
    script = {8, "ab", false};
    EXPECT_EQ(key.ReadString("max"), "ab");
    script = {4, "wxyz", false};
    EXPECT_EQ(key.ReadString("max"), "wxyz");
}

TEST_F(RegistryTest, AReadThatFailsIsRaisedWithTheValueName) {
    TRegistry key;
    openInTree(key);
    registryApi().queryValue = &scriptedQuery;
    script = {8, "", true};
    EXPECT_EQ(failureOf([&] { key.ReadString("max"); }),
              "从 'max' 获得数据失败");
    EXPECT_EQ(failureOf([&] { key.ReadString("%s%d"); }),
              "从 '%s%d' 获得数据失败");
}

// --- Writing strings. ---

TEST_F(RegistryTest, WriteStringStoresTheTextWithItsTerminatingZero) {
    writeRawValue(HKEY_CURRENT_USER, kTree, "top", REG_DWORD, std::string("\x0A\0\0\0", 4));
    TRegistry key;
    openInTree(key);
    key.WriteString("max", "line 1\r\nline 2");
    key.WriteString("empty", "");
    key.WriteString("top", "-5");
    const RawValue max = readRawValue(HKEY_CURRENT_USER, kTree, "max");
    EXPECT_EQ(max.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(max.data, std::string("line 1\r\nline 2", 15));
    const RawValue empty = readRawValue(HKEY_CURRENT_USER, kTree, "empty");
    EXPECT_TRUE(empty.found);
    EXPECT_EQ(empty.data, std::string(1, '\0'));
    const RawValue top = readRawValue(HKEY_CURRENT_USER, kTree, "top");
    EXPECT_EQ(top.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(top.data, std::string("-5", 3));
}

TEST_F(RegistryTest, AWriteThatFailsIsRaisedAndKeepsTheEarlierWrites) {
    TRegistry key;
    openInTree(key);
    key.WriteString("max", "kept");
    calls_.registry.write.all = true;
    EXPECT_EQ(failureOf([&] { key.WriteString("top", "1"); }),
              "为 'top' 设置数据时失败");
    EXPECT_EQ(failureOf([&] { key.WriteString("%d%s", "1"); }),
              "为 '%d%s' 设置数据时失败");
    EXPECT_EQ(readRawValue(HKEY_CURRENT_USER, kTree, "max").data, std::string("kept", 5));
    EXPECT_FALSE(readRawValue(HKEY_CURRENT_USER, kTree, "top").found);
}

// --- Round trips. ---

TEST_F(RegistryTest, AFourMebibyteTextRoundTrips) {
    std::string text;
    text.reserve(4 << 20);
    for (int i = 0; text.size() < (4u << 20); ++i) text += "line " + std::to_string(i) + "\r\n";
    text.resize(4 << 20);
    TRegistry key;
    openInTree(key);
    key.WriteString("max", text);
    EXPECT_EQ(readRawValue(HKEY_CURRENT_USER, kTree, "max").data.size(), text.size() + 1);
    EXPECT_TRUE(key.ReadString("max") == text);
}

TEST_F(RegistryTest, DoubleByteNamesAndTextsRoundTrip) {
    const std::string name = "位置";
    const std::string text = "便笺\t第一行\r\n\r\n第二行 乗";  // 乗 ends in a backslash byte
    TRegistry key;
    openInTree(key, name);
    EXPECT_EQ(key.CurrentPath(), kTree + "\\" + name);
    key.WriteString(name, text);
    key.WriteString("乗", name);
    EXPECT_EQ(readRawValue(HKEY_CURRENT_USER, kTree + "\\" + name, name).data, text + '\0');
    TRegistry again;
    ASSERT_TRUE(again.OpenKey("\\" + kTree + "\\" + name, false));
    EXPECT_EQ(again.ReadString(name), text);
    EXPECT_EQ(again.ReadString("乗"), name);
}

}  // namespace
