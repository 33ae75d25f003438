// The layout rule, run at every size change of the note once it exists.
#include "note/form1.h"

void TForm1::FormResize() {
    Memo1.SetBounds(textAreaBounds(Width(), Height()));
    // The minimum is enforced after the fact: each correction is a size
    // change and runs this rule again.
    if (Width() < kMinimumSide) SetWidth(kMinimumSide);
    if (Height() < kMinimumSide) SetHeight(kMinimumSide);
}
