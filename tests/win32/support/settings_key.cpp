#include "tests/win32/support/settings_key.h"

#include <gtest/gtest.h>

#include "tests/win32/support/raw_registry.h"

const char* const kSettingsKeyPath = "software\\Vessan\\Ordeluma\\位置";

void deleteVessanTree() {
    deleteKeyTree(HKEY_CURRENT_USER, "software\\Vessan");
    EXPECT_FALSE(settingsKeyExists()) << "the settings key survived its deletion";
}

bool settingsKeyExists() { return keyExists(HKEY_CURRENT_USER, kSettingsKeyPath); }

RawValue readSettingsValue(const std::string& name) {
    return readRawValue(HKEY_CURRENT_USER, kSettingsKeyPath, name);
}

std::optional<std::string> readSettingsString(const std::string& name) {
    return readRawString(HKEY_CURRENT_USER, kSettingsKeyPath, name);
}

void writeSettingsValue(const std::string& name, DWORD type, const std::string& data) {
    writeRawValue(HKEY_CURRENT_USER, kSettingsKeyPath, name, type, data);
}

void writeSettingsString(const std::string& name, const std::string& text) {
    writeSettingsValue(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void writeCompleteStore(const std::string& text, const std::string& top, const std::string& left,
                        const std::string& height, const std::string& width) {
    writeSettingsString("first", "1");
    writeSettingsString("max", text);
    writeSettingsString("top", top);
    writeSettingsString("left", left);
    writeSettingsString("height", height);
    writeSettingsString("width", width);
}

void deleteSettingsValue(const std::string& name) { deleteRawValue(HKEY_CURRENT_USER, kSettingsKeyPath, name); }

FILETIME settingsLastWriteTime() {
    FILETIME written{};
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     &written);
    RegCloseKey(key);
    return written;
}
