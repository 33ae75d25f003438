#pragma once
// The product's platform call tables (registry, file, window, restart,
// system parameters) as the tests replace them: fakes that pass every call
// on to the platform, refuse the calls a test names, keep what they opened
// and closed, and answer what the platform cannot be made to.
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "app/application.h"
#include "base/system.h"
#include "base/window.h"
#include "export/text_file.h"
#include "store/registry.h"

// The names a fake refuses: none, the ones named, or all.
struct Refusals {
    std::set<std::string> names;
    bool all = false;
    bool operator()(const char* name) const { return all || (name && names.count(name)); }
};

struct RegistryCalls {
    Refusals open, create;       // key names
    Refusals read, write;        // value names; a refused read still answers the size
    std::vector<REGSAM> access;  // of every open and create, in order
    std::vector<DWORD> createOptions;
    std::vector<HKEY> opened, closed, flushed;
    std::set<HKEY> stillOpen;
};

struct FileCalls {
    bool refuseCreate = false, refuseWrite = false;
    bool shortWrites = false;  // one byte less than asked, as on a full disk
    HANDLE lastCreated = nullptr, lastClosed = nullptr;
    std::set<HANDLE> stillOpen;
};

struct WindowCalls {
    Refusals classes;  // by class name, both registering and creating
};

struct RestartCalls {
    int registrations = 0;
    bool withCommandLine = false;
    DWORD lastFlags = 0;
};

struct SystemParameterCalls {
    // What SPI_GETHIGHCONTRAST answers (Wine's is always off).
    bool highContrast = false;
};

// While it lives, every call table holds the fakes, with nothing refused
// or recorded yet; when it goes, the tables it found are back.
class FakeCallTables {
public:
    FakeCallTables();
    ~FakeCallTables() { restore(); }
    FakeCallTables(const FakeCallTables&) = delete;
    FakeCallTables& operator=(const FakeCallTables&) = delete;
    // The tables as they were found, at once.
    void restore();

    RegistryCalls& registry;
    FileCalls& files;
    WindowCalls& windows;
    RestartCalls& restart;
    SystemParameterCalls& systemParameters;

private:
    RegistryApi savedRegistry_ = registryApi();
    FileApi savedFiles_ = fileApi();
    WindowApi savedWindows_ = windowApi();
    RestartApi savedRestart_ = restartApi();
    SystemParametersApi savedSystemParameters_ = systemParametersApi();
};
