// The note on monitors of different pixel densities: the text area's font
// keeps its physical size on each, while the layout rule and the grip stay
// in pixels and the window's place and size stay device pixels.
#include <windows.h>

#include "base/system.h"
#include "note/form1.h"

namespace {
// The described font: 12 pixels at 96 pixels per inch.
constexpr int kDescribedFontHeight = 12;
}  // namespace

void TForm1::ApplyFont() {
    // A size chosen by a font command is in points, 72 to the inch.
    const int height = fontPoints_ ? MulDiv(fontPoints_, pixelsPerInch_, 72)
                                   : MulDiv(kDescribedFontHeight, pixelsPerInch_, 96);
    Memo1.SetFontHeight(-height);
}

void TForm1::FollowMonitorDensity() {
    const int pixelsPerInch = windowPixelsPerInch(handle_);
    if (pixelsPerInch == pixelsPerInch_) return;
    pixelsPerInch_ = pixelsPerInch;
    ApplyFont();
}

void TForm1::FormDpiChanged(int pixelsPerInch, const RECT& suggested) {
    if (pixelsPerInch != pixelsPerInch_) {
        pixelsPerInch_ = pixelsPerInch;
        ApplyFont();
    }
    // The platform scales the size for the new density. When the note moved
    // itself (to a restored place), it keeps the size it set: stored sizes
    // are device pixels.
    if (placing_) return;
    SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
