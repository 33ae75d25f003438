// The file writer: exact bytes, replacement, and its two failures.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "export/text_file.h"
#include "tests/win32/support/call_tables.h"
#include "tests/win32/support/failures.h"
#include "tests/win32/support/files.h"

namespace {

class TextFileTest : public testing::Test {
protected:
    void TearDown() override { DeleteFileA(path_.c_str()); }

    std::string failureOfWriting(const std::string& text) {
        return failureOf([&] { WriteTextFile(path_, text); });
    }

    const std::string path_ = tempFilePath("tarvissel-export-test.txt");
    FakeCallTables calls_;
};

TEST_F(TextFileTest, WritesExactlyTheTextsBytes) {
    const std::string texts[] = {
        "ab\r\ncd",
        "便笺\r\n第二行",  // double-byte characters, as the text area holds them
        "",
    };
    for (const std::string& text : texts) {
        WriteTextFile(path_, text);
        EXPECT_EQ(fileBytes(path_), text);
    }
    WriteTextFile(path_, "ab\r\ncd");
    EXPECT_EQ(fileBytes(path_).size(), 6u);
}

TEST_F(TextFileTest, WritesFourMebibytesByteForByte) {
    std::string text(4 << 20, '\0');
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>(i * 7 + i / 251);
    WriteTextFile(path_, text);
    EXPECT_TRUE(fileBytes(path_) == text);
}

TEST_F(TextFileTest, ReplacesAnExistingFile) {
    WriteTextFile(path_, "a longer first text\r\n");
    WriteTextFile(path_, "short");
    EXPECT_EQ(fileBytes(path_), "short");
}

TEST_F(TextFileTest, FileHeldWithoutSharingCannotBeCreated) {
    HANDLE held = CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(failureOfWriting("text"), "不能创建文件 " + path_);
    CloseHandle(held);

    WriteTextFile(path_, "text");
    EXPECT_EQ(fileBytes(path_), "text");
}

TEST_F(TextFileTest, ShortWriteFailsAndClosesTheFile) {
    calls_.files.shortWrites = true;
    EXPECT_EQ(failureOfWriting("ab\r\ncd"), "写流出错");
    const HANDLE created = calls_.files.lastCreated;
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(calls_.files.lastClosed, created);
    DWORD flags;
    EXPECT_FALSE(GetHandleInformation(created, &flags));
}

}  // namespace
