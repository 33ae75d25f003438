// The program's entry, where the parts are put together: the application,
// its one form, the event loop.
#include <windows.h>

#include "app/application.h"
#include "app/failure.h"
#include "note/form1.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    try {
        TApplication application;
        if (!guarded(application, [&] { application.CreateForm<TForm1>(); })) return 1;
        application.Run(showCommand);
        return 0;
    } catch (...) {
        // There is no application window to own the box or hold the title.
        ShowErrorBox(nullptr, ComputeApplicationTitle(), failureMessage(std::current_exception()));
        return 1;
    }
}
