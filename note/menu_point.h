#pragma once
// Where the context menu opens when it is asked for from the keyboard, which
// gives no point: just below the caret's line, at the caret, so that the eye
// and a screen magnifier stay where the user types.
#include <optional>

#include "note/grip.h"
#include "note/layout_rule.h"

// From the caret's box, the text area's and the note window's, all on
// screen: below the caret, or at the text area's top-left corner when the
// text area shows no caret; always inside the note's window.
Point keyboardMenuPoint(const std::optional<Bounds>& caret, const Bounds& textArea, const Bounds& window);
