#include "tests/win32/support/program.h"

#include <gtest/gtest.h>

#include "tests/win32/support/windows_of_process.h"

std::string programPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    directory.erase(directory.find_last_of('\\') + 1);
    return directory + "Tarvissel.exe";
}

HWND noteTextArea(HWND note) { return FindWindowExA(note, nullptr, "Edit", nullptr); }

std::string noteText(HWND note) {
    HWND edit = noteTextArea(note);
    std::string text(static_cast<size_t>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

void setNoteText(HWND note, const std::string& text) {
    SendMessageA(noteTextArea(note), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

RunningProgram::RunningProgram(int showCommand, const std::string& path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + path + "\"";
    // Wine under load now and then fails a process start with an internal
    // error before the program runs at all: that is tried again, a bounded
    // number of times; the program's own failures are not.
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &info))
            break;
        error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR) break;
        Sleep(200);
    }
    if (!info.hProcess) {
        ADD_FAILURE() << "cannot start " << path << ", error " << error;
        return;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    // Its windows exist once it waits for input for the first time.
    WaitForInputIdle(process_, kWindowTimeoutMs);
}

RunningProgram::~RunningProgram() {
    if (!process_) return;
    if (running()) kill();
    CloseHandle(process_);
}

HWND RunningProgram::waitForNote(DWORD timeoutMs) const {
    return waitForVisibleWindow(processId_, "TForm1", timeoutMs);
}

HWND RunningProgram::waitForApplicationWindow(DWORD timeoutMs) const {
    return waitForTopLevelWindow(processId_, "TApplication", timeoutMs);
}

void RunningProgram::closeNote() const {
    postClose(findTopLevelWindow(processId_, "TForm1"));
}

void RunningProgram::postClose(HWND window) const {
    ASSERT_NE(window, nullptr) << "no window to close";
    PostMessageA(window, WM_CLOSE, 0, 0);
}

bool RunningProgram::waitForExit(DWORD timeoutMs) const {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

bool RunningProgram::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD RunningProgram::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

void RunningProgram::kill() {
    if (!running()) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, kExitTimeoutMs);
}
