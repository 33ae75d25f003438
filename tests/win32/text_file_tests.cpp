// The file writer: exact bytes, replacement, and its two failures.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "export/file_api.h"
#include "export/text_file.h"
#include "tests/win32/support/failures.h"
#include "tests/win32/support/files.h"

namespace {

class TextFileTest : public testing::Test {
protected:
    void TearDown() override {
        fileApi() = FileApi{};
        DeleteFileA(path_.c_str());
    }

    std::string failureOfWriting(const std::string& text) {
        return failureOf([&] { WriteTextFile(path_, text); });
    }

    const std::string path_ = tempFilePath("tarvissel-export-test.txt");
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

// A write that takes one byte less than asked, as on a full disk.
BOOL WINAPI shortWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED) {
    return WriteFile(file, data, size - 1, written, nullptr);
}

HANDLE closedHandle;
BOOL WINAPI recordingClose(HANDLE handle) {
    closedHandle = handle;
    return CloseHandle(handle);
}

HANDLE createdHandle;
HANDLE WINAPI recordingCreate(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                              DWORD disposition, DWORD attributes, HANDLE templateFile) {
    createdHandle = CreateFileA(name, access, share, security, disposition, attributes, templateFile);
    return createdHandle;
}

TEST_F(TextFileTest, ShortWriteFailsAndClosesTheFile) {
    fileApi().createFile = recordingCreate;
    fileApi().writeFile = shortWrite;
    fileApi().closeHandle = recordingClose;
    createdHandle = closedHandle = nullptr;

    EXPECT_EQ(failureOfWriting("ab\r\ncd"), "写流出错");
    ASSERT_NE(createdHandle, nullptr);
    EXPECT_EQ(closedHandle, createdHandle);
    DWORD flags;
    EXPECT_FALSE(GetHandleInformation(createdHandle, &flags));
}

}  // namespace
