#pragma once
// Files of the tests: where they go and what they hold.
#include <string>

// A file of that name in the temporary folder.
std::string tempFilePath(const std::string& name);
// The file's bytes exactly; "(no file)" when it cannot be read.
std::string fileBytes(const std::string& path);
