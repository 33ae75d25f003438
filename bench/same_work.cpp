// The baseline that does the platform work the note's start-up and
// shut-down require, and nothing else: the title from the executable's name
// (OEM to ANSI, lower case), a zero-size application window with the icon
// "MAINICON" and a trimmed window menu, owning a topmost layered pop-up with four disabled black strips and a
// word-wrapping multi-line EDIT of the note's styles and font after a
// hidden label that names it, the high-contrast setting and the window's
// density asked for; the settings
// key opened through the same path with the same calls, its six values read
// at start (the text set once, the size applied once) and written at close.
// It also answers the menu's command identifiers as the note does, for the
// long session: colours, fonts, opacity, alignment (re-creating the EDIT)
// and select all; and like the note it writes a changed text two seconds
// after its first change not yet written (one timer, which later changes
// do not restart).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "base/startup_marks.h"
#include "base/system.h"

namespace {

const COLORREF kColours[] = {0xAAFFFF, 0xFFD5FF, 0xAAFFAA, 0xFFFFAA};

struct Note {
    HWND application = nullptr, window = nullptr, edit = nullptr;
    HWND strips[4] = {};
    HKEY key = nullptr;
    HBRUSH brush = nullptr;
    COLORREF colour = 0;
    HFONT font = nullptr;
    DWORD alignment = ES_LEFT;
    bool painted = false;
    std::string stored;  // the text as last read or written
    bool saveDue = false;  // the timer runs for a change not yet written
} note;

HKEY openKey(HKEY base, const char* name, bool create) {
    HKEY key = nullptr;
    if (create)
        RegCreateKeyExA(base, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    else
        RegOpenKeyExA(base, name, 0, KEY_ALL_ACCESS, &key);
    return key;
}

// The note's path: "software" opened, each further name created and closed,
// then opened, the previous key closed.
HKEY openSettingsKey() {
    HKEY key = openKey(HKEY_CURRENT_USER, "software", false);
    const char* names[] = {"Vessan", "Ordeluma", "位置"};
    for (int i = 0; i < 3; ++i) {
        RegCloseKey(openKey(key, names[i], true));
        HKEY next = openKey(key, names[i], i > 0);
        RegCloseKey(key);
        key = next;
    }
    return key;
}

std::string readValue(const char* name) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(note.key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0) return {};
    std::string value(size, '\0');
    RegQueryValueExA(note.key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value[0]), &size);
    return value.substr(0, value.find('\0'));
}

void writeValue(const char* name, const std::string& value) {
    RegSetValueExA(note.key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

void createEdit(const RECT& client, const char* text) {
    note.edit = CreateWindowExA(0, "EDIT", text,
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
                                    note.alignment,
                                12, 10, client.right - 25, client.bottom - 22, note.window, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    SendMessageA(note.edit, WM_SETFONT, reinterpret_cast<WPARAM>(note.font), FALSE);
    SendMessageA(note.edit, EM_SETLIMITTEXT, 0, 0);
}

std::string editText() {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(note.edit)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(note.edit, &text[0], static_cast<int>(text.size()))));
    return text;
}

void setFont(int height) {
    HFONT old = note.font;
    note.font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
    if (note.edit) SendMessageA(note.edit, WM_SETFONT, reinterpret_cast<WPARAM>(note.font), TRUE);
    if (old) DeleteObject(old);
}

void setColour(COLORREF colour) {
    HBRUSH old = note.brush;
    note.colour = colour;
    note.brush = CreateSolidBrush(colour);
    InvalidateRect(note.window, nullptr, TRUE);
    InvalidateRect(note.edit, nullptr, TRUE);
    if (old) DeleteObject(old);
}

void realign(DWORD alignment) {
    if (alignment == note.alignment) return;
    note.alignment = alignment;
    const bool focused = GetFocus() == note.edit;
    const std::string text = editText();
    DestroyWindow(note.edit);
    RECT client;
    GetClientRect(note.window, &client);
    createEdit(client, text.c_str());
    if (focused) SetFocus(note.edit);
}

// The menu's command identifiers: 100 + the item's place in the menu.
void command(WPARAM id) {
    if (id >= 101 && id <= 104) setColour(kColours[id - 101]);
    if (id == 105 || id == 106) setFont(id == 105 ? -16 : -12);
    if (id == 107 || id == 108) SetLayeredWindowAttributes(note.window, 0, id == 107 ? 180 : 255, LWA_ALPHA);
    if (id == 110 || id == 111) realign(id == 110 ? ES_LEFT : ES_CENTER);
    if (id == 113) SendMessageA(note.edit, EM_SETSEL, 0, -1);
}

void saveAndEnd() {
    ShowWindow(note.window, SW_HIDE);
    RECT bounds;
    GetWindowRect(note.window, &bounds);
    writeValue("max", editText());
    writeValue("top", std::to_string(bounds.top));
    writeValue("left", std::to_string(bounds.left));
    writeValue("height", std::to_string(bounds.bottom - bounds.top));
    writeValue("width", std::to_string(bounds.right - bounds.left));
    DestroyWindow(note.window);
    DestroyWindow(note.application);
    PostQuitMessage(0);
}

LRESULT CALLBACK noteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, note.brush);
            return 1;
        }
        case WM_PAINT:
            DefWindowProcA(window, message, wParam, lParam);
            if (!note.painted) startupMark("first paint", true);
            note.painted = true;
            return 0;
        case WM_CTLCOLOREDIT:
            SetBkColor(reinterpret_cast<HDC>(wParam), note.colour);
            return reinterpret_cast<LRESULT>(note.brush);
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) {
                if (!note.saveDue) SetTimer(window, 1, 2000, nullptr);
                note.saveDue = true;
            } else
                command(wParam);
            return 0;
        case WM_TIMER:
            KillTimer(window, 1);
            note.saveDue = false;
            if (editText() != note.stored) writeValue("max", note.stored = editText());
            return 0;
        case WM_CLOSE:
            saveAndEnd();
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string title() {
    char path[256] = {};
    GetModuleFileNameA(nullptr, path, sizeof path - 1);
    OemToCharA(path, path);
    std::string name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    name = name.substr(0, name.find('.'));
    if (name.size() > 1) CharLowerA(&name[1]);
    return name;
}

