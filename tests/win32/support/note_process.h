#pragma once
// The real program, started from the test: its windows found from outside,
// its settings key prepared, its end awaited.
#include <windows.h>

#include <string>

// Writes the settings the next start restores (not the first start).
void prepareSettings(const std::string& text, int left, int top, int width, int height);
// A value of the note's settings key; "(none)" when it cannot be read.
std::string settingsValue(const char* name);

class NoteProcess {
public:
    // Starts Tarvissel.exe from the test program's folder and waits until
    // its note is shown.
    NoteProcess();
    // Ends the program if it still runs: a close request, then by force.
    ~NoteProcess();
    NoteProcess(const NoteProcess&) = delete;
    NoteProcess& operator=(const NoteProcess&) = delete;

    HWND Note() const { return note_; }
    HWND TextArea() const;
    RECT NoteRect() const;
    // The shown popup menu window of the program, or nullptr.
    HWND ShownMenu() const;
    std::string Text() const;
    // Waits until the program has ended; true when it has.
    bool WaitForExit(DWORD timeoutMs);

private:
    PROCESS_INFORMATION process_{};
    HWND note_ = nullptr;
};
