#pragma once
// Scanning 8-bit text in a code page whose lead bytes start two-byte
// characters. Every search steps over such a character whole, so a trail
// byte that happens to equal "\\", "." or "|" is never taken for one.
#include <cstddef>
#include <string>

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