void registerClass(const char* name, WNDPROC procedure, HBRUSH background, HICON icon = nullptr) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hIcon = icon;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

void createWindows() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    registerClass("BenchSameWorkApp", DefWindowProcA, nullptr, LoadIconA(instance, "MAINICON"));
    note.application = CreateWindowExA(0, "BenchSameWorkApp", title().c_str(),
                                       WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                       GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                       nullptr, nullptr, instance, nullptr);
    HMENU systemMenu = GetSystemMenu(note.application, FALSE);
    for (UINT command : {SC_MAXIMIZE, SC_SIZE, SC_MOVE}) DeleteMenu(systemMenu, command, MF_BYCOMMAND);
    // Marked for a later start to find, as the one running note.
    SetPropA(note.application, "BenchSameWork.Running", note.application);
    startupMark("application window");
    registerClass("BenchSameWork", noteProc, nullptr);
    registerClass("BenchStrip", DefWindowProcA, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HIGHCONTRASTA highContrast{};
    highContrast.cbSize = sizeof highContrast;
    SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0);
    note.window = CreateWindowExA(WS_EX_LAYERED, "BenchSameWork", "Baseline", WS_POPUP | WS_CLIPCHILDREN, 263, 142,
                                  188, 89, note.application, nullptr, instance, nullptr);
    SetLayeredWindowAttributes(note.window, 0, 255, LWA_ALPHA);
    HDC screen = GetDC(nullptr);
    setFont(-MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 96));
    ReleaseDC(nullptr, screen);
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    if (auto getDpiForWindow = platformFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow"))
        getDpiForWindow(note.window);
    CreateWindowExW(0, L"STATIC", L"便笺内容", WS_CHILD, 0, 0, 0, 0, note.window, nullptr, instance, nullptr);
    createEdit(RECT{0, 0, 188, 89}, "");
    const RECT strips[] = {{0, 0, 188, 1}, {0, 88, 188, 1}, {0, 1, 1, 87}, {187, 1, 1, 87}};
    for (int i = 0; i < 4; ++i)
        note.strips[i] = CreateWindowExA(0, "BenchStrip", "", WS_CHILD | WS_VISIBLE | WS_DISABLED, strips[i].left,
                                         strips[i].top, strips[i].right, strips[i].bottom, note.window, nullptr,
                                         instance, nullptr);
    SetWindowPos(note.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    setColour(kColours[0]);
    startupMark("note window");
}

// The strips and the text area laid out for the window's size.
void layOut() {
    RECT client;
    GetClientRect(note.window, &client);
    const int width = client.right, height = client.bottom;
    const RECT strips[] = {{0, 0, width, 1}, {0, height - 1, width, 1}, {0, 1, 1, height - 2},
                           {width - 1, 1, 1, height - 2}};
    for (int i = 0; i < 4; ++i)
        MoveWindow(note.strips[i], strips[i].left, strips[i].top, strips[i].right, strips[i].bottom, TRUE);
    MoveWindow(note.edit, 12, 10, width - 25, height - 22, TRUE);
}

BOOL CALLBACK workArea(HMONITOR monitor, HDC, LPRECT, LPARAM) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(monitor, &info);
    return TRUE;
}

// Position and size applied together, the strips and the text area laid
// out once for them, and then the text set once, so that it is wrapped once.
void restore() {
    note.key = openSettingsKey();
    startupMark("settings key opened");
    std::string text;
    if (readValue("first") != "1") {
        writeValue("first", "1");
        SetWindowPos(note.window, nullptr, 10, 10, 100, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        text = note.stored = readValue("max");
        const int top = std::atoi(readValue("top").c_str()), left = std::atoi(readValue("left").c_str());
        const int height = std::atoi(readValue("height").c_str()), width = std::atoi(readValue("width").c_str());
        SetWindowPos(note.window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The restored place checked against the monitors' work areas.
    EnumDisplayMonitors(nullptr, nullptr, workArea, 0);
    layOut();
    SetWindowTextA(note.edit, text.c_str());
    startupMark("restored");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    startupMark("WinMain");
    // One note per user: the mutex a later start would find.
    HANDLE instance = CreateMutexA(nullptr, TRUE, "Local\\BenchSameWork");
    createWindows();
    restore();
    ShowWindow(note.application, SW_SHOWNOACTIVATE);
    ShowWindow(note.window, showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    SetFocus(note.edit);
    startupMark("shown");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DeleteObject(note.font);
    DeleteObject(note.brush);
    CloseHandle(instance);
    return 0;
}
