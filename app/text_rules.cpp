#include "app/text_rules.h"

std::string applicationTitle(const std::string& path, const LeadBytes& lead, LowerInPlace lower) {
    const std::size_t slash = lead.findLast(path, '\\');
    std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = lead.find(title, '.');
    if (dot != std::string::npos)
        title.erase(dot);
    if (title.empty())
        return title;

    const std::size_t restStart = lead.next(title, 0);
    std::string rest = title.substr(restStart);
    lower(rest.data());
    return title.substr(0, restStart) + rest.c_str();
}

std::string errorBoxText(const std::string& message, const LeadBytes& lead) {
    const std::size_t last = lead.lastCharStart(message);
    if (last != std::string::npos && static_cast<unsigned char>(message[last]) > '.')
        return message + ".";
    return message;
}
