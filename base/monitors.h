#pragma once
// Monitor facts, through functions looked up by name at run time so the
// program also runs where the platform lacks them.
#include <windows.h>

// The full rectangle of the monitor that holds the window; false when the
// platform cannot tell.
bool monitorRectOf(HWND window, RECT& full);
