#include "raw_registry.h"

#include <stdexcept>

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

std::string firstSubKey(HKEY key) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return {};
    return std::string(name, length);
}

}  // namespace

void deleteKeyTree(HKEY root, const std::string& path) {
    {
        OpenedKey key(root, path, false);
        if (key.get() == nullptr) return;
        for (std::string sub = firstSubKey(key.get()); !sub.empty(); sub = firstSubKey(key.get()))
            deleteKeyTree(key.get(), sub);
    }
    RegDeleteKeyA(root, path.c_str());
}

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

void writeRawValue(HKEY root, const std::string& path, const std::string& name, DWORD type,
                   const std::string& data) {
    OpenedKey key(root, path, true);
    if (key.get() == nullptr ||
        RegSetValueExA(key.get(), name.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size())) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write test value " + name);
}
