// The installer's custom actions around a running note. Before its program
// is replaced or removed, a running note, found by the mark its application
// window carries for a later start, is asked to close the normal way
// (WM_CLOSE to that window), so that it saves its text as at any close, and
// the installation waits for it to end; a note that does not end in time
// stops the installation with a message instead. A note closed so is
// remembered (NOTEWASRUNNING), and the package starts the installed note
// again at the end, or after a rollback where the installation failed or
// was cancelled: the user had it running. Every start is at the user's own
// level, also from an elevated installation (start_as_user.h).
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
const char kProgramName[] = "Tarvissel.exe";
const char kNoteWasRunning[] = "NOTEWASRUNNING";
const char kStillRunning[] = "Tarvissel is running and did not close. Close the note (Ctrl+Q) and run the installation again.";

std::string property(MSIHANDLE install, const char* name) {
    char empty[1] = "";
    DWORD size = 0;
    if (MsiGetPropertyA(install, name, empty, &size) != ERROR_MORE_DATA) return std::string();
    std::string value(++size, '\0');
    if (MsiGetPropertyA(install, name, &value[0], &size) != ERROR_SUCCESS) return std::string();
    value.resize(size);
    return value;
}

std::string imagePath(DWORD processId) {
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    char path[MAX_PATH * 2];
    DWORD size = sizeof path;
    if (!process || !QueryFullProcessImageNameA(process.get(), 0, path, &size)) return std::string();
    return std::string(path, size);
}

struct RunningNote {
    HWND application;
    DWORD processId;
};

struct Search {
    std::string program;
    std::vector<RunningNote> found;
};

BOOL CALLBACK collectNote(HWND window, LPARAM context) {
    Search& search = *reinterpret_cast<Search*>(context);
    if (!GetPropA(window, kRunningNoteProperty)) return TRUE;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (lstrcmpiA(imagePath(processId).c_str(), search.program.c_str()) == 0)
        search.found.push_back({window, processId});
    return TRUE;
}

// Notes started from the install folder only: a copy run from elsewhere
// (an unpacked zip) is none of the installer's business.
std::vector<RunningNote> notesRunningFrom(const std::string& folder) {
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

void startNoteIn(const std::string& folder) {
    if (!folder.empty()) startAsUser(folder + kProgramName, folder);
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall CloseRunningNote(MSIHANDLE install) {
    try {
        std::string folder = property(install, "INSTALLDIR");
        if (folder.empty()) return ERROR_SUCCESS;
        const std::vector<RunningNote> running = notesRunningFrom(folder);
        for (const RunningNote& note : running) closeAndWait(note);
        if (!running.empty()) MsiSetPropertyA(install, kNoteWasRunning, "1");
        return ERROR_SUCCESS;
    } catch (const std::exception& failure) {
        report(install, failure.what());
        return ERROR_INSTALL_FAILURE;
    }
}

// Started for the user who runs the installation, from the install folder;
// a note that cannot be started leaves the installation as it is.
extern "C" __declspec(dllexport) UINT __stdcall StartInstalledNote(MSIHANDLE install) {
    startNoteIn(property(install, "INSTALLDIR"));
    return ERROR_SUCCESS;
}

// The same on rollback, once the version that was there is back; a rollback
// action is handed the install folder as its CustomActionData.
extern "C" __declspec(dllexport) UINT __stdcall StartNoteAfterRollback(MSIHANDLE install) {
    startNoteIn(property(install, "CustomActionData"));
    return ERROR_SUCCESS;
}
