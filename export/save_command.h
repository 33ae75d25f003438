#pragma once
// The Save command: writes the note's text to the file chosen in the save
// dialog.
#include <windows.h>

#include <string>

#include "export/save_dialog.h"

// The first confirmed dialog of the run fixes the file; every later Save
// writes there without asking, even after a failed write. A cancelled
// dialog writes nothing.
void SaveText(TSaveDialog& dialog, HWND applicationWindow, HWND form, const std::string& text);
