#pragma once
// The note's settings in the registry of the test prefix, read and written
// the way the program does (ANSI calls, so the key name "位置" goes through
// the same code page as the program's own).
#include <windows.h>

#include <optional>
#include <string>

#include "tests/win32/support/raw_registry.h"

// HKEY_CURRENT_USER\software\Vessan\Ordeluma\位置
extern const char* const kSettingsKeyPath;

// Removes HKEY_CURRENT_USER\software\Vessan with everything below it.
void deleteVessanTree();
bool settingsKeyExists();

// A value of the settings key, a string's terminating zero included; not
// found when the key or value is missing.
RawValue readSettingsValue(const std::string& name);
// A REG_SZ value's text, as readRawString reads it.
std::optional<std::string> readSettingsString(const std::string& name);

// Writes a value, creating the key when needed; the test fails if it cannot.
void writeSettingsValue(const std::string& name, DWORD type, const std::string& data);
void writeSettingsString(const std::string& name, const std::string& text);
// All six values, as a run's shut-down leaves them ("first" = "1").
void writeCompleteStore(const std::string& text, const std::string& top, const std::string& left,
                        const std::string& height, const std::string& width);
void deleteSettingsValue(const std::string& name);
// When the settings key was last written, as the registry keeps it.
FILETIME settingsLastWriteTime();
