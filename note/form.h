#pragma once
// Where the application and its one form meet: what each needs of the
// other, so that neither knows the other's class.
#include <windows.h>

#include "base/failure.h"

// What a form needs of the application that runs it: the window that owns
// its window, the error box, and the end of the run.
class FormHost : public ErrorReporter {
public:
    virtual HWND Handle() const = 0;
    // Asks the event loop to end.
    virtual void Terminate() = 0;
    // True from the close request on: the run is ending.
    virtual bool Closing() const = 0;

protected:
    ~FormHost() = default;
};

// What the application needs of its form.
class TForm {
public:
    virtual ~TForm() = default;

    virtual HWND Handle() const = 0;
    // The start-up step: once, after the form is created, before it is shown.
    virtual void FormCreate() = 0;
    // The shut-down step: once, after the form is hidden.
    virtual void FormDestroy() = 0;
    // The close save, once per run, counted only once it is written: at the
    // session's end, whose notice may be the last thing the process does,
    // and else (or again, where that one failed) in FormDestroy.
    virtual void SaveOnClose() = 0;
    // Ends a move or resize the user has not finished, by the pointer or the
    // keyboard, putting the form back where it began, so that the session's
    // end stores a place the user chose and no loop of the platform's waits
    // for a button's release.
    virtual void CancelMoveOrSize() = 0;
    virtual void Show(int showCommand) = 0;
    virtual void Hide() = 0;
    // A close request: ends the program through the shut-down sequence.
    virtual void Close() = 0;
    // Gives the keyboard focus to the part that takes it.
    virtual void FocusActiveControl() = 0;
    // Takes a key-down before the window it is for sees it: the keys of a
    // keyboard move or resize, and the shortcuts of the menu's commands;
    // true when the key is consumed.
    virtual bool IsShortCut(const MSG& keyMessage) = 0;
};
