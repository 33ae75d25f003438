#pragma once
// Starts a program at the signed-in user's normal level, whatever the
// installation's. An installation run elevated (from an administrator
// prompt, say) hands the start to the user's desktop shell, whose programs
// run at the user's level, or starts nothing: a note started elevated could
// not be brought forward by a later start (messages are blocked between
// levels) nor closed by the next installer. Only an installation at the
// user's own level starts the program itself.
#include <windows.h>
#include <objbase.h>

#include <string>

// The elevation query and the shell's creation go through a table tests can
// replace: the platform's answers cannot be changed from a test.
struct UserStartApi {
    decltype(&GetTokenInformation) getTokenInformation = &GetTokenInformation;
    decltype(&CoCreateInstance) coCreateInstance = &CoCreateInstance;
};
// The table in use; tests swap entries and restore them.
UserStartApi& userStartApi();

// Starts PROGRAM in FOLDER, left to run on its own; nothing where it
// cannot be started at the user's level.
void startAsUser(const std::wstring& program, const std::wstring& folder);
