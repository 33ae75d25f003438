// The appearance operations the commands and start-up use.
#include "note/form1.h"
#include "note/layered.h"

void TForm1::SetNoteColour(COLORREF colour) {
    colour_ = colour;
    ShowColour();
}

void TForm1::ShowColour() {
    brush_.reset(CreateSolidBrush(ShownColour()));
    // The margin and the text area paint with the one brush.
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
    if (HWND textArea = Memo1.Handle()) InvalidateRect(textArea, nullptr, TRUE);
}

void TForm1::SetFontSize(int points) {
    fontPoints_ = points;
    ApplyFont();
}

void TForm1::SetOpacity(int opacity) {
    if (opacity == opacity_) return;
    opacity_ = opacity;
    if (handle_) ApplyOpacity();
}

void TForm1::SetStayInFront(bool inFront) {
    if (inFront == stayInFront_) return;
    stayInFront_ = inFront;
    const bool visible = handle_ && IsWindowVisible(handle_);
    DestroyHandle();
    CreateHandle();
    if (visible) Show(SW_SHOW);
}

void TForm1::SetAlignment(Alignment alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Memo1.SetAlignment(alignment);
}

void TForm1::SelectAll() { Memo1.SelectAll(); }
