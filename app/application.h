#pragma once
// The application object: its title, the invisible application window that
// carries the taskbar button and owns the form, the event loop, the error
// box, and the start-up and shut-down order around the one form, the note.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "note/form.h"

// The title from the executable's file name (before the application window
// exists to hold it).
std::string ComputeApplicationTitle();

// Registration with Windows for a restart: after an update closed the note
// through the Restart Manager, and after a crash or a hang, Windows starts
// it again, with no command line, in every case it offers. The call goes
// through a table tests can replace.
struct RestartApi {
    decltype(&RegisterApplicationRestart) registerApplicationRestart = &RegisterApplicationRestart;
};
RestartApi& restartApi();

class TApplication : public FormHost {
public:
    // Computes the title and creates the application window; raises
    // WindowNotCreated when it cannot.
    TApplication();
    // The program's end: hides every window the application window owns,
    // destroys the form (after its FormDestroy), then the window.
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates the form from its description (hidden), owned by the
    // application window, and runs its FormCreate. A form that cannot be
    // created raises WindowNotCreated.
    template <class Form>
    void CreateForm() {
        mainForm_ = std::make_unique<Form>(static_cast<FormHost&>(*this));
        guarded(*this, [this] { mainForm_->FormCreate(); });
    }
    // Shows the form by the process's show command, then runs the event loop
    // until terminated.
    void Run(int showCommand);

    // Fetches and dispatches one event (shortcut keys go to the form first);
    // false when the queue was empty.
    bool ProcessMessage();
    // Dispatches events until the queue is empty or terminated.
    void ProcessMessages();
    // Asks the loop to end: the terminated flag is set when the resulting
    // quit message is fetched.
    void Terminate() override;
    bool Terminated() const { return terminated_; }
    bool Closing() const override { return closing_; }

    HWND Handle() const override { return handle_; }
    // The title, read back from the application window's text.
    std::string Title() const;
    TForm* MainForm() const { return mainForm_.get(); }

    // The error box: owned by the application window, captioned with the
    // title. Not shown once the session ends: a box would hold the end, and
    // no one is there to answer it.
    void ReportError(const std::string& message) override;
    void ReportFailure(const std::exception& failure) override;

    // For the application window's procedure.
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    ErrorReporter& Reporter() { return *this; }

private:
    void CreateHandle();
    void ShowMainForm(int showCommand);
    // Shortcut keys go to the form first, the rest to their windows.
    void Dispatch(const MSG& message);
    // While the application window is disabled (a modal box or dialog is
    // open), the topmost windows it owns leave the topmost band.
    void NormalizeTopMosts();
    void RestoreTopMosts();
    void SessionEnding();
    // Asked by a later start of the program: the note, or the box or dialog
    // it waits for, comes to the front, restored if minimised; false when
    // the note is closing.
    bool BringToFront();
    // The form is hidden while the application is minimised.
    void ShowOwnedWhileRestored(WPARAM sizeType);

    HWND handle_ = nullptr;
    bool terminated_ = false;
    bool closing_ = false;  // the loop has been asked to end
    bool sessionEnding_ = false;
    std::vector<HWND> topMosts_;
    bool formHiddenByMinimise_ = false;
    std::unique_ptr<TForm> mainForm_;
};
