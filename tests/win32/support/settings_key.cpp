#include "tests/win32/support/settings_key.h"

#include <gtest/gtest.h>

const char* const kSettingsKeyPath = "software\\Vessan\\Ordeluma\\位置";

namespace {

class OpenKey {
public:
    OpenKey(REGSAM access, bool create) {
        const LONG result =
            create ? RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0, access,
                                     nullptr, &key_, nullptr)
                   : RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, access, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// RegDeleteTree is not in every system's advapi32: delete depth first.
void deleteTree(HKEY parent, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char child[256];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        deleteTree(key, child);
        length = sizeof child;
    }
    RegCloseKey(key);
    RegDeleteKeyA(parent, name.c_str());
}

}  // namespace

void deleteVessanTree() {
    deleteTree(HKEY_CURRENT_USER, "software\\Vessan");
    EXPECT_FALSE(settingsKeyExists()) << "the settings key survived its deletion";
}

bool settingsKeyExists() {
    return OpenKey(KEY_READ, false).get() != nullptr;
}

std::optional<RegistryValue> readSettingsValue(const std::string& name) {
    OpenKey key(KEY_READ, false);
    if (!key.get()) return std::nullopt;
    RegistryValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                         reinterpret_cast<BYTE*>(&value.data[0]), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::optional<std::string> readSettingsString(const std::string& name) {
    auto value = readSettingsValue(name);
    if (!value || value->type != REG_SZ) return std::nullopt;
    std::string text = value->data;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void writeSettingsValue(const std::string& name, DWORD type, const std::string& data) {
    OpenKey key(KEY_WRITE, true);
    ASSERT_NE(key.get(), nullptr) << "cannot create the settings key";
    ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS)
        << "cannot write " << name;
}

void writeSettingsString(const std::string& name, const std::string& text) {
    writeSettingsValue(name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void deleteSettingsValue(const std::string& name) {
    OpenKey key(KEY_WRITE, false);
    if (key.get()) RegDeleteValueA(key.get(), name.c_str());
}
