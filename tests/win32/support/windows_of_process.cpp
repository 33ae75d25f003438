#include "tests/win32/support/windows_of_process.h"

#include "tests/win32/support/wait.h"

namespace {

struct Search {
    DWORD processId;
    const std::string& className;
    bool mustBeVisible;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || windowClassName(window) != search.className) return TRUE;
    if (search.mustBeVisible && !IsWindowVisible(window)) return TRUE;
    search.found = window;
    return FALSE;
}

HWND findWindow(DWORD processId, const std::string& className, bool mustBeVisible) {
    Search search{processId, className, mustBeVisible, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForWindow(DWORD processId, const std::string& className, bool mustBeVisible,
                   DWORD timeoutMs) {
    HWND found = nullptr;
    waitUntil([&] { return (found = findWindow(processId, className, mustBeVisible)) != nullptr; },
              timeoutMs);
    return found;
}

}  // namespace

HWND findTopLevelWindow(DWORD processId, const std::string& className) {
    return findWindow(processId, className, false);
}

HWND waitForTopLevelWindow(DWORD processId, const std::string& className, DWORD timeoutMs) {
    return waitForWindow(processId, className, false, timeoutMs);
}

HWND waitForVisibleWindow(DWORD processId, const std::string& className, DWORD timeoutMs) {
    return waitForWindow(processId, className, true, timeoutMs);
}

std::string windowClassName(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string windowText(HWND window) {
    // WM_GETTEXT reads another process's controls too, where GetWindowTextA
    // would not; bounded, so a hung program cannot hang the test.
    const UINT flags = SMTO_ABORTIFHUNG;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, flags, 2000, &length)) return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), flags,
                             2000, &copied))
        return {};
    text.resize(copied);
    return text;
}
