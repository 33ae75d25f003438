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

std::vector<std::string> filesIn(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void removeDailyCopies() {
    const std::string folder = dailyCopiesFolder();
    for (const std::string& name : filesIn(folder, "*")) DeleteFileA((folder + name).c_str());
    const std::string withoutSlash = folder.substr(0, folder.size() - 1);
    RemoveDirectoryA(withoutSlash.c_str());
    DeleteFileA(withoutSlash.c_str());  // a file a test put where the folder goes
    RemoveDirectoryA(withoutSlash.substr(0, withoutSlash.rfind('\\')).c_str());
}
