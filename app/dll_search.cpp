#include "app/dll_search.h"

#include <windows.h>

#include "base/system.h"

void restrictDllSearchToSystem() {
    const auto setDefaultDllDirectories =
        platformFunction<decltype(&SetDefaultDllDirectories)>("kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryA("");
}
