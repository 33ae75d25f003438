#pragma once
// The save-file dialog component: asks for a file name with the platform's
// Explorer-style dialog, owned by the application window and placed on the
// monitor of the form it is for.
#include <windows.h>
#include <commdlg.h>

#include <string>

class TSaveDialog {
public:
    std::string Filter = "文本文件[*.txt]|*.txt";
    std::string DefaultExt = "txt";
    DWORD Options = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    std::string FileName;

    // True when the user confirmed a name; FileName then holds its full path.
    // The dialog's owner is the application window; it is placed on the
    // form's monitor.
    bool Execute(HWND applicationWindow, HWND form);
};
