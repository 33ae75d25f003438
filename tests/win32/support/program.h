#pragma once
// Runs the real Tarvissel.exe (beside the test executable) for end-to-end
// tests. The owner never leaves the program behind: whatever the test did,
// a program still running when the owner goes is killed.
#include <windows.h>

#include <string>

// Bounds of the waits below, generous for a loaded machine.
constexpr DWORD kWindowTimeoutMs = 10000;
constexpr DWORD kExitTimeoutMs = 10000;

// The full path of Tarvissel.exe in the test executable's directory.
std::string programPath();

// The text area of the program's note, and its whole text read and set
// from outside.
HWND noteTextArea(HWND note);
std::string noteText(HWND note);
void setNoteText(HWND note, const std::string& text);

class RunningProgram {
public:
    // Starts the program (by default the built one; an installed copy, say)
    // with the given show command (STARTUPINFO's wShowWindow); fails the
    // test's assertion when it cannot start.
    explicit RunningProgram(int showCommand = SW_SHOWNORMAL, const std::string& path = programPath());
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD processId() const { return processId_; }

    // The note: the top-level window of class "TForm1" (waits for it to
    // exist and to be visible).
    HWND waitForNote(DWORD timeoutMs = kWindowTimeoutMs) const;
    // The application window: class "TApplication" (waits for it to exist).
    HWND waitForApplicationWindow(DWORD timeoutMs = kWindowTimeoutMs) const;

    // Posts a close request to the note (WM_CLOSE).
    void closeNote() const;
    // Posts a close request to the given window of the program.
    void postClose(HWND window) const;

    // Waits for the process to end; true when it did in time.
    bool waitForExit(DWORD timeoutMs = kExitTimeoutMs) const;
    bool running() const;
    // The exit code once the process has ended.
    DWORD exitCode() const;
    // Ends the process abruptly (as a crash or a power cut would) and waits
    // for it to be gone.
    void kill();

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};
