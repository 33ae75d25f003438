#pragma once
// Byte counts handed to platform calls that take a 32-bit count. In a 64-bit
// build a text can be longer than such a call can take: cutting its size
// would write part of it and report success.
#include <cstddef>
#include <cstdint>
#include <optional>

// The size as a 32-bit count; nothing when it does not fit.
std::optional<std::uint32_t> dwordSize(std::size_t size);
