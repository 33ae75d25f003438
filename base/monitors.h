#pragma once
// Monitor facts, through functions looked up by name at run time so the
// program also runs where the platform lacks them.
#include <windows.h>

#include <vector>

// The full rectangle of the monitor that holds the window; false when the
// platform cannot tell.
bool monitorRectOf(HWND window, RECT& full);

// The work area of every monitor (the screen less task bars and docked
// bars); the primary screen's alone where the platform cannot tell more.
std::vector<RECT> monitorWorkAreas();
