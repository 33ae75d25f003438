#include "tests/win32/support/note_process.h"

#include <functional>

#include "tests/win32/support/note_input.h"

namespace {

const char kSettingsKey[] = "software\\Vessan\\Ordeluma\\位置";

std::string programPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "Tarvissel.exe";
}

std::string classOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

struct WindowSearch {
    DWORD processId;
    const std::function<bool(HWND)>* wanted;
    HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window) || !(*search.wanted)(window)) return TRUE;
    search.found = window;
    return FALSE;
}

// The first shown top-level window of the process that passes the test.
HWND findWindowOf(DWORD processId, const std::function<bool(HWND)>& wanted) {
    WindowSearch search{processId, &wanted, nullptr};
    EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void noPump() {}

}  // namespace

void prepareSettings(const std::string& text, int left, int top, int width, int height) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    auto set = [key](const char* name, const std::string& value) {
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    };
    set("first", "1");
    set("max", text);
    set("left", std::to_string(left));
    set("top", std::to_string(top));
    set("width", std::to_string(width));
    set("height", std::to_string(height));
    RegCloseKey(key);
}

std::string settingsValue(const char* name) {
    char value[4096] = {};
    DWORD size = sizeof value - 1;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return "(none)";
    LONG result = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::string(value) : "(none)";
}

NoteProcess::NoteProcess() {
    std::string path = programPath();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        return;
    WaitForInputIdle(process_.hProcess, 10000);
    waitFor(
        [this] {
            note_ = findWindowOf(process_.dwProcessId, [](HWND w) { return FindWindowExA(w, nullptr, "Edit", nullptr) != nullptr; });
            return note_ != nullptr;
        },
        10000, noPump);
}

NoteProcess::~NoteProcess() {
    if (!process_.hProcess) return;
    if (!WaitForExit(0)) {
        if (IsWindow(note_)) PostMessageA(note_, WM_CLOSE, 0, 0);
        if (!WaitForExit(5000)) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND NoteProcess::TextArea() const { return FindWindowExA(note_, nullptr, "Edit", nullptr); }

RECT NoteProcess::NoteRect() const {
    RECT r{};
    GetWindowRect(note_, &r);
    return r;
}

HWND NoteProcess::ShownMenu() const {
    return findWindowOf(process_.dwProcessId, [](HWND w) { return classOf(w) == "#32768"; });
}

std::string NoteProcess::Text() const {
    char text[4096] = {};
    SendMessageA(TextArea(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool NoteProcess::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
