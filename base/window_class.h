#pragma once
// Window classes and windows the program cannot run without: a refusal of
// the platform is raised as WindowNotCreated naming the class, instead of
// running on with no window. The calls go through a table tests can replace.
#include <windows.h>

struct WindowApi {
    decltype(&RegisterClassA) registerClass = &RegisterClassA;
    decltype(&CreateWindowExA) createWindow = &CreateWindowExA;
};

// The table in use; tests swap entries and restore them.
WindowApi& windowApi();

// Registers the class unless the process already has it.
void registerWindowClass(const WNDCLASSA& windowClass);

// CreateWindowExA in this module.
HWND createWindow(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, void* param);

// Moves the window into the topmost band (HWND_TOPMOST) or out of it
// (HWND_NOTOPMOST), leaving its place, size and activation alone.
void placeInBand(HWND window, HWND band);
