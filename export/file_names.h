#pragma once
// File names: the save dialog's filter of names, and the names of the daily
// copies of the note's text.
#include <cstddef>
#include <string>
#include <vector>

#include "base/text.h"

// The save dialog's filter, held as "display|pattern|...", in the form the
// platform wants: each "|" a zero byte, one more zero byte at the end.
std::string platformFilter(const std::string& filter, const LeadBytes& lead);

// The daily copies are named by their day, "YYYY-MM-DD.txt", so that the
// names sort as the days do; a folder keeps the newest few.
std::string dailyCopyName(int year, int month, int day);
bool isDailyCopyName(const std::string& name);
// Of the names in the folder, the daily copies older than the newest
// `kept` ones; other names and today's copy are never among them, whatever
// the clock said when the others were made.
std::vector<std::string> copiesBeyondNewest(std::vector<std::string> names, std::size_t kept,
                                            const std::string& today);
