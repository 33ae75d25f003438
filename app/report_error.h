#pragma once
// The error box, the one way failures reach the user.
#include <windows.h>

#include <string>

// A modal box over the owner (none before the application has a window):
// the caption, an error icon, one OK button, the message with "." appended
// by the error text rule. The application's other windows are disabled
// while it is open.
void ShowErrorBox(HWND owner, const std::string& caption, const std::string& message);
