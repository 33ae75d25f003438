// The note's outer bounds, read from and applied to its platform window.
#include "note/form1.h"

namespace {

RECT windowRect(HWND window, const RECT& recorded) {
    RECT rect = recorded;
    if (window) GetWindowRect(window, &rect);
    return rect;
}

}  // namespace

int TForm1::Left() const { return windowRect(handle_, bounds_).left; }
int TForm1::Top() const { return windowRect(handle_, bounds_).top; }
int TForm1::Width() const {
    const RECT rect = windowRect(handle_, bounds_);
    return rect.right - rect.left;
}
int TForm1::Height() const {
    const RECT rect = windowRect(handle_, bounds_);
    return rect.bottom - rect.top;
}

void TForm1::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void TForm1::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void TForm1::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void TForm1::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void TForm1::SetBounds(int left, int top, int width, int height) {
    bounds_ = RECT{left, top, left + width, top + height};
    if (!handle_) return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (width == Width() && height == Height()) flags |= SWP_NOSIZE;
    SetWindowPos(handle_, nullptr, left, top, width, height, flags);
}

std::string TForm1::Text() const { return Memo1.Text(); }
void TForm1::SetText(const std::string& text) { Memo1.SetText(text); }
