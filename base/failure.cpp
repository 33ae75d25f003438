#include "base/failure.h"

std::string substitute(const std::string& pattern, const std::string& value) {
    const std::size_t placeholder = pattern.find("%s");
    if (placeholder == std::string::npos)
        return pattern;
    std::string text = pattern;
    text.replace(placeholder, 2, value);
    return text;
}
