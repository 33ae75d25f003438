#pragma once
// The menu's commands: one handler per item (N1Click for N1 ...), each
// calling one operation of the note and then moving the check mark of its
// group, and the shortcut keys that run them.
#include <windows.h>

#include "app/report_error.h"
#include "commands/alignment.h"
#include "commands/menu.h"

// The note colours, 0x00BBGGRR.
constexpr COLORREF kCreamYellow = 0xAAFFFF;
constexpr COLORREF kPink = 0xFFD5FF;
constexpr COLORREF kGrassGreen = 0xAAFFAA;
constexpr COLORREF kSkyBlue = 0xFFFFAA;

// What the commands do to the note; the note implements it. None of the
// operations touches a check mark.
class NoteOperations {
public:
    virtual void SetNoteColour(COLORREF colour) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetOpacity(int opacity) = 0;
    virtual void SetStayInFront(bool inFront) = 0;
    virtual void SetAlignment(Alignment alignment) = 0;
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
    // The commands act on the note and the items of its menu; failures of
    // commands run by a shortcut go to the reporter.
    TNoteCommands(NoteOperations& note, TPopupMenu& menu, ErrorReporter& reporter)
        : note_(note), menu_(menu), reporter_(reporter) {}

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
    void Click(TMenuItem& item);
    // Runs the command of the menu item whose shortcut a key-down carries;
    // true when the key was a shortcut and so is consumed.
    bool IsShortCut(const MSG& keyMessage);

private:
    void moveCheck(std::initializer_list<const char*> unchecked, const char* checked);
    void chooseColour(COLORREF colour, const char* item);

    NoteOperations& note_;
    TPopupMenu& menu_;
    ErrorReporter& reporter_;
};
