#include "note/layered.h"

#include "base/platform_function.h"

SetLayeredWindowAttributesFn layeredWindowAttributes() {
    static const auto function =
        platformFunction<SetLayeredWindowAttributesFn>("user32.dll", "SetLayeredWindowAttributes");
    return function;
}
