// The note's start-up and shut-down steps, and its saves while it runs.
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
        RestoreNote(*SettingsKey, *this, stored_);
    } catch (...) {
        KeepInView();
        throw;
    }
    KeepInView();
}

void TForm1::FormDestroy() { SaveSettings(); }

void TForm1::SaveSettings() {
    if (!SettingsKey) return;
    KeepDailyCopy();
    SaveNote(*SettingsKey, *this);
}

namespace {

const UINT_PTR kSaveTimer = 1;
// Long enough that a typist's pauses between words write nothing, short
// enough that little is lost.
const UINT kTextSaveDelayMs = 2000;

}  // namespace

void TForm1::MemoChange() {
    textSavePending_ = true;
    SetTimer(handle_, kSaveTimer, kTextSaveDelayMs, nullptr);
}

// A move or resize may still be going on: its place is saved at its end.
void TForm1::SaveTimer() { SaveChanges(SavedValues::Text); }

void TForm1::FormDeactivate() { SaveChanges(SavedValues::All); }

void TForm1::FormExitSizeMove() { SaveChanges(SavedValues::All); }

// A battery that runs flat while the machine sleeps loses nothing.
void TForm1::FormSuspend() {
    SaveChanges(SavedValues::All);
    if (SettingsKey) SettingsKey->FlushKey();
}

void TForm1::SaveChanges(SavedValues which) {
    if (textSavePending_) KillTimer(handle_, kSaveTimer);
    textSavePending_ = false;
    if (!SettingsKey) return;
    try {
        KeepDailyCopy();
        if (SaveChangedValues(*SettingsKey, *this, stored_, which)) backgroundSaveFailed_ = false;
    } catch (const std::exception& failure) {
        // A key deleted or denied while the note runs would otherwise bring
        // a box at every pause; the text stays in the note, the next change
        // and the close try again.
        if (backgroundSaveFailed_) return;
        backgroundSaveFailed_ = true;
        host_.ReportFailure(failure);
    }
}

// The text the store holds is kept as the day's copy before the day's
// first save replaces it.
void TForm1::KeepDailyCopy() {
    if (!dailyCopies_.Due()) return;
    const auto held = stored_.find("max");
    if (held != stored_.end() && held->second != Text()) dailyCopies_.Keep(held->second);
}
