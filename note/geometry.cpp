// The note's outer bounds, read from and applied to its platform window.
#include "note/form1.h"

#include <vector>

#include "base/monitors.h"
#include "note/view_rule.h"

RECT TForm1::WindowRect() const {
    RECT rect = bounds_;
    if (handle_ && !deferringBounds_) GetWindowRect(handle_, &rect);
    return rect;
}

int TForm1::Left() const { return WindowRect().left; }
int TForm1::Top() const { return WindowRect().top; }
int TForm1::Width() const {
    const RECT rect = WindowRect();
    return rect.right - rect.left;
}
int TForm1::Height() const {
    const RECT rect = WindowRect();
    return rect.bottom - rect.top;
}

void TForm1::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void TForm1::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void TForm1::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void TForm1::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void TForm1::SetBounds(int left, int top, int width, int height) {
    const RECT before = WindowRect();
    bounds_ = RECT{left, top, left + width, top + height};
    if (!handle_ || deferringBounds_) return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (width == before.right - before.left && height == before.bottom - before.top) flags |= SWP_NOSIZE;
    placing_ = true;
    SetWindowPos(handle_, nullptr, left, top, width, height, flags);
    placing_ = false;
    // The new place may lie on a monitor of another density.
    FollowMonitorDensity();
}

TForm1::DeferredBounds::DeferredBounds(TForm1& form) : form_(form) {
    form_.bounds_ = form_.WindowRect();
    form_.deferringBounds_ = true;
}

TForm1::DeferredBounds::~DeferredBounds() {
    form_.deferringBounds_ = false;
    const RECT& b = form_.bounds_;
    form_.SetBounds(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

std::string TForm1::Text() const { return Memo1.Text(); }
void TForm1::SetText(const std::string& text) { Memo1.SetText(text); }

void TForm1::KeepInView() {
    std::vector<Bounds> workAreas;
    for (const RECT& area : monitorWorkAreas())
        workAreas.push_back(Bounds{area.left, area.top, area.right - area.left, area.bottom - area.top});
    const Bounds kept = keptInView(Bounds{Left(), Top(), Width(), Height()}, workAreas);
    SetBounds(kept.left, kept.top, kept.width, kept.height);
}
