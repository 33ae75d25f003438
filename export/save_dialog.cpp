#include "export/save_dialog.h"

#include "base/monitors.h"
#include "base/system.h"
#include "base/task_windows.h"
#include "export/file_names.h"
#include "export/text_file.h"

namespace {

constexpr DWORD kFileNameBytes = MAX_PATH;

RECT monitorOrScreen(HWND window) {
    RECT full;
    if (!monitorRectOf(window, full))
        full = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return full;
}

// Centred horizontally on the form's monitor with a third of the spare
// height above it. The note is the application's only form, so it is the
// active form whenever there is one.
void placeDialog(HWND dialog, HWND form) {
    const RECT mon = monitorOrScreen(form);
    RECT box;
    GetWindowRect(dialog, &box);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int left = mon.left + (mon.right - mon.left - width) / 2;
    const int top = mon.top + (mon.bottom - mon.top - height) / 3;
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

using GetSaveFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEA);

// The common dialog library is loaded on the first Save, not at start-up:
// most runs never save, and it brings the shell's libraries with it (about
// 4 MiB of working set under Wine). Where it cannot be loaded the dialog
// fails, which Save treats like a cancel.
GetSaveFileNameFn saveFileDialog() {
    static const GetSaveFileNameFn function =
        LoadLibraryA("comdlg32.dll") ? platformFunction<GetSaveFileNameFn>("comdlg32.dll", "GetSaveFileNameA")
                                     : nullptr;
    return function;
}

// The hook runs in the dialog's inner child window; the dialog is its
// parent. The form comes with the dialog's description.
UINT_PTR CALLBACK dialogHook(HWND child, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == CDN_INITDONE) {
        const OPENFILENAMEA& dialog = *reinterpret_cast<const OFNOTIFYA*>(lParam)->lpOFN;
        placeDialog(GetParent(child), reinterpret_cast<HWND>(dialog.lCustData));
    }
    return 0;
}

}  // namespace

bool TSaveDialog::Execute(HWND applicationWindow, HWND form) {
    const GetSaveFileNameFn getSaveFileName = saveFileDialog();
    if (!getSaveFileName) return false;
    const std::string filter = platformFilter(Filter, systemLeadBytes());
    char fileName[kFileNameBytes] = {};
    FileName.copy(fileName, kFileNameBytes - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = applicationWindow;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = kFileNameBytes;
    dialog.lpstrDefExt = DefaultExt.c_str();
    dialog.Flags = Options | OFN_EXPLORER | OFN_ENABLEHOOK;
    dialog.lpfnHook = dialogHook;
    dialog.lCustData = reinterpret_cast<LPARAM>(form);

    bool confirmed;
    {
        TaskWindowsDisabled otherWindows(applicationWindow);
        confirmed = getSaveFileName(&dialog) != FALSE;
    }
    if (confirmed) FileName = fileName;
    return confirmed;
}

void ExportToChosenFile(TSaveDialog& dialog, HWND applicationWindow, HWND form, const std::string& text) {
    if (dialog.FileName.empty() && !dialog.Execute(applicationWindow, form)) return;
    WriteTextFile(dialog.FileName, text);
}
