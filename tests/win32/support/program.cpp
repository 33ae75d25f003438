#include "tests/win32/support/program.h"

#include <gtest/gtest.h>

#include "tests/win32/support/windows_of_process.h"

std::string pathBesideTests(const std::string& name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    directory.erase(directory.find_last_of('\\') + 1);
    return directory + name;
}

std::string programPath() { return pathBesideTests("Tarvissel.exe"); }

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

StartedProcess::StartedProcess(const std::string& application, std::string commandLine, STARTUPINFOA startup,
                               bool inheritHandles) {
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    DWORD error = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (CreateProcessA(application.empty() ? nullptr : application.c_str(), &commandLine[0], nullptr, nullptr,
                           inheritHandles, 0, nullptr, nullptr, &startup, &info))
            break;
        error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR) break;
        Sleep(200);
    }
    if (!info.hProcess) {
        ADD_FAILURE() << "cannot start " << commandLine << ", error " << error;
        return;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    id_ = info.dwProcessId;
}

std::optional<DWORD> StartedProcess::exitCodeWithin(DWORD timeoutMs) const {
    if (!process_) return std::nullopt;
    DWORD code = 0;
    if (WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0 && GetExitCodeProcess(process_.get(), &code))
        return code;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), kExitTimeoutMs);
    return std::nullopt;
}

namespace {

STARTUPINFOA showing(int showCommand) {
    STARTUPINFOA startup{};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    return startup;
}

}  // namespace

RunningProgram::RunningProgram(int showCommand, const std::string& path)
    : process_(path, "\"" + path + "\"", showing(showCommand)) {
    // Its windows exist once it waits for input for the first time.
    if (started()) WaitForInputIdle(process_.handle(), kWindowTimeoutMs);
}

RunningProgram::~RunningProgram() {
    if (running()) kill();
}

HWND RunningProgram::waitForNote(DWORD timeoutMs) const {
    return waitForVisibleWindow(processId(), "TForm1", timeoutMs);
}

HWND RunningProgram::waitForApplicationWindow(DWORD timeoutMs) const {
    return waitForTopLevelWindow(processId(), "TApplication", timeoutMs);
}

void RunningProgram::closeNote() const {
    postClose(findTopLevelWindow(processId(), "TForm1"));
}

void RunningProgram::postClose(HWND window) const {
    ASSERT_NE(window, nullptr) << "no window to close";
    PostMessageA(window, WM_CLOSE, 0, 0);
}

bool RunningProgram::waitForExit(DWORD timeoutMs) const {
    return started() && WaitForSingleObject(process_.handle(), timeoutMs) == WAIT_OBJECT_0;
}

bool RunningProgram::running() const {
    return started() && WaitForSingleObject(process_.handle(), 0) == WAIT_TIMEOUT;
}

DWORD RunningProgram::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (started()) GetExitCodeProcess(process_.handle(), &code);
    return code;
}

void RunningProgram::kill() {
    if (!running()) return;
    TerminateProcess(process_.handle(), 1);
    WaitForSingleObject(process_.handle(), kExitTimeoutMs);
}
