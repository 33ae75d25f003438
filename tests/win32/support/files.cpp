#include "tests/win32/support/files.h"

#include <windows.h>

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
