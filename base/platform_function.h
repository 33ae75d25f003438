#pragma once
// A platform function looked up by name at run time, for calls that not
// every version of the platform offers; nullptr where it is missing.
#include <windows.h>

template <class Function>
Function platformFunction(const char* module, const char* name) {
    FARPROC address = GetProcAddress(GetModuleHandleA(module), name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}
