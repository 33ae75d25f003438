#include "tests/win32/support/call_tables.h"

namespace {

RegistryCalls registryCalls;
FileCalls fileCalls;
WindowCalls windowCalls;
RestartCalls restartCalls;
SystemParameterCalls systemParameterCalls;

void opened(LONG status, HKEY key) {
    if (status != ERROR_SUCCESS) return;
    registryCalls.opened.push_back(key);
    registryCalls.stillOpen.insert(key);
}

LONG WINAPI fakeOpen(HKEY base, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
    registryCalls.access.push_back(access);
    if (registryCalls.open(subKey)) return ERROR_ACCESS_DENIED;
    const LONG status = RegOpenKeyExA(base, subKey, options, access, result);
    opened(status, *result);
    return status;
}

LONG WINAPI fakeCreate(HKEY base, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                       LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) {
    registryCalls.access.push_back(access);
    registryCalls.createOptions.push_back(options);
    if (registryCalls.create(subKey)) return ERROR_ACCESS_DENIED;
    const LONG status =
        RegCreateKeyExA(base, subKey, reserved, keyClass, options, access, security, result, disposition);
    opened(status, *result);
    return status;
}

LONG WINAPI fakeQuery(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size) {
    if (data && registryCalls.read(name)) return ERROR_ACCESS_DENIED;
    return RegQueryValueExA(key, name, reserved, type, data, size);
}

LONG WINAPI fakeSet(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
    if (registryCalls.write(name)) return ERROR_ACCESS_DENIED;
    return RegSetValueExA(key, name, reserved, type, data, size);
}

LONG WINAPI fakeClose(HKEY key) {
    registryCalls.closed.push_back(key);
    registryCalls.stillOpen.erase(key);
    return RegCloseKey(key);
}

LONG WINAPI fakeFlush(HKEY key) {
    registryCalls.flushed.push_back(key);
    return RegFlushKey(key);
}

HRESULT WINAPI fakeRegisterRestart(PCWSTR commandLine, DWORD flags) {
    ++restartCalls.registrations;
    restartCalls.withCommandLine = commandLine && *commandLine;
    restartCalls.lastFlags = flags;
    return S_OK;
}

HANDLE WINAPI fakeCreateFile(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                             DWORD disposition, DWORD attributes, HANDLE templateFile) {
    if (fileCalls.refuseCreate) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE file = CreateFileA(name, access, share, security, disposition, attributes, templateFile);
    fileCalls.lastCreated = file;
    if (file != INVALID_HANDLE_VALUE) fileCalls.stillOpen.insert(file);
    return file;
}

BOOL WINAPI fakeWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    if (fileCalls.refuseWrite) {
        *written = 0;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return WriteFile(file, data, fileCalls.shortWrites ? size - 1 : size, written, overlapped);
}

BOOL WINAPI fakeCloseHandle(HANDLE file) {
    fileCalls.lastClosed = file;
    fileCalls.stillOpen.erase(file);
    return CloseHandle(file);
}

ATOM WINAPI fakeRegisterClass(const WNDCLASSA* windowClass) {
    if (windowCalls.classes(windowClass->lpszClassName)) return 0;
    return RegisterClassA(windowClass);
}

HWND WINAPI fakeCreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y,
                             int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                             LPVOID param) {
    if (windowCalls.classes(className)) return nullptr;
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu, instance,
                           param);
}

BOOL WINAPI fakeSystemParametersInfo(UINT action, UINT parameter, PVOID data, UINT update) {
    const BOOL answered = SystemParametersInfoA(action, parameter, data, update);
    if (answered && action == SPI_GETHIGHCONTRAST) {
        auto& highContrast = *static_cast<HIGHCONTRASTA*>(data);
        highContrast.dwFlags &= ~static_cast<DWORD>(HCF_HIGHCONTRASTON);
        if (systemParameterCalls.highContrast) highContrast.dwFlags |= HCF_HIGHCONTRASTON;
    }
    return answered;
}

}  // namespace

FakeCallTables::FakeCallTables()
    : registry(registryCalls),
      files(fileCalls),
      windows(windowCalls),
      restart(restartCalls),
      systemParameters(systemParameterCalls) {
    registryCalls = RegistryCalls{};
    fileCalls = FileCalls{};
    windowCalls = WindowCalls{};
    restartCalls = RestartCalls{};
    systemParameterCalls = SystemParameterCalls{};
    registryApi() = RegistryApi{&fakeOpen, &fakeCreate, &fakeQuery, &fakeSet, &fakeClose, &fakeFlush};
    fileApi() = FileApi{&fakeCreateFile, &fakeWrite, &fakeCloseHandle};
    windowApi() = WindowApi{&fakeRegisterClass, &fakeCreateWindow};
    restartApi() = RestartApi{&fakeRegisterRestart};
    systemParametersApi() = SystemParametersApi{&fakeSystemParametersInfo};
}

void FakeCallTables::restore() {
    registryApi() = savedRegistry_;
    fileApi() = savedFiles_;
    windowApi() = savedWindows_;
    restartApi() = savedRestart_;
    systemParametersApi() = savedSystemParameters_;
}
