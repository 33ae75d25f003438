#include "base/text.h"

#include <limits>

LeadBytes::LeadBytes(const unsigned char* ranges, std::size_t maxPairs) {
    for (std::size_t pair = 0; pair < maxPairs; ++pair) {
        const unsigned first = ranges[2 * pair];
        const unsigned last = ranges[2 * pair + 1];
        if (first == 0 && last == 0)
            break;
        for (unsigned byte = first; byte <= last; ++byte) {
            lead_[byte] = true;
            any_ = true;
        }
    }
}

std::size_t LeadBytes::next(const std::string& text, std::size_t i) const {
    if (i >= text.size())
        return text.size();
    // A lead byte cut off at the end of the text stands alone.
    const bool pair = isLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    return i + (pair ? 2 : 1);
}

std::size_t LeadBytes::find(const std::string& text, char c) const {
    for (std::size_t i = 0; i < text.size(); i = next(text, i))
        if (text[i] == c)
            return i;
    return std::string::npos;
}

std::size_t LeadBytes::findLast(const std::string& text, char c) const {
    std::size_t found = std::string::npos;
    for (std::size_t i = 0; i < text.size(); i = next(text, i))
        if (text[i] == c)
            found = i;
    return found;
}

std::size_t LeadBytes::lastCharStart(const std::string& text) const {
    std::size_t start = std::string::npos;
    for (std::size_t i = 0; i < text.size(); i = next(text, i))
        start = i;
    return start;
}

std::optional<std::uint32_t> dwordSize(std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(size);
}
