#include "store/note_settings.h"

#include <string>

#include "base/screen_density.h"
#include "store/registry.h"
#include "store/text_to_int.h"

namespace {

// Initialises a store that has not been marked as started: the note opens
// small in the top-left corner with empty text; its size is designed for 96
// pixels per inch and would be tiny on a denser screen.
void MarkFirstRun(TRegistry& key, StoredNote& note) {
    key.WriteString("first", "1");
    note.SetTop(10);
    note.SetLeft(10);
    note.SetHeight(atScreenDensity(100));
    note.SetWidth(atScreenDensity(100));
}

}  // namespace

// Each open runs whatever the step before it left current, so a missing
// "software" puts the settings key directly under the root.
void OpenNoteSettings(TRegistry& key) {
    key.SetRootKey(HKEY_CURRENT_USER);
    key.OpenKey("software", false);
    key.CreateKey("Vessan");
    key.OpenKey("Vessan", false);
    key.CreateKey("Ordeluma");
    key.OpenKey("Ordeluma", true);
    key.CreateKey("位置");
    key.OpenKey("位置", true);
}

// Each value is applied as soon as it is read, so a failure leaves the
// values before it in effect.
void RestoreNote(TRegistry& key, StoredNote& note) {
    if (key.ReadString("first") != "1") {
        MarkFirstRun(key, note);
        return;
    }
    note.SetText(key.ReadString("max"));
    note.SetTop(textToInt(key.ReadString("top")));
    note.SetLeft(textToInt(key.ReadString("left")));
    note.SetHeight(textToInt(key.ReadString("height")));
    note.SetWidth(textToInt(key.ReadString("width")));
}

void SaveNote(TRegistry& key, const StoredNote& note) {
    key.WriteString("max", note.Text());
    key.WriteString("top", std::to_string(note.Top()));
    key.WriteString("left", std::to_string(note.Left()));
    key.WriteString("height", std::to_string(note.Height()));
    key.WriteString("width", std::to_string(note.Width()));
}
