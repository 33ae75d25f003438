#pragma once
// The application title from the executable's path (already converted to
// the ANSI code page): the file name without directory, cut before its
// first "."; every character after the first goes through lowerInPlace.
#include <string>

#include "base/text.h"

using LowerInPlace = void (*)(char* zeroTerminated);

std::string applicationTitle(const std::string& path, const LeadBytes& lead, LowerInPlace lower);
