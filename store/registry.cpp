#include "store/registry.h"

#include "base/failure.h"
#include "base/text.h"
#include "store/registry_rules.h"

namespace {

LONG createSubKey(HKEY base, const std::string& subKey, REGSAM access, HKEY* created) {
    DWORD disposition = 0;
    return registryApi().createKey(base, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   access, nullptr, created, &disposition);
}

HKEY baseKey(const KeyTarget& target, HKEY current, HKEY root) {
    return target.fromCurrentKey ? current : root;
}

bool isStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// Registry data need not end in a zero byte, and may hold one early: the
// text is what precedes the first zero within the bytes actually returned.
std::string textOf(std::string data, DWORD returnedSize) {
    data.resize(returnedSize < data.size() ? returnedSize : data.size());
    return data.substr(0, data.find('\0'));
}

}  // namespace

RegistryApi& registryApi() {
    static RegistryApi api;
    return api;
}

TRegistry::TRegistry() : root_(HKEY_CURRENT_USER) {}

void TRegistry::SetRootKey(HKEY root) {
    if (root == root_) return;
    // The current key was reached from the old root: its path means nothing
    // under the new one.
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    const KeyTarget target = resolveKeyPath(path, current_.get() != nullptr);
    const HKEY base = baseKey(target, current_.get(), root_);
    HKEY opened = nullptr;
    const LONG result = canCreate && !target.subKey.empty()
                            ? createSubKey(base, target.subKey, access_, &opened)
                            : registryApi().openKey(base, target.subKey.c_str(), 0, access_, &opened);
    if (result != ERROR_SUCCESS) return false;
    std::string openedPath = nextCurrentPath(currentPath_, target);
    current_.reset(opened);
    currentPath_ = std::move(openedPath);
    return true;
}

void TRegistry::CreateKey(const std::string& path) {
    const KeyTarget target = resolveKeyPath(path, current_.get() != nullptr);
    const HKEY base = baseKey(target, current_.get(), root_);
    HKEY created = nullptr;
    if (createSubKey(base, target.subKey, access_, &created) != ERROR_SUCCESS)
        throw Failure(kCreateKeyFailed, path);
    const RegistryKey closedAtOnce(created);
}

// The value's type and data as returned; false when it does not exist, has
// no data or no key is open. A read that fails after the size was given
// raises "从 '%s' 获得数据失败".
bool TRegistry::QueryValue(const std::string& name, DWORD& type, std::string& data) {
    DWORD size = 0;
    if (registryApi().queryValue(current_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size == 0)
        return false;
    data.assign(size, '\0');
    if (registryApi().queryValue(current_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                                 &size) != ERROR_SUCCESS)
        throw Failure(kReadValueFailed, name);
    data = textOf(std::move(data), size);
    return true;
}

std::string TRegistry::ReadString(const std::string& name) {
    DWORD type = REG_NONE;
    std::string data;
    if (!QueryValue(name, type, data)) return {};
    if (!isStringType(type)) throw Failure(kInvalidValueType, name);
    return data;
}

std::string TRegistry::ReadAnyText(const std::string& name) {
    DWORD type = REG_NONE;
    std::string data;
    try {
        QueryValue(name, type, data);
    } catch (const Failure&) {
        data.clear();
    }
    return data;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    // The text with its terminating zero.
    const auto size = dwordSize(value.size() + 1);
    if (!size || registryApi().setValue(current_.get(), name.c_str(), 0, REG_SZ,
                                        reinterpret_cast<const BYTE*>(value.c_str()), *size) != ERROR_SUCCESS)
        throw Failure(kWriteValueFailed, name);
}

// Lazy write: the key is released without forcing it to disk.
void TRegistry::CloseKey() {
    current_.reset();
    currentPath_.clear();
}

bool TRegistry::CurrentKeyAtItsPath() {
    if (!current_) return false;
    HKEY opened = nullptr;
    if (registryApi().openKey(root_, currentPath_.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return false;
    const RegistryKey closedAtOnce(opened);
    return true;
}

void TRegistry::FlushKey() {
    if (current_) registryApi().flushKey(current_.get());
}
