#include "tests/win32/support/files.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

std::string tempFilePath(const std::string& name) {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder + name;
}

std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "(no file)";
}

std::string dailyCopiesFolder() {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\Vessan\\Tarvissel\\";
}

std::string todaysCopyName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char name[16];
    wsprintfA(name, "%04u-%02u-%02u.txt", now.wYear, now.wMonth, now.wDay);
    return name;
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    EXPECT_TRUE(file.good()) << path;
}

void removeDailyCopies() {
    const std::string folder = dailyCopiesFolder();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do DeleteFileA((folder + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    const std::string withoutSlash = folder.substr(0, folder.size() - 1);
    RemoveDirectoryA(withoutSlash.c_str());
    DeleteFileA(withoutSlash.c_str());  // a file a test put where the folder goes
    RemoveDirectoryA(withoutSlash.substr(0, withoutSlash.rfind('\\')).c_str());
}
