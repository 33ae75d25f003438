// For scripts/run-note: the note's window as the platform knows it. Waits
// (bounded) for a visible top-level window of class TForm1, the note's
// class, and prints its place and size on screen as an X geometry,
// WIDTHxHEIGHT+LEFT+TOP. The application window, also titled "Tarvissel",
// is never taken for it. Exits 1, saying why, when none shows in time.
//   note_window [TIMEOUT_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const DWORD timeoutMs = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 20000;
    const DWORD start = GetTickCount();
    do {
        HWND note = FindWindowA("TForm1", nullptr);
        if (note && IsWindowVisible(note)) {
            RECT rect;
            GetWindowRect(note, &rect);
            std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
            return 0;
        }
        Sleep(100);
    } while (GetTickCount() - start < timeoutMs);
    std::fprintf(stderr, "note_window: no visible window of class TForm1 within %lu ms\n", timeoutMs);
    return 1;
}
