#pragma once
// Start-up marks for the benchmark's breakdown: each records the
// high-resolution time at which a step of the start-up ends. At the last
// one the list is written to the file TARVISSEL_MARKS names (the bench
// driver sets it for the programs it starts); without it nothing is
// written. Marks after the last are ignored.
#include <windows.h>

#include <cstdio>

inline double benchNowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline void benchMark(const char* step, bool last = false) {
    static char lines[4096];
    static int used = 0;
    static bool written = false;
    if (written) return;
    const int room = static_cast<int>(sizeof lines) - used;
    const int length = std::snprintf(lines + used, room, "%s,%.3f\n", step, benchNowMs());
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
