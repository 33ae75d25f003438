#pragma once
// The note's geometry as the store keeps it: left, top, width, height.
#include <ostream>

#include "store/note_settings.h"

struct Geometry {
    int left, top, width, height;
    bool operator==(const Geometry& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Geometry& g) {
    return out << "left " << g.left << " top " << g.top << ' ' << g.width << " x " << g.height;
}

inline Geometry geometryOf(const StoredNote& note) {
    return {note.Left(), note.Top(), note.Width(), note.Height()};
}

// Where and how large the note is before anything is restored.
constexpr Geometry kDescribed{263, 142, 188, 89};
