#include "app/application.h"

#include <vector>

#include "app/report_error.h"
#include "app/single_instance.h"
#include "app/text_rules.h"
#include "base/failure.h"
#include "base/startup_marks.h"
#include "base/system.h"
#include "base/window.h"

namespace {

const char kClassName[] = "TApplication";

void lowerInPlace(char* text) { CharLowerA(text); }

void registerForRestart() { restartApi().registerApplicationRestart(nullptr, 0); }

void registerClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = dispatchToOwner<TApplication>;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    registerWindowClass(windowClass);
}

struct OwnedWindows {
    HWND owner;
    std::vector<HWND> windows;
};

BOOL CALLBACK collectOwned(HWND window, LPARAM list) {
    auto owned = reinterpret_cast<OwnedWindows*>(list);
    if (GetWindow(window, GW_OWNER) == owned->owner) owned->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> windowsOwnedBy(HWND owner) {
    OwnedWindows owned{owner, {}};
    EnumThreadWindows(GetCurrentThreadId(), collectOwned, reinterpret_cast<LPARAM>(&owned));
    return owned.windows;
}

BOOL CALLBACK cancelDialog(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

// The menu, the save dialog or an error box waiting for the user runs a
// loop of its own, which would keep the run from ending: each is closed
// unanswered, as Esc would, and its loop returns.
void closeWhatWaitsForTheUser() {
    EndMenu();
    EnumThreadWindows(GetCurrentThreadId(), cancelDialog, 0);
}

}  // namespace

RestartApi& restartApi() {
    static RestartApi api;
    return api;
}

std::string ComputeApplicationTitle() {
    char path[256] = {};
    GetModuleFileNameA(nullptr, path, sizeof path - 1);
    OemToCharA(path, path);
    return applicationTitle(path, systemLeadBytes(), lowerInPlace);
}

TApplication::TApplication() { CreateHandle(); }

TApplication::~TApplication() {
    closing_ = true;
    for (HWND window : windowsOwnedBy(handle_)) ShowWindow(window, SW_HIDE);
    if (mainForm_) {
        mainForm_->Hide();
        guarded(*this, [this] { mainForm_->FormDestroy(); });
        mainForm_.reset();
    }
    DestroyWindow(handle_);
}

void TApplication::CreateHandle() {
    registerClass(GetModuleHandleA(nullptr));
    const std::string title = ComputeApplicationTitle();
    STARTUP_MARK("title");
    handle_ = createWindow(0, kClassName, title.c_str(),
                           WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                           this);
    HMENU systemMenu = GetSystemMenu(handle_, FALSE);
    for (UINT command : {SC_MAXIMIZE, SC_SIZE, SC_MOVE}) DeleteMenu(systemMenu, command, MF_BYCOMMAND);
    STARTUP_MARK("application window");
}

std::string TApplication::Title() const {
    char title[256] = {};
    GetWindowTextA(handle_, title, sizeof title);
    return title;
}

void TApplication::ReportError(const std::string& message) {
    if (!sessionEnding_) ShowErrorBox(handle_, Title(), message);
}

void TApplication::ReportFailure(const std::exception& failure) {
    ReportError(failure.what());
    if (dynamic_cast<const WindowNotCreated*>(&failure)) Terminate();
}

void TApplication::Run(int showCommand) {
    ShowMainForm(showCommand);
    STARTUP_MARK("shown");
    registerForRestart();
    // Waiting in GetMessage is what tells the platform that the program is
    // idle and waiting for input.
    MSG message;
    while (!terminated_) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            terminated_ = true;  // the quit message
            return;
        }
        Dispatch(message);
    }
}

void TApplication::ShowMainForm(int showCommand) {
    if (showCommand == SW_SHOWMINNOACTIVE) {
        ShowWindow(handle_, SW_SHOWMINNOACTIVE);
        formHiddenByMinimise_ = true;
        return;
    }
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
    mainForm_->Show(showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

bool TApplication::ProcessMessage() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT)
        terminated_ = true;
    else
        Dispatch(message);
    return true;
}

void TApplication::Dispatch(const MSG& message) {
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyDown && mainForm_ && mainForm_->IsShortCut(message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::ProcessMessages() {
    while (!terminated_ && ProcessMessage()) {
    }
}

void TApplication::Terminate() {
    closing_ = true;
    PostQuitMessage(0);
}

void TApplication::NormalizeTopMosts() {
    if (!topMosts_.empty()) return;
    for (HWND window : windowsOwnedBy(handle_)) {
        if (IsWindowVisible(window) && (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
            topMosts_.push_back(window);
            placeInBand(window, HWND_NOTOPMOST);
        }
    }
}

void TApplication::RestoreTopMosts() {
    for (HWND window : topMosts_)
        if (IsWindow(window)) placeInBand(window, HWND_TOPMOST);
    topMosts_.clear();
}

void TApplication::SessionEnding() {
    terminated_ = closing_ = sessionEnding_ = true;
    closeWhatWaitsForTheUser();
    // The platform may end the process as soon as this notification returns:
    // save what the user typed now, not at the shut-down that may never come,
    // with the note where it will stay. A failure is not shown; the
    // shut-down, if it comes, tries once more.
    if (mainForm_) {
        mainForm_->CancelMoveOrSize();
        guarded(*this, [this] { mainForm_->SaveOnClose(); });
    }
    // The loop waits for a posted message: where the process is left to end
    // by itself (an installer or an update closing the note), it must not
    // wait for the user's next key.
    PostMessageA(handle_, WM_NULL, 0, 0);
}

LRESULT TApplication::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == bringToFrontMessage()) return BringToFront() ? kBroughtToFront : 0;
    switch (message) {
        case WM_CLOSE:
            if (mainForm_) mainForm_->Close();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) SessionEnding();
            return 0;
        case WM_ENABLE:
            if (wParam)
                RestoreTopMosts();
            else
                NormalizeTopMosts();
            return 0;
        case WM_SIZE:
            ShowOwnedWhileRestored(wParam);
            break;
        case WM_SETFOCUS:
            if (mainForm_ && IsWindowVisible(mainForm_->Handle())) mainForm_->FocusActiveControl();
            return 0;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}

void TApplication::ShowOwnedWhileRestored(WPARAM sizeType) {
    if (!mainForm_) return;
    if (sizeType == SIZE_MINIMIZED && IsWindowVisible(mainForm_->Handle())) {
        mainForm_->Hide();
        formHiddenByMinimise_ = true;
    } else if (sizeType == SIZE_RESTORED && formHiddenByMinimise_) {
        formHiddenByMinimise_ = false;
        mainForm_->Show(SW_SHOWNORMAL);
    }
}

bool TApplication::BringToFront() {
    // A note on its way out leaves the later start to run the next one.
    if (!mainForm_ || closing_) return false;
    // Restoring the application shows the note again.
    if (IsIconic(handle_)) ShowWindow(handle_, SW_RESTORE);
    // An open error box or save dialog comes first: the note waits for it.
    HWND popup = GetLastActivePopup(handle_);
    if (popup != handle_ && popup != mainForm_->Handle() && IsWindowEnabled(popup)) {
        SetForegroundWindow(popup);
        return true;
    }
    if (!IsWindowVisible(mainForm_->Handle())) mainForm_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(mainForm_->Handle());
    mainForm_->FocusActiveControl();
    return true;
}
