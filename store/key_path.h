#pragma once
// The accessor's path rule: a path that begins with "\" is taken from the
// root; any other is relative to the current key when one is open.
#include <string>

struct KeyTarget {
    bool fromCurrentKey;  // else from the root key
    std::string subKey;   // the path with a leading "\" removed
};

KeyTarget resolveKeyPath(const std::string& path, bool haveCurrentKey);

// The current path after opening target: the subkey itself, or, opened
// relative to the current key, the old path + "\" + the subkey.
std::string nextCurrentPath(const std::string& currentPath, const KeyTarget& target);
