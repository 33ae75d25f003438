#include "base/dword_size.h"

#include <limits>

std::optional<std::uint32_t> dwordSize(std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(size);
}
