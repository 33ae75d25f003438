#pragma once
// The program's 8-bit text as the platform takes it: scanned by the
// characters of its code page, and counted for calls that take 32 bits.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Scanning text in a code page whose lead bytes start two-byte characters.
// Every search steps over such a character whole, so a trail byte that
// happens to equal "\\", "." or "|" is never taken for one.
class LeadBytes {
public:
    // A single-byte code page: no lead bytes.
    LeadBytes() = default;
    // From the ranges GetCPInfo reports: pairs of first and last byte,
    // ended by a pair of zeros (or after maxPairs pairs).
    LeadBytes(const unsigned char* ranges, std::size_t maxPairs);

    bool isLead(unsigned char byte) const { return lead_[byte]; }
    bool any() const { return any_; }

    // Start of the character after the one that starts at i (never past size).
    std::size_t next(const std::string& text, std::size_t i) const;
    // First / last whole character equal to c; npos when none.
    std::size_t find(const std::string& text, char c) const;
    std::size_t findLast(const std::string& text, char c) const;
    // Start of the last whole character; npos for the empty text.
    std::size_t lastCharStart(const std::string& text) const;

private:
    bool lead_[256] = {};
    bool any_ = false;
};

// Byte counts handed to platform calls that take a 32-bit count. In a 64-bit
// build a text can be longer than such a call can take: cutting its size
// would write part of it and report success. The size as a 32-bit count;
// nothing when it does not fit.
std::optional<std::uint32_t> dwordSize(std::size_t size);
