#pragma once
// While a modal box or dialog of the application is open, the application's
// other windows are disabled; afterwards they are enabled again and the
// previously active window and the keyboard focus are restored.
#include <windows.h>

#include <vector>

class TaskWindowsDisabled {
public:
    // The application window counts even while hidden (none: no such window).
    explicit TaskWindowsDisabled(HWND applicationWindow);
    ~TaskWindowsDisabled();
    TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
    TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

private:
    std::vector<HWND> disabled_;
    HWND active_;
    HWND focus_;
};
