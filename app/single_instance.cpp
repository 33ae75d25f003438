#include "app/single_instance.h"

namespace {

const char kMutexName[] = "Local\\Vessan.Tarvissel";
const char kRunningNoteProperty[] = "Vessan.Tarvissel.RunningNote";
// Long enough for a loaded machine to start the running note's application
// window; a note that has none by then is hung, and a second note sharing
// its store could lose what it saves.
const DWORD kWaitForRunningNoteMs = 10000;
const DWORD kPollMs = 50;

BOOL CALLBACK findMarked(HWND window, LPARAM found) {
    if (!GetPropA(window, kRunningNoteProperty)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

HWND runningNoteWindow() {
    HWND found = nullptr;
    EnumWindows(findMarked, reinterpret_cast<LPARAM>(&found));
    return found;
}

void askToComeToFront(HWND running) {
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    // This process was started by the user and may pass the right to take
    // the foreground on to the running note.
    AllowSetForegroundWindow(processId);
    PostMessageA(running, bringToFrontMessage(), 0, 0);
}

bool acquired(DWORD waitResult) { return waitResult == WAIT_OBJECT_0 || waitResult == WAIT_ABANDONED; }

}  // namespace

UINT bringToFrontMessage() {
    static const UINT message = RegisterWindowMessageA("Vessan.Tarvissel.BringToFront");
    return message;
}

SingleInstance::SingleInstance()
    : mutex_(CreateMutexA(nullptr, TRUE, kMutexName)), owner_(mutex_ && GetLastError() != ERROR_ALREADY_EXISTS) {}

SingleInstance::~SingleInstance() {
    Withdraw();
    if (owner_) ReleaseMutex(mutex_);
    if (mutex_) CloseHandle(mutex_);
}

bool SingleInstance::HandedToRunningNote() {
    // Without the mutex there is nothing to go by: run, as a note always did.
    if (owner_ || !mutex_) return false;
    const DWORD start = GetTickCount();
    do {
        if (HWND running = runningNoteWindow()) {
            askToComeToFront(running);
            return true;
        }
        if (acquired(WaitForSingleObject(mutex_, kPollMs))) {
            owner_ = true;
            return false;
        }
    } while (GetTickCount() - start < kWaitForRunningNoteMs);
    return true;
}

void SingleInstance::Publish(HWND applicationWindow) {
    if (!owner_) return;
    if (SetPropA(applicationWindow, kRunningNoteProperty, applicationWindow)) published_ = applicationWindow;
}

void SingleInstance::Withdraw() {
    if (published_ && IsWindow(published_)) RemovePropA(published_, kRunningNoteProperty);
    published_ = nullptr;
}
