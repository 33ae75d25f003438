// The menu's commands: each calls one operation of the note and then moves
// the check mark of its group.
#include "commands/note_commands.h"

void TNoteCommands::moveCheck(std::initializer_list<TMenuItem*> unchecked, TMenuItem& checked) {
    for (TMenuItem* item : unchecked) item->SetChecked(false);
    checked.SetChecked(true);
}

// The colour group: the chosen item checked, the other three not.
void TNoteCommands::chooseColour(ColourChoice colour, TMenuItem& item) {
    note_.SetNoteColour(colour);
    moveCheck({&items_.N2, &items_.N3, &items_.N4, &items_.N5}, item);
}

void TNoteCommands::N1Click() { note_.Save(); }

void TNoteCommands::N2Click() { chooseColour(ColourChoice::CreamYellow, items_.N2); }

void TNoteCommands::N3Click() { chooseColour(ColourChoice::Pink, items_.N3); }

void TNoteCommands::N4Click() { chooseColour(ColourChoice::GrassGreen, items_.N4); }

void TNoteCommands::N5Click() { chooseColour(ColourChoice::SkyBlue, items_.N5); }

void TNoteCommands::N6Click() {
    note_.SetFontSize(12);
    moveCheck({&items_.N7}, items_.N6);
}

void TNoteCommands::N7Click() {
    note_.SetFontSize(9);
    moveCheck({&items_.N6}, items_.N7);
}

void TNoteCommands::N9Click() {
    note_.SetOpacity(180);
    moveCheck({&items_.N10}, items_.N9);
}

void TNoteCommands::N10Click() {
    note_.SetOpacity(255);
    moveCheck({&items_.N9}, items_.N10);
}

void TNoteCommands::N11Click() {
    const bool inFront = !items_.N11.Checked();
    items_.N11.SetChecked(inFront);
    note_.SetStayInFront(inFront);
}

void TNoteCommands::N13Click() { note_.SetCentred(false); }

void TNoteCommands::N14Click() { note_.SetCentred(true); }

void TNoteCommands::N8Click() { note_.Close(); }

void TNoteCommands::N12Click() { note_.SelectAll(); }
