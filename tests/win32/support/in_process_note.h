#pragma once
// The note running inside the test process: the application object and its
// form, created once for the test program, and the program's own event
// handling (shortcut keys included) to drive them.
#include <windows.h>

#include <functional>

class TForm1;

// Creates the application and the note (hidden), for the whole test run.
void startInProcessNote();
void stopInProcessNote();

TForm1& note();
// Dispatches the queued messages as the program's event loop does.
void pump();
// Pumps until the condition holds (true) or the time is up (false).
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000);
void pumpFor(DWORD ms);

// A point of the window's client area on screen.
POINT onScreen(HWND window, int x, int y);
