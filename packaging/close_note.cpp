// The installer's custom actions around a running note. Before its program
// is replaced or removed, a running note, found by the mark its application
// window carries for a later start, is asked to close the normal way
// (WM_CLOSE to that window), so that it saves its text as at any close, and
// the installation waits for it to end; a note that does not end in time
// stops the installation with a message instead. A note closed so is
// remembered (NOTEWASRUNNING), and the package starts the installed note
// again at the end, or at the very end of an installation that failed or was
// cancelled, once it is rolled back: the user had it running. Every start is
// at the user's own level, also from an elevated installation
// (start_as_user.h). Paths go through the wide calls only: a profile folder
// whose name lies outside the ANSI code page is still found.
#include <windows.h>
#include <msi.h>
#include <msiquery.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "base/scoped_handle.h"
#include "base/window.h"
#include "packaging/start_as_user.h"

namespace {

const DWORD kCloseTimeoutMs = 15000;
const wchar_t kProgramName[] = L"Tarvissel.exe";
const wchar_t kNoteWasRunning[] = L"NOTEWASRUNNING";
const char kStillRunning[] = "Tarvissel is running and did not close. Close the note (Ctrl+Q) and run the installation again.";

std::wstring property(MSIHANDLE install, const wchar_t* name) {
    wchar_t empty[1] = L"";
    DWORD size = 0;
    if (MsiGetPropertyW(install, name, empty, &size) != ERROR_MORE_DATA) return std::wstring();
    std::wstring value(++size, L'\0');
    if (MsiGetPropertyW(install, name, &value[0], &size) != ERROR_SUCCESS) return std::wstring();
    value.resize(size);
    return value;
}

// A path of up to 32767 characters, the longest Windows allows.
std::wstring imagePath(DWORD processId) {
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    if (!process || !QueryFullProcessImageNameW(process.get(), 0, &path[0], &size)) return std::wstring();
    path.resize(size);
    return path;
}

struct RunningNote {
    HWND application;
    DWORD processId;
};

struct Search {
    std::wstring program;
    std::vector<RunningNote> found;
};

BOOL CALLBACK collectNote(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    if (!GetPropA(window, kRunningNoteProperty)) return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (lstrcmpiW(imagePath(processId).c_str(), search.program.c_str()) == 0)
        search.found.push_back({window, processId});
    return TRUE;
}

// Notes started from the install folder only: a copy run from elsewhere
// (an unpacked zip) is none of the installer's business.
std::vector<RunningNote> notesRunningFrom(const std::wstring& folder) {
    Search search{folder + kProgramName, {}};
    EnumWindows(collectNote, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void closeAndWait(const RunningNote& note) {
    const KernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, note.processId));
    if (!process) return;  // ended meanwhile
    PostMessageA(note.application, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.get(), kCloseTimeoutMs) != WAIT_OBJECT_0) throw std::runtime_error(kStillRunning);
}

void report(MSIHANDLE install, const char* message) {
    MSIHANDLE record = MsiCreateRecord(0);
    MsiRecordSetStringA(record, 0, message);
    MsiProcessMessage(install, INSTALLMESSAGE(INSTALLMESSAGE_ERROR | MB_OK | MB_ICONWARNING), record);
    MsiCloseHandle(record);
}

void startNoteIn(const std::wstring& folder) {
    if (!folder.empty()) startAsUser(folder + kProgramName, folder);
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall CloseRunningNote(MSIHANDLE install) {
    try {
        const std::wstring folder = property(install, L"INSTALLDIR");
        if (folder.empty()) return ERROR_SUCCESS;
        const std::vector<RunningNote> running = notesRunningFrom(folder);
        for (const RunningNote& note : running) closeAndWait(note);
        if (!running.empty()) MsiSetPropertyW(install, kNoteWasRunning, L"1");
        return ERROR_SUCCESS;
    } catch (const std::exception& failure) {
        report(install, failure.what());
        return ERROR_INSTALL_FAILURE;
    }
}

// Started for the user who runs the installation, from the install folder:
// at the end of an installation, and at the end of one that failed or was
// cancelled, where the rollback has put back what was there. A note that
// cannot be started leaves the installation as it is.
extern "C" __declspec(dllexport) UINT __stdcall StartInstalledNote(MSIHANDLE install) {
    startNoteIn(property(install, L"INSTALLDIR"));
    return ERROR_SUCCESS;
}
