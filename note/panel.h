#pragma once
// One black frame strip: a disabled child window, so the pointer over it
// acts on the note beneath. In a high-contrast theme the strips take the
// theme's window-text colour.
#include <windows.h>

#include "note/layout_rule.h"

class TPanel {
public:
    void CreateHandle(HWND parent, int tabOrder);
    // The strip goes with the note's window, which destroys its children.
    void ReleaseHandle() { handle_ = nullptr; }
    HWND Handle() const { return handle_; }
    void SetBounds(const Bounds& bounds);
    // The theme's window-text colour, or black.
    void SetThemeColours(bool theme);

private:
    void ApplyColours();

    HWND handle_ = nullptr;
    Bounds bounds_{0, 0, 0, 0};
    bool themeColours_ = false;
};
