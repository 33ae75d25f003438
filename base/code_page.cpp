#include "base/code_page.h"

#include <windows.h>

const LeadBytes& systemLeadBytes() {
    static const LeadBytes lead = [] {
        CPINFO info{};
        if (!GetCPInfo(CP_ACP, &info)) return LeadBytes();
        return LeadBytes(info.LeadByte, MAX_LEADBYTES / 2);
    }();
    return lead;
}
