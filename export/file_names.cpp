#include "export/file_names.h"

#include <algorithm>

namespace {

const char kPattern[] = "dddd-dd-dd.txt";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string twoDigits(int value) { return std::string(1, char('0' + value / 10 % 10)) + char('0' + value % 10); }

std::string dayName(int year, int month, int day) {
    return twoDigits(year / 100) + twoDigits(year) + "-" + twoDigits(month) + "-" + twoDigits(day);
}

}  // namespace

std::string platformFilter(const std::string& filter, const LeadBytes& lead) {
    std::string entries = filter;
    for (std::size_t i = 0; i < entries.size(); i = lead.next(entries, i))
        if (entries[i] == '|')
            entries[i] = '\0';
    entries.push_back('\0');  // the list ends with an empty entry
    return entries;
}

std::string dailyCopyName(int year, int month, int day) { return dayName(year, month, day) + ".txt"; }

bool isDailyCopyName(const std::string& name) {
    if (name.size() != sizeof kPattern - 1) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool matches = kPattern[i] == 'd' ? isDigit(name[i]) : name[i] == kPattern[i];
        if (!matches) return false;
    }
    return true;
}

std::vector<std::string> copiesBeyondNewest(std::vector<std::string> names, std::size_t kept,
                                            const std::string& today) {
    // Copy names sort as their days do: a later name is a later day.
    const auto notCounted = [&](const std::string& name) { return !isDailyCopyName(name) || name > today; };
    names.erase(std::remove_if(names.begin(), names.end(), notCounted), names.end());
    std::sort(names.begin(), names.end());
    names.resize(names.size() > kept ? names.size() - kept : 0);
    names.erase(std::remove(names.begin(), names.end(), today), names.end());
    return names;
}

std::string unstoredTextName(const ClockTime& when, int attempt) {
    const std::string second = twoDigits(when.hour) + twoDigits(when.minute) + twoDigits(when.second);
    const std::string tried = attempt > 1 ? "-" + std::to_string(attempt) : std::string();
    return "unstored-" + dayName(when.year, when.month, when.day) + "-" + second + tried + ".txt";
}
