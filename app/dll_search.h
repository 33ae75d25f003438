#pragma once
// Where the program lets DLLs come from: Windows' own folder only. Windows'
// DLLs load others on demand (the common controls, the save dialog's,
// accessibility, input methods) by name, and the platform's default search
// looks in the program's folder first and in the current folder too: a DLL
// planted beside a copy run from Downloads would run with the user's
// rights. Called first thing, before any window or dialog exists.
//
// SetDefaultDllDirectories is looked up by name (Windows 7 has it only with
// its update KB2533623); where it is missing, the current folder at least
// is taken out of the search.
void restrictDllSearchToSystem();
