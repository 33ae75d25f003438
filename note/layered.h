#pragma once
// Translucency through layered windows, where the platform offers them: the
// function is looked up by name once.
#include <windows.h>

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// nullptr where the platform has no layered windows.
SetLayeredWindowAttributesFn layeredWindowAttributes();
