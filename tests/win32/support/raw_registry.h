#pragma once
// Direct registry access for tests: sets up and inspects keys and values
// without going through TRegistry.
#include <windows.h>

#include <optional>
#include <string>

struct RawValue {
    bool found = false;
    DWORD type = REG_NONE;
    std::string data;  // the stored bytes, exactly
};

// Deletes the key with all its subkeys; nothing happens if it is missing.
void deleteKeyTree(HKEY root, const std::string& path);
bool keyExists(HKEY root, const std::string& path);
RawValue readRawValue(HKEY root, const std::string& path, const std::string& name);
// A REG_SZ value's text without its terminating zero; nothing when missing
// or not a REG_SZ.
std::optional<std::string> readRawString(HKEY root, const std::string& path, const std::string& name);
// Creates the key if needed and stores the bytes as they are.
void writeRawValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const std::string& data);
void deleteRawValue(HKEY root, const std::string& path, const std::string& name);
// A key that lives until the registry is unloaded, under which no lasting
// key can be made.
void createVolatileKey(HKEY root, const std::string& path);
