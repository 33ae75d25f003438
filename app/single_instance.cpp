#include "app/single_instance.h"

#include "base/window.h"

namespace {

const char kMutexName[] = "Local\\Vessan.Tarvissel";
// Long enough for a loaded machine to start the running note's application
// window; a note that has none by then is hung, and a second note sharing
// its store could lose what it saves.
const DWORD kWaitForRunningNoteMs = 10000;
const DWORD kPollMs = 50;
// A note that does not answer in this time is hung or closing.
const UINT kAnswerTimeoutMs = 2000;

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

// True when the running note came to the front; false when it is closing,
// and this start is to run the note once it has ended.
bool broughtToFront(HWND running) {
    DWORD processId = 0;
    GetWindowThreadProcessId(running, &processId);
    // This process was started by the user and may pass the right to take
    // the foreground on to the running note.
    AllowSetForegroundWindow(processId);
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(running, bringToFrontMessage(), 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer) &&
           answer == static_cast<DWORD_PTR>(kBroughtToFront);
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
    if (owner_) ReleaseMutex(mutex_.get());
}

bool SingleInstance::HandedToRunningNote() {
    // Without the mutex there is nothing to go by: run, as a note always did.
    if (owner_ || !mutex_) return false;
    const DWORD start = GetTickCount();
    do {
        HWND running = runningNoteWindow();
        if (running && broughtToFront(running)) return true;
        if (acquired(WaitForSingleObject(mutex_.get(), kPollMs))) {
            owner_ = true;
            return false;
        }
    } while (GetTickCount() - start < kWaitForRunningNoteMs);
    return true;
}

RunningNoteMark::RunningNoteMark(HWND applicationWindow)
    : marked_(SetPropA(applicationWindow, kRunningNoteProperty, applicationWindow) ? applicationWindow : nullptr) {}

RunningNoteMark::~RunningNoteMark() {
    if (marked_) RemovePropA(marked_, kRunningNoteProperty);
}
