#pragma once
// The registry calls the accessor makes, through a table tests can replace
// to inject failures. Defaults are the advapi32 functions.
#include <windows.h>

struct RegistryApi {
    decltype(&RegOpenKeyExA) openKey = &RegOpenKeyExA;
    decltype(&RegCreateKeyExA) createKey = &RegCreateKeyExA;
    decltype(&RegQueryValueExA) queryValue = &RegQueryValueExA;
    decltype(&RegSetValueExA) setValue = &RegSetValueExA;
    decltype(&RegCloseKey) closeKey = &RegCloseKey;
    decltype(&RegFlushKey) flushKey = &RegFlushKey;
};

// The table in use; tests swap entries and restore them.
RegistryApi& registryApi();
