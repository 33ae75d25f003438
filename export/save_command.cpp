#include "export/save_command.h"

#include "export/text_file.h"

void SaveText(TSaveDialog& dialog, HWND applicationWindow, HWND form, const std::string& text) {
    if (dialog.FileName.empty() && !dialog.Execute(applicationWindow, form)) return;
    WriteTextFile(dialog.FileName, text);
}
