#pragma once
// The file calls of the writer, through a table tests can replace to inject
// failures. Defaults are the kernel32 functions.
#include <windows.h>

struct FileApi {
    decltype(&CreateFileA) createFile = &CreateFileA;
    decltype(&WriteFile) writeFile = &WriteFile;
    decltype(&CloseHandle) closeHandle = &CloseHandle;
};

FileApi& fileApi();
