#pragma once
// What stays in view. Where a restored note opens, given the work areas of
// the monitors: a note that shows any part of itself stays exactly where it
// was stored (a monitor to the left of the primary one has negative
// coordinates); one that lies wholly outside every work area, after a
// monitor was unplugged or the resolution lowered, would be lost to the
// user, since it has no title bar and no taskbar entry of its own. It moves,
// keeping its size, the least distance into the nearest work area, as the
// platform treats a saved window placement that no longer fits; it shrinks
// only to that area's size.
#include <optional>
#include <vector>

#include "note/layout_rule.h"

Bounds keptInView(const Bounds& note, const std::vector<Bounds>& workAreas);

// Where the context menu opens when it is asked for from the keyboard, which
// gives no point: just below the caret's line, at the caret, so that the eye
// and a screen magnifier stay where the user types. From the caret's box,
// the text area's and the note window's, all on screen: below the caret, or
// at the text area's top-left corner when the text area shows no caret;
// always inside the note's window.
Point keyboardMenuPoint(const std::optional<Bounds>& caret, const Bounds& textArea, const Bounds& window);
