// The program's entry: the application, its one form, the event loop.
#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    TApplication application;
    application.CreateForm();
    application.Run(showCommand);
    return 0;
}
