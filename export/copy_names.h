#pragma once
// The daily copies of the note's text are named by their day,
// "YYYY-MM-DD.txt", so that the names sort as the days do; a folder keeps
// the newest few.
#include <cstddef>
#include <string>
#include <vector>

std::string dailyCopyName(int year, int month, int day);
bool isDailyCopyName(const std::string& name);
// Of the names in the folder, the daily copies older than the newest
// `kept` ones; other names are never among them.
std::vector<std::string> copiesBeyondNewest(std::vector<std::string> names, std::size_t kept);
