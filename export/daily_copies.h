#pragma once
// A copy a day of the text the store held before the day's first save
// replaced it, in the user's local application data folder
// (Vessan\Tarvissel\YYYY-MM-DD.txt), the newest seven up to today kept: a
// mistaken select-all-and-delete is saved within seconds, and this is how
// the text before it comes back. A copy that cannot be written changes
// nothing else and is not reported: the note's own store is what matters.
// Every file there is written aside, put on the disk, then named, so that
// neither a kill nor a power cut leaves a name on a partial or empty file.
#include <string>

class DailyCopies {
public:
    // True until today's copy has been kept, by this run or an earlier one.
    bool Due() const;
    // Writes the text as today's copy unless there is one, whole or not at
    // all, then removes all but the newest seven (never today's). An empty
    // text is no copy worth keeping.
    void Keep(const std::string& text);

private:
    std::string keptOn_;  // the name of the day whose copy is kept
};

// Writes the text the store could not take to a file of its own in the copies' folder, whose name says what it
// is and which no pruning removes; false where it could not. An empty text needs no file.
bool KeepUnstoredText(const std::string& text);
