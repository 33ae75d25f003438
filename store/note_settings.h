#pragma once
// The note's steps in the settings store: open the key at start-up, then
// initialise it on the first run or restore text, position and size; write
// everything at the close, and what changed while the note runs.
#include <string>

#include "store/save_schedule.h"

class TRegistry;

// What the settings store restores into and saves from: the note's text
// and its window's geometry, and where the text the store held goes before
// a write replaces it. The note implements it.
class StoredNote {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    // Whether the text the store holds is wanted before a write replaces it
    // (the day's copy), so that it is read only then; and where it goes.
    virtual bool WantsReplacedText() const = 0;
    virtual void KeepReplacedText(const std::string& held) = 0;

protected:
    ~StoredNote() = default;
};

// Opens the settings key as a whole into `key`, or nothing: where a step
// fails, the failure is raised and `key` is left with no key open, so that
// no value of the note ever goes to a key on the way to its own.
void OpenNoteSettings(TRegistry& key);
// Records in `held` what it reads and writes.
void RestoreNote(TRegistry& key, StoredNote& note, HeldValues& held);

// The writes. A settings key that is not open (the open failed) or that
// another program removed or renamed while the note runs is made again
// where OpenNoteSettings makes it, and written whole, silently. A key that
// cannot be made, or a write that still fails, raises, leaving the values
// before it written and recorded in `held`.
// The close save: text, top, left, height and width, in that order.
void WriteNoteOnClose(TRegistry& key, StoredNote& note, HeldValues& held);
// The save while running: what `scope` covers and changed, and whatever the
// store may lack; true when anything was written.
bool WriteChangedValues(TRegistry& key, StoredNote& note, HeldValues& held, SaveScope scope);
// Whether the store holds the note's text as it is now.
bool TextIsStored(const StoredNote& note, const HeldValues& held);
