#pragma once
// Marks of the start-up's steps for the benchmark's breakdown: each records
// the high-resolution time at which a step of the start-up ends. At the
// last one the list is written to the file TARVISSEL_MARKS names (the bench
// driver sets it for the programs it starts); without it nothing is
// written. Marks after the last are ignored. Only the bench-only builds
// (TARVISSEL_STARTUP_MARKS: the note's and the baselines') record them; the
// release build carries none.
#ifdef TARVISSEL_STARTUP_MARKS
#include <windows.h>

#include <cstdio>

// The marks' clock, in milliseconds; the bench driver times with it too.
inline double startupClockMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline void startupMark(const char* step, bool last = false) {
    static char lines[4096];
    static int used = 0;
    static bool written = false;
    if (written) return;
    const int room = static_cast<int>(sizeof lines) - used;
    const int length = std::snprintf(lines + used, room, "%s,%.3f\n", step, startupClockMs());
    if (length > 0 && length < room) used += length;
    if (!last) return;
    written = true;
    char path[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("TARVISSEL_MARKS", path, MAX_PATH)) return;
    if (FILE* file = std::fopen(path, "w")) {
        std::fwrite(lines, 1, static_cast<size_t>(used), file);
        std::fclose(file);
    }
}

#define STARTUP_MARK(step) startupMark(step)
#define STARTUP_MARK_LAST(step) startupMark(step, true)
#else
#define STARTUP_MARK(step) ((void)0)
#define STARTUP_MARK_LAST(step) ((void)0)
#endif
