#include "tests/win32/support/message_box.h"

#include "tests/win32/support/wait.h"
#include "tests/win32/support/windows_of_process.h"

namespace {

// The message text is the box's static control that is not its icon.
BOOL CALLBACK findMessageText(HWND child, LPARAM context) {
    if (windowClassName(child) != "Static" || (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        return TRUE;
    *reinterpret_cast<HWND*>(context) = child;
    return FALSE;
}

}  // namespace

HWND waitForMessageBox(DWORD processId, DWORD timeoutMs) {
    return waitForVisibleWindow(processId, "#32770", timeoutMs);
}

MessageBoxContent readMessageBox(HWND box) {
    MessageBoxContent content;
    content.caption = windowText(box);
    HWND text = nullptr;
    EnumChildWindows(box, findMessageText, reinterpret_cast<LPARAM>(&text));
    if (text) content.text = windowText(text);
    content.owner = GetWindow(box, GW_OWNER);
    return content;
}

bool pressOk(HWND box, DWORD timeoutMs) {
    HWND ok = GetDlgItem(box, IDOK);
    if (!ok) return false;
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    return waitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); }, timeoutMs);
}
