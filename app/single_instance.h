#pragma once
// One note per signed-in user. The running note holds a named mutex in the
// log-on session's Local\ namespace (other users signed in on the same
// machine have their own) and marks its application window; a second start
// finds that window, asks it to bring the note to the front and ends
// without touching the store. The mutex dies with its holder, so a killed
// note blocks nothing.
#include <windows.h>

class SingleInstance {
public:
    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another note runs and has been asked to come to the front:
    // this process ends. False when this process is to run the note (no
    // other one, or it ended while this one waited).
    bool HandedToRunningNote();
    // Marks the running note's application window for later starts to find;
    // withdrawn once the note is closing, so a start then waits for it to
    // end and restores what it saved.
    void Publish(HWND applicationWindow);
    void Withdraw();

private:
    HANDLE mutex_;
    bool owner_;
    HWND published_ = nullptr;
};

// The message a later start posts to the running note's application window.
UINT bringToFrontMessage();
