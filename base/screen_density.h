#pragma once
// Pixels per inch: the screen's, and that of the monitor a window is on, and
// the program's sizes designed for 96 pixels per inch at a density. The
// program declares itself aware of each monitor's density, so the platform
// no longer stretches it as a bitmap.
#include <windows.h>

int screenPixelsPerInch();

// The density of the monitor that holds the window (GetDpiForWindow, looked
// up at run time); the screen's where the platform lacks it.
int windowPixelsPerInch(HWND window);

// A size designed at 96 pixels per inch, at the screen's density, rounded
// to the nearest pixel.
int atScreenDensity(int designPixels);
