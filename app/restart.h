#pragma once
// Registration with Windows for a restart: after an update closed the note
// through the Restart Manager, and after a crash or a hang, Windows starts
// it again. The call goes through a table tests can replace.
#include <windows.h>

struct RestartApi {
    decltype(&RegisterApplicationRestart) registerApplicationRestart = &RegisterApplicationRestart;
};

RestartApi& restartApi();

// Restarted with no command line, in every case Windows offers.
void RegisterForRestart();
