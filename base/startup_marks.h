#pragma once
// Marks of the start-up's steps for the benchmark's breakdown. Only the
// bench-only build of the program (TARVISSEL_STARTUP_MARKS) records them;
// the release build carries none.
#ifdef TARVISSEL_STARTUP_MARKS
#include "bench/marks.h"
#define STARTUP_MARK(step) benchMark(step)
#define STARTUP_MARK_LAST(step) benchMark(step, true)
#else
#define STARTUP_MARK(step) ((void)0)
#define STARTUP_MARK_LAST(step) ((void)0)
#endif
