// The menu's commands: each calls one appearance operation of the note and
// then moves the check mark of its group.
#include <initializer_list>

#include "note/form1.h"

namespace {

void moveCheck(std::initializer_list<TMenuItem*> unchecked, TMenuItem& checked) {
    for (TMenuItem* item : unchecked) item->SetChecked(false);
    checked.SetChecked(true);
}

}  // namespace

void TForm1::N2Click() {
    SetNoteColour(kCreamYellow);
    moveCheck({&N3, &N4, &N5}, N2);
}

void TForm1::N3Click() {
    SetNoteColour(kPink);
    moveCheck({&N2, &N4, &N5}, N3);
}

void TForm1::N4Click() {
    SetNoteColour(kGrassGreen);
    moveCheck({&N3, &N2, &N5}, N4);
}

void TForm1::N5Click() {
    SetNoteColour(kSkyBlue);
    moveCheck({&N3, &N4, &N2}, N5);
}

void TForm1::N6Click() {
    SetFontSize(12);
    moveCheck({&N7}, N6);
}

void TForm1::N7Click() {
    SetFontSize(9);
    moveCheck({&N6}, N7);
}

void TForm1::N9Click() {
    SetOpacity(180);
    moveCheck({&N10}, N9);
}

void TForm1::N10Click() {
    SetOpacity(255);
    moveCheck({&N9}, N10);
}

void TForm1::N11Click() {
    bool inFront = !N11.Checked();
    N11.SetChecked(inFront);
    SetStayInFront(inFront);
}

void TForm1::N13Click() { SetAlignment(Alignment::Left); }

void TForm1::N14Click() { SetAlignment(Alignment::Centre); }

void TForm1::N8Click() { Close(); }

void TForm1::N12Click() { SelectAll(); }

void TForm1::Click(TMenuItem& item) {
    if (!item.Enabled()) return;
    switch (item.Entry().command) {
        case Command::Save: return N1Click();
        case Command::Cream: return N2Click();
        case Command::Pink: return N3Click();
        case Command::Green: return N4Click();
        case Command::SkyBlue: return N5Click();
        case Command::LargeFont: return N6Click();
        case Command::SmallFont: return N7Click();
        case Command::Translucent: return N9Click();
        case Command::Opaque: return N10Click();
        case Command::StayInFront: return N11Click();
        case Command::AlignLeft: return N13Click();
        case Command::AlignCentre: return N14Click();
        case Command::Exit: return N8Click();
        case Command::SelectAll: return N12Click();
    }
}
