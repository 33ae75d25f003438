#pragma once
// The application's texts, from what the platform gives in the ANSI code
// page: its title, and the text of its error box.
#include <string>

#include "base/text.h"

// The application title from the executable's path (already converted to
// the ANSI code page): the file name without directory, cut before its
// first "."; every character after the first goes through lowerInPlace.
using LowerInPlace = void (*)(char* zeroTerminated);
std::string applicationTitle(const std::string& path, const LeadBytes& lead, LowerInPlace lower);

// The text of the error box: the message, with "." appended when its last
// whole character starts with a byte above ".", so sentences end in one.
std::string errorBoxText(const std::string& message, const LeadBytes& lead);
