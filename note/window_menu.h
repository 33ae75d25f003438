#pragma once
// Moving and sizing the note from the keyboard. The note has no caption and
// no system menu, so Alt+Space opens this window menu of its own, with Move
// and Size, and either runs the keyboard mode the platform's window menu
// offers: the arrow keys move the note or its edges (see KeyboardSizing),
// Enter keeps the result and Esc puts the note back where it was. While the
// mode lasts the note holds the pointer: a click, or the capture or the
// activation lost, keeps the result as Enter does; the session's end puts
// the note back as Esc does.
#include <windows.h>

#include <functional>
#include <optional>

#include "note/keyboard_sizing_rule.h"

class TWindowMenu {
public:
    // Places the note: at every step, and back at Esc.
    std::function<void(const Bounds&)> OnPlace;
    // The move or resize has ended, kept or put back.
    std::function<void()> OnEnd;

    // Shows the menu at the top-left corner of the window, which is at
    // `bounds`, and runs the mode chosen; Move and Size are greyed while the
    // window is maximised.
    void Popup(HWND window, const Bounds& bounds);
    bool Sizing() const { return mode_.has_value(); }
    // A key-down while the mode lasts; keys other than the arrows, Enter and
    // Esc do nothing.
    void KeyDown(WPARAM key);
    // Ends the mode, if one runs, keeping the result.
    void Finish() { End(true); }
    // Ends the mode, if one runs, putting the note back where it began.
    void Cancel() { End(false); }

private:
    void Start(KeyboardSizing::Kind kind, HWND window, const Bounds& bounds);
    void End(bool keep);
    // The pointer shows what the keys move, as in the platform's own mode.
    void ShowPointer() const;

    std::optional<KeyboardSizing> mode_;
    HWND window_ = nullptr;  // the window the mode moves, which holds the capture
};

// The window's message for Alt+Space (WM_SYSCOMMAND's parameters).
bool isWindowMenuKey(WPARAM command, LPARAM key);
