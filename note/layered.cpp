#include "note/layered.h"

#include "base/system.h"

SetLayeredWindowAttributesFn layeredWindowAttributes() {
    static const auto function =
        platformFunction<SetLayeredWindowAttributesFn>("user32.dll", "SetLayeredWindowAttributes");
    return function;
}
