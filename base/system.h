#pragma once
// What the program asks of the system it runs on: calls that not every
// version of it offers, the ANSI code page, the pixels per inch, and
// whether high contrast is on.
#include <windows.h>

#include "base/text.h"

// A platform function looked up by name at run time, for calls that not
// every version of the platform offers; nullptr where it is missing.
template <class Function>
Function platformFunction(const char* module, const char* name) {
    FARPROC address = GetProcAddress(GetModuleHandleA(module), name);
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

// The lead bytes of the ANSI code page of the system's default locale.
const LeadBytes& systemLeadBytes();

// Pixels per inch: the screen's, and that of the monitor a window is on.
// The program declares itself aware of each monitor's density, so the
// platform no longer stretches it as a bitmap.
int screenPixelsPerInch();
// The density of the monitor that holds the window (GetDpiForWindow, looked
// up at run time); the screen's where the platform lacks it.
int windowPixelsPerInch(HWND window);
// A size designed at 96 pixels per inch, at the screen's density, rounded
// to the nearest pixel.
int atScreenDensity(int designPixels);

// High contrast is asked through a table tests can replace: the platform's
// own answer cannot be changed from a test.
struct SystemParametersApi {
    decltype(&SystemParametersInfoA) systemParametersInfo = &SystemParametersInfoA;
};
// The table in use; tests swap entries and restore them.
SystemParametersApi& systemParametersApi();
// True while the user has a high-contrast theme on (SPI_GETHIGHCONTRAST).
bool highContrastOn();
