#pragma once
// Lead-byte tables of the code pages the rules are tested under.
#include "base/text.h"

// Simplified Chinese (936): every byte from 0x81 to 0xFE leads.
inline LeadBytes codePage936() {
    static const unsigned char ranges[] = {0x81, 0xFE, 0, 0};
    return LeadBytes(ranges, 2);
}

// Western (1252): no lead bytes.
inline LeadBytes singleByte() { return LeadBytes(); }
