#include "export/filter.h"

std::string platformFilter(const std::string& filter, const LeadBytes& lead) {
    std::string entries = filter;
    for (std::size_t i = 0; i < entries.size(); i = lead.next(entries, i))
        if (entries[i] == '|')
            entries[i] = '\0';
    entries.push_back('\0');  // the list ends with an empty entry
    return entries;
}
