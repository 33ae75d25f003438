// The note's outer bounds, read from and applied to its platform window.
#include "note/form1.h"

#include <vector>

#include "base/monitors.h"
#include "note/view_rule.h"

// Kept as left, top, width and height, never as edges: a stored place near
// the ends of the integer range has no right or bottom edge that fits in one.
Bounds TForm1::WindowBounds() const {
    if (!handle_ || deferringBounds_) return bounds_;
    RECT rect;
    GetWindowRect(handle_, &rect);
    return Bounds{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

int TForm1::Left() const { return WindowBounds().left; }
int TForm1::Top() const { return WindowBounds().top; }
int TForm1::Width() const { return WindowBounds().width; }
int TForm1::Height() const { return WindowBounds().height; }

void TForm1::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void TForm1::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void TForm1::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void TForm1::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void TForm1::SetBounds(int left, int top, int width, int height) {
    const Bounds before = WindowBounds();
    bounds_ = Bounds{left, top, width, height};
    if (!handle_ || deferringBounds_) return;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (width == before.width && height == before.height) flags |= SWP_NOSIZE;
    placing_ = true;
    SetWindowPos(handle_, nullptr, left, top, width, height, flags);
    placing_ = false;
    // The new place may lie on a monitor of another density.
    FollowMonitorDensity();
}

TForm1::DeferredBounds::DeferredBounds(TForm1& form) : form_(form) {
    form_.bounds_ = form_.WindowBounds();
    form_.deferringBounds_ = true;
}

TForm1::DeferredBounds::~DeferredBounds() {
    form_.deferringBounds_ = false;
    const Bounds b = form_.bounds_;
    form_.SetBounds(b.left, b.top, b.width, b.height);
}

std::string TForm1::Text() const { return Memo1.Text(); }
void TForm1::SetText(const std::string& text) { Memo1.SetText(text); }

void TForm1::KeepInView() {
    std::vector<Bounds> workAreas;
    for (const RECT& area : monitorWorkAreas())
        workAreas.push_back(Bounds{area.left, area.top, area.right - area.left, area.bottom - area.top});
    const Bounds kept = keptInView(WindowBounds(), workAreas);
    SetBounds(kept.left, kept.top, kept.width, kept.height);
}
