#include "tests/win32/support/raw_registry.h"

#include <stdexcept>
#include <vector>

namespace {

class OpenedKey {
public:
    OpenedKey(HKEY root, const std::string& path, bool create) {
        const LONG result =
            create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                   : RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key_);
        if (result != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenedKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::wstring wide(const std::string& text) {
    std::wstring result(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &result[0],
                                           static_cast<int>(result.size()));
    result.resize(static_cast<size_t>(length));
    return result;
}

// Subkeys are walked by their UTF-16 names: a key written under one code
// page may have a name that another code page cannot spell in 8 bits. All
// names are listed before any is deleted, so a key that refuses to go
// cannot make the walk loop.
void deleteTreeW(HKEY parent, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    std::vector<std::wstring> children;
    wchar_t child[256];
    for (DWORD length = 256; RegEnumKeyExW(key, static_cast<DWORD>(children.size()), child, &length, nullptr,
                                           nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         length = 256)
        children.emplace_back(child, length);
    for (const std::wstring& each : children) deleteTreeW(key, each);
    RegCloseKey(key);
    RegDeleteKeyW(parent, name.c_str());
}

}  // namespace

void deleteKeyTree(HKEY root, const std::string& path) { deleteTreeW(root, wide(path)); }

bool keyExists(HKEY root, const std::string& path) {
    return OpenedKey(root, path, false).get() != nullptr;
}

RawValue readRawValue(HKEY root, const std::string& path, const std::string& name) {
    RawValue value;
    OpenedKey key(root, path, false);
    DWORD size = 0;
    if (key.get() == nullptr ||
        RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
            ERROR_SUCCESS)
        return value;
    value.data.resize(size);
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &value.type,
                         reinterpret_cast<BYTE*>(&value.data[0]), &size) != ERROR_SUCCESS)
        return value;
    value.data.resize(size);
    value.found = true;
    return value;
}

std::optional<std::string> readRawString(HKEY root, const std::string& path, const std::string& name) {
    const RawValue value = readRawValue(root, path, name);
    if (!value.found || value.type != REG_SZ) return std::nullopt;
    std::string text = value.data;
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

void writeRawValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const std::string& data) {
    OpenedKey key(root, path, true);
    if (key.get() == nullptr ||
        RegSetValueExA(key.get(), name.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write test value " + name);
}

void createVolatileKey(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the volatile key " + path);
    RegCloseKey(key);
}

void deleteRawValue(HKEY root, const std::string& path, const std::string& name) {
    OpenedKey key(root, path, false);
    if (key.get() != nullptr) RegDeleteValueA(key.get(), name.c_str());
}
