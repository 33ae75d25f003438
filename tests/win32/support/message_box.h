#pragma once
// A message box of a process (dialog class "#32770"): find it, read it,
// press its OK button.
#include <windows.h>

#include <string>

struct MessageBoxContent {
    std::string caption;
    std::string text;  // the message, as the box's static text holds it
    HWND owner = nullptr;
};

// Waits (bounded) for a visible message box of the process; null if none.
HWND waitForMessageBox(DWORD processId, DWORD timeoutMs);
MessageBoxContent readMessageBox(HWND box);
// Presses OK (a click on the box's OK button) and waits (bounded) for the
// box to close; true when it did.
bool pressOk(HWND box, DWORD timeoutMs = 5000);
