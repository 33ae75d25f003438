// The program's entry, where the parts are put together: the application,
// its one form, the event loop.
#include <windows.h>

#include "app/application.h"
#include "app/report_error.h"
#include "app/single_instance.h"
#include "base/failure.h"
#include "base/startup_marks.h"
#include "base/system.h"
#include "note/form1.h"

namespace {

// Only Windows' own folder lends the program DLLs. Windows' DLLs load
// others on demand (the common controls, the save dialog's, accessibility,
// input methods) by name, and the platform's default search looks in the
// program's folder first and in the current folder too: a DLL planted
// beside a copy run from Downloads would run with the user's rights.
// SetDefaultDllDirectories is looked up by name (Windows 7 has it only with
// its update KB2533623); where it is missing, the current folder at least
// is taken out of the search.
void restrictDllSearchToSystem() {
    const auto setDefaultDllDirectories =
        platformFunction<decltype(&SetDefaultDllDirectories)>("kernel32.dll", "SetDefaultDllDirectories");
    if (setDefaultDllDirectories && setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
    SetDllDirectoryA("");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    // Before any window or dialog exists.
    restrictDllSearchToSystem();
    STARTUP_MARK("WinMain");
    SingleInstance instance;
    if (instance.HandedToRunningNote()) return 0;
    try {
        TApplication application;
        const RunningNoteMark mark(application.Handle());
        if (!guarded(application, [&] { application.CreateForm<TForm1>(); })) return 1;
        application.Run(showCommand);
        return 0;
    } catch (const std::exception& failure) {
        // There is no application window to own the box or hold the title.
        ShowErrorBox(nullptr, ComputeApplicationTitle(), failure.what());
        return 1;
    }
}
