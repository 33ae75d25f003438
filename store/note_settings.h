#pragma once
// The note's steps in the settings store: open the key at start-up, then
// initialise it on the first run or restore text, position and size; save
// them at shut-down.
class TForm1;
class TRegistry;

void OpenNoteSettings(TRegistry& key);
void RestoreNote(TRegistry& key, TForm1& note);
void SaveNote(TRegistry& key, TForm1& note);
