#pragma once
// The save dialog's filter, held as "display|pattern|...", in the form the
// platform wants: each "|" a zero byte, one more zero byte at the end.
#include <string>

#include "base/text.h"

std::string platformFilter(const std::string& filter, const LeadBytes& lead);
