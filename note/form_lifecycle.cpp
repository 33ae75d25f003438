// The note's start-up and shut-down steps.
#include "note/form1.h"
#include "store/note_settings.h"
#include "store/registry.h"

void TForm1::FormCreate() {
    FormResize();
    SetNoteColour(kCreamYellow);
    SettingsKey = std::make_unique<TRegistry>();
    OpenNoteSettings(*SettingsKey);
    // The restored text and sizes reach the text area once, at the end (or
    // at a failure): the user sees only the final state.
    TMemo::DeferredUpdate oneWrap(Memo1);
    RestoreNote(*SettingsKey, *this);
}

void TForm1::FormDestroy() { SaveSettings(); }

void TForm1::SaveSettings() {
    if (SettingsKey) SaveNote(*SettingsKey, *this);
}
