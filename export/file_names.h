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
// `kept` ones up to today. Other names, today's copy and copies dated after
// today are never among them, nor counted: a clock set back to an earlier
// day (or set ahead when they were made) must not remove the real copies to
// keep the later-dated ones, which may be the newest the user has.
std::vector<std::string> copiesBeyondNewest(std::vector<std::string> names, std::size_t kept,
                                            const std::string& today);

// A moment of the local clock, to the second.
struct ClockTime {
    int year, month, day, hour, minute, second;
};
// The file of text the store could not take: "unstored-YYYY-MM-DD-HHMMSS.txt"
// for the first attempt, "unstored-YYYY-MM-DD-HHMMSS-2.txt" and on where
// the earlier names are taken. Never a daily copy's name, so never pruned.
std::string unstoredTextName(const ClockTime& when, int attempt);
