#pragma once
// The settings-store accessor: a root key, a current key with its path, and
// string values read and written in the current key. Failures are raised.
#include <windows.h>

#include <string>

#include "base/scoped_handle.h"

// The registry calls the accessor makes, through a table tests can replace
// to inject failures. Defaults are the advapi32 functions.
struct RegistryApi {
    decltype(&RegOpenKeyExA) openKey = &RegOpenKeyExA;
    decltype(&RegCreateKeyExA) createKey = &RegCreateKeyExA;
    decltype(&RegQueryValueExA) queryValue = &RegQueryValueExA;
    decltype(&RegSetValueExA) setValue = &RegSetValueExA;
    decltype(&RegCloseKey) closeKey = &RegCloseKey;
    decltype(&RegFlushKey) flushKey = &RegFlushKey;
};
// The table in use; tests swap entries and restore them.
RegistryApi& registryApi();

struct CloseRegistryKey {
    void operator()(HKEY key) const { registryApi().closeKey(key); }
};
// A key opened or created through the call table, closed through it.
using RegistryKey = ScopedHandle<HKEY, CloseRegistryKey>;

class TRegistry {
public:
    TRegistry();   // root HKEY_CURRENT_USER, no key open
    // Closes the current key (the note never destroys its own).
    ~TRegistry() = default;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;
    // Takes the other accessor's root, key and path; its own key is closed.
    TRegistry& operator=(TRegistry&&) = default;

    void SetRootKey(HKEY root);
    HKEY RootKey() const { return root_; }
    HKEY CurrentKey() const { return current_.get(); }
    const std::string& CurrentPath() const { return currentPath_; }

    // Opens (and, when canCreate and the path is not empty, creates) the key;
    // on success it becomes the current key. False, with nothing changed,
    // when it cannot be opened.
    bool OpenKey(const std::string& path, bool canCreate);
    // Creates the key, leaving the current key as it is; raises
    // "创建主键 %s 失败" when it cannot.
    void CreateKey(const std::string& path);
    // The value's text; empty when the value is missing or has no data.
    std::string ReadString(const std::string& name);
    // The value's data as text up to its first zero byte, whatever its
    // type; empty where it cannot be read.
    std::string ReadAnyText(const std::string& name);
    void WriteString(const std::string& name, const std::string& value);

    // Closes the current key, if any.
    void CloseKey();
    // False when no key is open, or the current key is no longer reached by
    // its path: removed or renamed by another program while it was open.
    bool CurrentKeyAtItsPath();
    // Forces the current key to disk, for when the machine may lose power
    // before the platform writes it lazily.
    void FlushKey();

private:
    bool QueryValue(const std::string& name, DWORD& type, std::string& data);

    HKEY root_;
    RegistryKey current_;
    std::string currentPath_;
    REGSAM access_ = KEY_ALL_ACCESS;
};
