// The note in Windows' high contrast: while it is on, the margin and the text
// area take the theme's window colour, the text and the frame its
// window-text colour, and the note is opaque. The colour and opacity the
// commands choose are kept and come back when it is turned off.
#include "base/system.h"
#include "note/form1.h"

COLORREF TForm1::ShownColour() const { return highContrast_ ? GetSysColor(COLOR_WINDOW) : colour_; }

int TForm1::ShownOpacity() const { return highContrast_ ? 255 : opacity_; }

void TForm1::FollowHighContrast(bool coloursChanged) {
    const bool on = highContrastOn();
    if (on == highContrast_ && !coloursChanged) return;
    highContrast_ = on;
    ShowColour();
    if (handle_) ApplyOpacity();
    for (TPanel* panel : {&Panel1, &Panel2, &Panel3, &Panel4}) panel->SetThemeColours(on);
}
