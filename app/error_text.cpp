#include "app/error_text.h"

std::string errorBoxText(const std::string& message, const LeadBytes& lead) {
    const std::size_t last = lead.lastCharStart(message);
    if (last != std::string::npos && static_cast<unsigned char>(message[last]) > '.')
        return message + ".";
    return message;
}
