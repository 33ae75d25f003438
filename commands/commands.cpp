// The menu's commands: each calls one operation of the note and then moves
// the check mark of its group.
#include "commands/note_commands.h"

void TNoteCommands::moveCheck(std::initializer_list<const char*> unchecked, const char* checked) {
    for (const char* name : unchecked) menu_.Item(name).SetChecked(false);
    menu_.Item(checked).SetChecked(true);
}

// The colour group: the chosen item checked, the other three not.
void TNoteCommands::chooseColour(COLORREF colour, const char* item) {
    note_.SetNoteColour(colour);
    moveCheck({"N2", "N3", "N4", "N5"}, item);
}

void TNoteCommands::N1Click() { note_.Save(); }

void TNoteCommands::N2Click() { chooseColour(kCreamYellow, "N2"); }

void TNoteCommands::N3Click() { chooseColour(kPink, "N3"); }

void TNoteCommands::N4Click() { chooseColour(kGrassGreen, "N4"); }

void TNoteCommands::N5Click() { chooseColour(kSkyBlue, "N5"); }

void TNoteCommands::N6Click() {
    note_.SetFontSize(12);
    moveCheck({"N7"}, "N6");
}

void TNoteCommands::N7Click() {
    note_.SetFontSize(9);
    moveCheck({"N6"}, "N7");
}

void TNoteCommands::N9Click() {
    note_.SetOpacity(180);
    moveCheck({"N10"}, "N9");
}

void TNoteCommands::N10Click() {
    note_.SetOpacity(255);
    moveCheck({"N9"}, "N10");
}

void TNoteCommands::N11Click() {
    TMenuItem& item = menu_.Item("N11");
    const bool inFront = !item.Checked();
    item.SetChecked(inFront);
    note_.SetStayInFront(inFront);
}

void TNoteCommands::N13Click() { note_.SetAlignment(Alignment::Left); }

void TNoteCommands::N14Click() { note_.SetAlignment(Alignment::Centre); }

void TNoteCommands::N8Click() { note_.Close(); }

void TNoteCommands::N12Click() { note_.SelectAll(); }

void TNoteCommands::Click(TMenuItem& item) {
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
