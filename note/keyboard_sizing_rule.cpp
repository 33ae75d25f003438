#include "note/keyboard_sizing_rule.h"

#include <algorithm>

namespace {

bool horizontal(Arrow arrow) { return arrow == Arrow::Left || arrow == Arrow::Right; }

// -1 towards the left or the top, +1 towards the right or the bottom.
int direction(Arrow arrow) { return arrow == Arrow::Left || arrow == Arrow::Up ? -1 : 1; }

// A side grown by `growth` (shrunk when negative), never below the minimum
// unless it was below it already.
int sizedSide(int side, int growth) { return std::max(side + growth, std::min(side, kMinimumSide)); }

}  // namespace

const Bounds& KeyboardSizing::Step(Arrow arrow) {
    if (kind_ == Kind::Size) {
        SizeAlong(arrow);
    } else if (horizontal(arrow)) {
        now_.left += direction(arrow) * kKeyboardStep;
    } else {
        now_.top += direction(arrow) * kKeyboardStep;
    }
    return now_;
}

void KeyboardSizing::SizeAlong(Arrow arrow) {
    const bool across = horizontal(arrow);
    const unsigned nearEdge = across ? kLeftEdge : kTopEdge;
    const unsigned farEdge = across ? kRightEdge : kBottomEdge;
    if (!(edges_ & (nearEdge | farEdge))) {
        edges_ |= direction(arrow) < 0 ? nearEdge : farEdge;
        return;
    }
    int& origin = across ? now_.left : now_.top;
    int& side = across ? now_.width : now_.height;
    const int delta = direction(arrow) * kKeyboardStep;
    if (edges_ & farEdge) {
        side = sizedSide(side, delta);
        return;
    }
    const int sized = sizedSide(side, -delta);
    origin += side - sized;
    side = sized;
}
