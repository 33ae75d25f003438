// The program's entry, where the parts are put together: the application,
// its one form, the event loop.
#include <windows.h>

#include "app/application.h"
#include "app/dll_search.h"
#include "app/report_error.h"
#include "app/single_instance.h"
#include "base/failure.h"
#include "base/startup_marks.h"
#include "note/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
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
