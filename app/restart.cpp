#include "app/restart.h"

#include "base/platform_function.h"

RestartApi& restartApi() {
    static RestartApi api{
        platformFunction<RegisterApplicationRestartFunction>("kernel32.dll", "RegisterApplicationRestart")};
    return api;
}

void RegisterForRestart() {
    if (auto registerRestart = restartApi().registerApplicationRestart) registerRestart(nullptr, 0);
}
