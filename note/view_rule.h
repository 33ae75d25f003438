#pragma once
// Where a restored note opens, given the work areas of the monitors: a note
// that shows any part of itself stays exactly where it was stored (a monitor
// to the left of the primary one has negative coordinates); one that lies
// wholly outside every work area, after a monitor was unplugged or the
// resolution lowered, would be lost to the user, since it has no title bar
// and no taskbar entry of its own. It moves, keeping its size, the least
// distance into the nearest work area, as the platform treats a saved window
// placement that no longer fits; it shrinks only to that area's size.
#include <vector>

#include "note/layout_rule.h"

Bounds keptInView(const Bounds& note, const std::vector<Bounds>& workAreas);
