// The bare floor: the least a Win32 program must do to show the note's
// window with its text, without the rest of the platform work the note's
// start-up and shut-down require (same_work.cpp does that). One borderless,
// topmost, layered pop-up with a word-wrapping multi-line EDIT of the
// note's styles and font, its text set with WM_SETTEXT from the note's
// stored "max" at the stored size, a message loop, and an exit when closed.
// Nothing is written back.
#include <windows.h>

#include <cstdlib>

#include "base/startup_marks.h"

namespace {

const char kKey[] = "software\\Vessan\\Ordeluma\\位置";

// A stored string value, or null; the caller frees it.
char* readValue(HKEY key, const char* name) {
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) return nullptr;
    char* value = static_cast<char*>(std::calloc(size + 1, 1));
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS) {
        std::free(value);
        return nullptr;
    }
    return value;
}

int readSide(HKEY key, const char* name, int fallback) {
    char* text = readValue(key, name);
    const int side = text ? std::atoi(text) : 0;
    std::free(text);
    return side > 0 ? side : fallback;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_PAINT) {
        DefWindowProcA(window, message, wParam, lParam);
        startupMark("first paint", true);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    startupMark("WinMain");
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key);
    startupMark("settings key opened");
    const int width = key ? readSide(key, "width", 188) : 188;
    const int height = key ? readSide(key, "height", 89) : 89;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = CreateSolidBrush(0xAAFFFF);
    windowClass.lpszClassName = "BenchBaseline";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST, "BenchBaseline", "Baseline",
                                  WS_POPUP | WS_CLIPCHILDREN, 263, 142, width, height, nullptr, nullptr, instance,
                                  nullptr);
    SetLayeredWindowAttributes(window, 0, 255, LWA_ALPHA);
    HWND edit = CreateWindowExA(0, "EDIT", "",
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                                12, 10, width - 25, height - 22, window, nullptr, instance, nullptr);
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    startupMark("note window");
    if (char* text = key ? readValue(key, "max") : nullptr) {
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        std::free(text);
    }
    if (key) RegCloseKey(key);
    startupMark("restored");

    ShowWindow(window, SW_SHOWNORMAL);
    SetFocus(edit);
    startupMark("shown");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DeleteObject(font);
    return 0;
}
