#pragma once
// The note's steps in the settings store: open the key at start-up, then
// initialise it on the first run or restore text, position and size; save
// them at shut-down, and save what changed while the note runs.
#include <map>
#include <string>

#include "store/stored_note.h"

class TRegistry;

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
