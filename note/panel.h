#pragma once
// One black frame strip: a disabled child window, so the pointer over it
// acts on the note beneath.
#include <windows.h>

#include "note/layout_rule.h"

class TPanel {
public:
    void CreateHandle(HWND parent, int tabOrder);
    void DestroyHandle();
    HWND Handle() const { return handle_; }
    void SetBounds(const Bounds& bounds);

private:
    HWND handle_ = nullptr;
    Bounds bounds_{0, 0, 0, 0};
};
