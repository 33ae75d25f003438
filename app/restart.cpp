#include "app/restart.h"

RestartApi& restartApi() {
    static RestartApi api;
    return api;
}

void RegisterForRestart() { restartApi().registerApplicationRestart(nullptr, 0); }
