#pragma once
// The save-file dialog component, which asks for a file name with the
// platform's Explorer-style dialog, owned by the application window and
// placed on the monitor of the form it is for; and the Save command.
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

// The Save command, the export of the note's text to the file chosen in the
// dialog. The first confirmed dialog of the run fixes the file; every later
// Save writes there without asking, even after a failed write. A cancelled
// dialog writes nothing.
void ExportToChosenFile(TSaveDialog& dialog, HWND applicationWindow, HWND form, const std::string& text);
