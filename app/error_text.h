#pragma once
// The text of the error box: the message, with "." appended when its last
// whole character starts with a byte above ".", so sentences end in one.
#include <string>

#include "base/text.h"

std::string errorBoxText(const std::string& message, const LeadBytes& lead);
