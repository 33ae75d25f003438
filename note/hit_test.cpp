// The note has no title bar or sizing border: its margin answers as a title
// bar and the grip square as the bottom-right sizing corner.
#include "note/form1.h"
#include "note/grip.h"

static_assert(kHitCaption == HTCAPTION && kHitBottomRight == HTBOTTOMRIGHT,
              "the grip rule answers with the platform's hit-test codes");

int TForm1::FormHitTest(LPARAM screenPoint) {
    POINT point{signExtend16(static_cast<std::uint32_t>(screenPoint) & 0xFFFF),
                signExtend16((static_cast<std::uint32_t>(screenPoint) >> 16) & 0xFFFF)};
    ScreenToClient(handle_, &point);
    return noteHitTest(point.x, point.y, Width(), Height());
}
