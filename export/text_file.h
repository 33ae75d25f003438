#pragma once
// Writes the note's text to a file, replacing it: exactly its bytes, in one
// write. Raises "不能创建文件 %s" or "写流出错".
#include <windows.h>

#include <string>

// The file calls of the writer, through a table tests can replace to inject
// failures. Defaults are the kernel32 functions.
struct FileApi {
    decltype(&CreateFileA) createFile = &CreateFileA;
    decltype(&WriteFile) writeFile = &WriteFile;
    decltype(&CloseHandle) closeHandle = &CloseHandle;
};
// The table in use; tests swap entries and restore them.
FileApi& fileApi();

void WriteTextFile(const std::string& path, const std::string& text);
