#pragma once
// Moving and sizing the note with the arrow keys, as the platform's window
// menu does it: each key moves the note, or the edges being sized, 8 pixels.
// Sizing starts with no edge: an arrow along an axis with no edge chosen yet
// only chooses the edge it points at (the first arrow an edge, a later
// arrow across it a corner); the next arrows move the chosen edges. An edge
// stops where the note would become narrower or lower than the minimum, the
// opposite edge staying where it is.
#include "note/layout_rule.h"

enum class Arrow { Left, Up, Right, Down };

constexpr int kKeyboardStep = 8;

class KeyboardSizing {
public:
    enum class Kind { Move, Size };
    // The edges being sized, as bits.
    enum Edge : unsigned { kLeftEdge = 1, kTopEdge = 2, kRightEdge = 4, kBottomEdge = 8 };

    KeyboardSizing(Kind kind, const Bounds& start) : kind_(kind), start_(start), now_(start) {}

    // The note's bounds after one more arrow key.
    const Bounds& Step(Arrow arrow);

    const Bounds& Start() const { return start_; }
    const Bounds& Now() const { return now_; }
    unsigned Edges() const { return edges_; }

private:
    void SizeAlong(Arrow arrow);

    Kind kind_;
    Bounds start_, now_;
    unsigned edges_ = 0;
};
