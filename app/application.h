#pragma once
// The application object: its title, the invisible application window that
// carries the taskbar button and owns the note, the event loop, and the
// start-up and shut-down order around the one form, the note.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TForm1;

class TApplication {
public:
    // Computes the title and creates the application window.
    TApplication();
    // The program's end: hides every window the application window owns,
    // destroys the note (which runs FormDestroy), then the window.
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates the note from its description (hidden) and runs FormCreate.
    void CreateForm();
    // Shows the note by the process's show command, then runs the event loop
    // until terminated.
    void Run(int showCommand);

    // Fetches and dispatches one event (shortcut keys of the text area go to
    // the note's menu first); false when the queue was empty.
    bool ProcessMessage();
    // Dispatches events until the queue is empty or terminated.
    void ProcessMessages();
    // Asks the loop to end: the terminated flag is set when the resulting
    // quit message is fetched.
    void Terminate();
    bool Terminated() const { return terminated_; }

    HWND Handle() const { return handle_; }
    // The title, read back from the application window's text.
    std::string Title() const;
    TForm1* MainForm() const { return mainForm_.get(); }

    // For the application window's procedure.
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateHandle();
    void ShowMainForm(int showCommand);
    // While the application window is disabled (a modal box or dialog is
    // open), the topmost windows it owns leave the topmost band.
    void NormalizeTopMosts();
    void RestoreTopMosts();
    void SessionEnding();
    // The note is hidden while the application is minimised.
    void ShowOwnedWhileRestored(WPARAM sizeType);

    HWND handle_ = nullptr;
    bool terminated_ = false;
    std::vector<HWND> topMosts_;
    bool noteHiddenByMinimise_ = false;
    std::unique_ptr<TForm1> mainForm_;
};

// The one application object of the process (created first by the entry).
TApplication& Application();
