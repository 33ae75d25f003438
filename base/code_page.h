#pragma once
// The lead bytes of the ANSI code page of the system's default locale.
#include "base/dbcs.h"

const LeadBytes& systemLeadBytes();
