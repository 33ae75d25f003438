#pragma once
// Registration with Windows for a restart: after an update closed the note
// through the Restart Manager, and after a crash or a hang, Windows starts
// it again. The call is looked up at run time (Vista and later), through a
// table tests can replace.
#include <windows.h>

using RegisterApplicationRestartFunction = HRESULT(WINAPI*)(PCWSTR commandLine, DWORD flags);

struct RestartApi {
    RegisterApplicationRestartFunction registerApplicationRestart;
};

RestartApi& restartApi();

// Restarted with no command line, in every case Windows offers.
void RegisterForRestart();
