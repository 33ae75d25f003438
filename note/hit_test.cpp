// The note has no title bar or sizing border: its margin answers as a title
// bar and the grip square as the bottom-right sizing corner.
#include <windows.h>
#include <windowsx.h>

#include "note/form1.h"
#include "note/grip.h"

static_assert(kHitCaption == HTCAPTION && kHitBottomRight == HTBOTTOMRIGHT,
              "the grip rule answers with the platform's hit-test codes");

int TForm1::FormHitTest(LPARAM screenPoint) {
    POINT point{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    ScreenToClient(handle_, &point);
    return noteHitTest(point.x, point.y, Width(), Height());
}
