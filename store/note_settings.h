#pragma once
// The note's steps in the settings store: open the key at start-up, then
// initialise it on the first run or restore text, position and size; save
// them at shut-down, and save what changed while the note runs.
#include <map>
#include <string>

class TRegistry;

// What the settings store restores into and saves from: the note's text
// and its window's geometry. The note implements it.
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

protected:
    ~StoredNote() = default;
};

// The store's values as this run last read or wrote them, by name: what a
// save while running compares with, so that it writes only what changed.
using StoredValues = std::map<std::string, std::string>;

// Which of the note's values a save while running may write: the text
// alone while a move or resize may still be going on, else everything.
enum class SavedValues { Text, All };

void OpenNoteSettings(TRegistry& key);
void RestoreNote(TRegistry& key, StoredNote& note, StoredValues& stored);
// The save at shut-down: every value, in its fixed order.
void SaveNote(TRegistry& key, const StoredNote& note);
// Writes, in the same order, the values that differ from what the store
// holds; true when anything was written. A failed write raises, leaving the
// values before it written and recorded.
bool SaveChangedValues(TRegistry& key, const StoredNote& note, StoredValues& stored, SavedValues which);
