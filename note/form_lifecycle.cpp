// The note's start-up and shut-down steps.
#include "base/startup_marks.h"
#include "note/form1.h"
#include "store/note_settings.h"
#include "store/registry.h"

void TForm1::FormCreate() {
    STARTUP_MARK("note window");
    FormResize();
    SetNoteColour(kCreamYellow);
    SettingsKey = std::make_unique<TRegistry>();
    OpenNoteSettings(*SettingsKey);
    STARTUP_MARK("settings key opened");
    RestoreSettings();
    STARTUP_MARK("restored");
}

void TForm1::RestoreSettings() {
    // The restored place and size reach the window once, and then the text
    // and the text area's size the text area once, at the end (or at a
    // failure): the user sees only the final state, and the text is wrapped
    // once. Whatever place was restored, a failure's included, is brought
    // into view first.
    TMemo::DeferredUpdate oneWrap(Memo1);
    DeferredBounds oneMove(*this);
    try {
        RestoreNote(*SettingsKey, *this);
    } catch (...) {
        KeepInView();
        throw;
    }
    KeepInView();
}

void TForm1::FormDestroy() { SaveSettings(); }

void TForm1::SaveSettings() {
    if (SettingsKey) SaveNote(*SettingsKey, *this);
}
