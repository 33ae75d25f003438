#pragma once
// One note per signed-in user. The running note holds a named mutex in the
// log-on session's Local\ namespace (other users signed in on the same
// machine have their own) and marks its application window; a second start
// finds that window, asks it to bring the note to the front and ends
// without touching the store. The mutex dies with its holder, so a killed
// note blocks nothing.
#include <windows.h>

#include "base/scoped_handle.h"

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
private:
    KernelHandle mutex_;
    bool owner_;
};

// The mark on the running note's application window that later starts look
// for, while it lives. Made after the application, it goes before the
// application's windows on every way out, so that a start while the note
// closes waits for it to end and restores what it saved.
class RunningNoteMark {
public:
    explicit RunningNoteMark(HWND applicationWindow);
    ~RunningNoteMark();
    RunningNoteMark(const RunningNoteMark&) = delete;
    RunningNoteMark& operator=(const RunningNoteMark&) = delete;

private:
    HWND marked_;
};

// The message a later start sends to the running note's application
// window; answered kBroughtToFront unless the note is closing.
UINT bringToFrontMessage();
constexpr LRESULT kBroughtToFront = 0x7A5;
