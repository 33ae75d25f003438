#include "store/note_settings.h"

#include <string>
#include <utility>
#include <vector>

#include "base/system.h"
#include "store/registry.h"
#include "store/registry_rules.h"

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

// Reads a value and records what the store holds.
std::string readRecorded(TRegistry& key, const char* name, StoredValues& stored) {
    std::string value = key.ReadString(name);
    stored[name] = value;
    return value;
}

using NamedValues = std::vector<std::pair<const char*, std::string>>;

// The note's values in the order they are saved.
NamedValues valuesOf(const StoredNote& note, SavedValues which) {
    NamedValues values{{"max", note.Text()}};
    if (which == SavedValues::Text) return values;
    values.insert(values.end(), {{"top", std::to_string(note.Top())},
                                 {"left", std::to_string(note.Left())},
                                 {"height", std::to_string(note.Height())},
                                 {"width", std::to_string(note.Width())}});
    return values;
}

void writeRecorded(TRegistry& key, const char* name, const std::string& value, StoredValues& stored) {
    key.WriteString(name, value);
    stored[name] = value;
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
void RestoreNote(TRegistry& key, StoredNote& note, StoredValues& stored) {
    if (key.ReadString("first") != "1") {
        MarkFirstRun(key, note);
        return;
    }
    note.SetText(readRecorded(key, "max", stored));
    note.SetTop(textToInt(readRecorded(key, "top", stored)));
    note.SetLeft(textToInt(readRecorded(key, "left", stored)));
    note.SetHeight(textToInt(readRecorded(key, "height", stored)));
    note.SetWidth(textToInt(readRecorded(key, "width", stored)));
}

void SaveNote(TRegistry& key, const StoredNote& note) {
    for (const auto& [name, value] : valuesOf(note, SavedValues::All)) key.WriteString(name, value);
}

bool SaveChangedValues(TRegistry& key, const StoredNote& note, StoredValues& stored, SavedValues which) {
    bool written = false;
    for (const auto& [name, value] : valuesOf(note, which)) {
        const auto held = stored.find(name);
        if (held != stored.end() && held->second == value) continue;
        writeRecorded(key, name, value, stored);
        written = true;
    }
    return written;
}
