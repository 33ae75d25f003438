#include "base/task_windows.h"

namespace {

BOOL CALLBACK collectEnabled(HWND window, LPARAM list) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

}  // namespace

TaskWindowsDisabled::TaskWindowsDisabled(HWND application) : active_(GetActiveWindow()), focus_(GetFocus()) {
    EnumThreadWindows(GetCurrentThreadId(), collectEnabled, reinterpret_cast<LPARAM>(&disabled_));
    // The application window counts even while it is not shown, so that a
    // topmost note leaves the band while a box or dialog is open.
    if (application && IsWindowEnabled(application) && !IsWindowVisible(application))
        disabled_.push_back(application);
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TaskWindowsDisabled::~TaskWindowsDisabled() {
    for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it)
        if (IsWindow(*it)) EnableWindow(*it, TRUE);
    if (active_ && IsWindow(active_)) SetActiveWindow(active_);
    if (focus_ && IsWindow(focus_)) SetFocus(focus_);
}
