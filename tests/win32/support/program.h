#pragma once
// Starts processes for the tests, and runs the real Tarvissel.exe (beside
// the test executable) for end-to-end tests. The program's owner never
// leaves it behind: whatever the test did, a program still running when the
// owner goes is killed.
#include <windows.h>

#include <optional>
#include <string>

#include "base/scoped_handle.h"

// Bounds of the waits below, generous for a loaded machine.
constexpr DWORD kWindowTimeoutMs = 10000;
constexpr DWORD kExitTimeoutMs = 10000;

// The full path of a file in the test executable's directory, and of
// Tarvissel.exe there.
std::string pathBesideTests(const std::string& name);
std::string programPath();

// The text area of the program's note, and its whole text read and set
// from outside.
HWND noteTextArea(HWND note);
std::string noteText(HWND note);
void setNoteText(HWND note, const std::string& text);

// A process started for a test, its handles closed when the owner goes (the
// process itself is left alone). Wine under load now and then fails a start
// with an internal error before the program runs at all: that is tried
// again, a bounded number of times; the program's own failures are not. A
// start that fails for good fails the test.
class StartedProcess {
public:
    // The program named by `application`, or when that is empty the first
    // word of the command line, as CreateProcess finds it.
    StartedProcess(const std::string& application, std::string commandLine, STARTUPINFOA startup = {},
                   bool inheritHandles = false);

    bool started() const { return static_cast<bool>(process_); }
    HANDLE handle() const { return process_.get(); }
    DWORD id() const { return id_; }
    // The exit code once it ended within the time; nothing when it did not,
    // and it is then ended.
    std::optional<DWORD> exitCodeWithin(DWORD timeoutMs) const;

private:
    KernelHandle process_;
    DWORD id_ = 0;
};

class RunningProgram {
public:
    // Starts the program (by default the built one; an installed copy, say)
    // with the given show command (STARTUPINFO's wShowWindow); fails the
    // test's assertion when it cannot start.
    explicit RunningProgram(int showCommand = SW_SHOWNORMAL, const std::string& path = programPath());
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return process_.started(); }
    DWORD processId() const { return process_.id(); }

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
    StartedProcess process_;
};
