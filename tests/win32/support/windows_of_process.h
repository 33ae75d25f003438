#pragma once
// Finding the top-level windows of a process by their window class.
#include <windows.h>

#include <string>

// A top-level window of the given class belonging to the process, or null.
HWND findTopLevelWindow(DWORD processId, const std::string& className);

// Waits (bounded) for such a window; null when none appeared in time.
HWND waitForTopLevelWindow(DWORD processId, const std::string& className, DWORD timeoutMs);

// Waits (bounded) for such a window that is visible.
HWND waitForVisibleWindow(DWORD processId, const std::string& className, DWORD timeoutMs);

std::string windowClassName(HWND window);
std::string windowText(HWND window);
