#include "store/note_settings.h"

#include <utility>

#include "base/failure.h"
#include "base/system.h"
#include "store/registry.h"
#include "store/registry_rules.h"

namespace {

const char kTextName[] = "max";
const char kStartedName[] = "first";
const char kStarted[] = "1";

// Initialises a store that has not been marked as started: the note opens
// small in the top-left corner with empty text; its size is designed for 96
// pixels per inch and would be tiny on a denser screen.
void MarkFirstRun(TRegistry& key, StoredNote& note, HeldValues& held) {
    key.WriteString(kStartedName, kStarted);
    held[kStartedName] = kStarted;
    note.SetTop(10);
    note.SetLeft(10);
    note.SetHeight(atScreenDensity(100));
    note.SetWidth(atScreenDensity(100));
}

// Reads a value and records what the store holds.
std::string readRecorded(TRegistry& key, const char* name, HeldValues& held) {
    std::string value = key.ReadString(name);
    held[name] = value;
    return value;
}

// The note's values in the order the close writes them, the text first and
// the started mark last.
NamedValues currentValues(const StoredNote& note) {
    return {{kTextName, note.Text()},
            {"top", std::to_string(note.Top())},
            {"left", std::to_string(note.Left())},
            {"height", std::to_string(note.Height())},
            {"width", std::to_string(note.Width())},
            {kStartedName, kStarted}};
}

void keepReplacedText(TRegistry& key, StoredNote& note, const std::string& text) {
    if (!note.WantsReplacedText()) return;
    // Read now, whatever its type: text this run could not restore is kept too.
    const std::string held = key.ReadAnyText(kTextName);
    if (!held.empty() && held != text) note.KeepReplacedText(held);
}

void writeValues(TRegistry& key, StoredNote& note, HeldValues& held, const NamedValues& values) {
    for (const auto& [name, value] : values) {
        if (name == kTextName) keepReplacedText(key, note, value);
        key.WriteString(name, value);
        held[name] = value;
    }
}

void makeKeyAgain(TRegistry& key, HeldValues& held) {
    held.clear();  // no key, or a new one: it holds nothing this run knows of
    OpenNoteSettings(key);
}

// A failed open or create raises; a key opened without creating is there.
void openStep(TRegistry& key, const char* name, bool canCreate) {
    key.CreateKey(name);
    if (!key.OpenKey(name, canCreate)) throw Failure(kCreateKeyFailed, name);
}

// Each step runs whatever the step before it left current, so a missing
// "software" puts the settings key directly under the root.
void openPath(TRegistry& key) {
    key.SetRootKey(HKEY_CURRENT_USER);
    key.OpenKey("software", false);
    openStep(key, "Vessan", false);
    openStep(key, "Ordeluma", true);
    openStep(key, "位置", true);
}

// Writes what `valuesFor` gives for what the store holds, with the key made
// again first where it is not open or gone, and once more where it went
// during a write.
template <class ValuesFor>
bool writeToKeyAtItsPath(TRegistry& key, StoredNote& note, HeldValues& held, ValuesFor valuesFor) {
    for (bool retried = false;; retried = true) {
        if (!key.CurrentKeyAtItsPath()) makeKeyAgain(key, held);
        const NamedValues values = valuesFor(held);
        try {
            writeValues(key, note, held, values);
            return !values.empty();
        } catch (const Failure&) {
            if (retried || key.CurrentKeyAtItsPath()) throw;
        }
    }
}

}  // namespace

void OpenNoteSettings(TRegistry& key) {
    TRegistry opened;
    try {
        openPath(opened);
    } catch (...) {
        key.CloseKey();
        throw;
    }
    key = std::move(opened);
}

// Each value is applied as soon as it is read, so a failure leaves the
// values before it in effect.
void RestoreNote(TRegistry& key, StoredNote& note, HeldValues& held) {
    if (key.ReadString(kStartedName) != kStarted) {
        MarkFirstRun(key, note, held);
        return;
    }
    held[kStartedName] = kStarted;
    note.SetText(readRecorded(key, kTextName, held));
    note.SetTop(textToInt(readRecorded(key, "top", held)));
    note.SetLeft(textToInt(readRecorded(key, "left", held)));
    note.SetHeight(textToInt(readRecorded(key, "height", held)));
    note.SetWidth(textToInt(readRecorded(key, "width", held)));
}

void WriteNoteOnClose(TRegistry& key, StoredNote& note, HeldValues& held) {
    writeToKeyAtItsPath(key, note, held, [&](const HeldValues& now) {
        NamedValues values = currentValues(note);
        // The mark only where this run cannot tell that the store has it.
        if (now.count(kStartedName)) values.pop_back();
        return values;
    });
}

bool WriteChangedValues(TRegistry& key, StoredNote& note, HeldValues& held, SaveScope scope) {
    return writeToKeyAtItsPath(key, note, held,
                               [&](const HeldValues& now) { return valuesToWrite(scope, currentValues(note), now); });
}

bool TextIsStored(const StoredNote& note, const HeldValues& held) {
    const auto text = held.find(kTextName);
    return text != held.end() && text->second == note.Text();
}
