#pragma once
// Monitor facts. The monitor that holds a window is found through functions
// looked up by name at run time, so that the error box and the save dialog
// still open where the platform lacks them; the work areas are asked for
// directly.
#include <windows.h>

#include <vector>

// The full rectangle of the monitor that holds the window; false when the
// platform cannot tell.
bool monitorRectOf(HWND window, RECT& full);

// The work area of every monitor (the screen less task bars and docked
// bars); the primary screen's alone where no monitor answers.
std::vector<RECT> monitorWorkAreas();
