#pragma once
// Files of the tests: where they go and what they hold.
#include <string>
#include <vector>

// A file of that name in the temporary folder.
std::string tempFilePath(const std::string& name);
// The file's bytes exactly; "(no file)" when it cannot be read.
std::string fileBytes(const std::string& path);

// The folder of the note's daily copies, with a trailing "\": Vessan\Tarvissel
// in the user's local application data folder, as the shell names it.
std::string dailyCopiesFolder();
// Today's copy's name, "YYYY-MM-DD.txt".
std::string todaysCopyName();
// Writes the bytes to the file, replacing it; the test fails if it cannot.
void writeFileBytes(const std::string& path, const std::string& bytes);
// The names of the files in the folder (with its trailing "\") that match
// the pattern.
std::vector<std::string> filesIn(const std::string& folder, const std::string& pattern);
// Removes the copies' folder with every file in it, and Vessan if empty.
void removeDailyCopies();
