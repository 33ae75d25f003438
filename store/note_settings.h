#pragma once
// The note's steps in the settings store: open the key at start-up, then
// initialise it on the first run or restore text, position and size; save
// them at shut-down.
#include "store/stored_note.h"

class TRegistry;

void OpenNoteSettings(TRegistry& key);
void RestoreNote(TRegistry& key, StoredNote& note);
void SaveNote(TRegistry& key, const StoredNote& note);
