#pragma once
// The menu's commands: one handler per item (N1Click for N1 ...), each
// calling one operation of the note and then moving the check mark of its
// group.
#include <initializer_list>

#include "commands/menu_items.h"

// The colours the colour items choose; what each looks like is the note's.
enum class ColourChoice { CreamYellow, Pink, GrassGreen, SkyBlue };

// What the commands do to the note; the note implements it. None of the
// operations touches a check mark.
class NoteOperations {
public:
    virtual void SetNoteColour(ColourChoice colour) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetOpacity(int opacity) = 0;
    virtual void SetStayInFront(bool inFront) = 0;
    // The text centred, or aligned left.
    virtual void SetCentred(bool centred) = 0;
    virtual void SelectAll() = 0;
    // Writes the note's text to a text file.
    virtual void Save() = 0;
    // A close request: ends the program through the shut-down sequence.
    virtual void Close() = 0;

protected:
    ~NoteOperations() = default;
};

class TNoteCommands {
public:
    // The commands act on the note and its menu items.
    TNoteCommands(NoteOperations& note, TMenuItems& items) : note_(note), items_(items) {}

    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();
    void N12Click();
    void N13Click();
    void N14Click();

    // Runs the command of a menu item.
    void Click(const TMenuItem& item) { (this->*item.Entry().command)(); }

private:
    void moveCheck(std::initializer_list<TMenuItem*> unchecked, TMenuItem& checked);
    void chooseColour(ColourChoice colour, TMenuItem& item);

    NoteOperations& note_;
    TMenuItems& items_;
};
