#include "store/key_path.h"

KeyTarget resolveKeyPath(const std::string& path, bool haveCurrentKey) {
    if (!path.empty() && path.front() == '\\')
        return {false, path.substr(1)};
    return {haveCurrentKey, path};
}

std::string nextCurrentPath(const std::string& currentPath, const KeyTarget& target) {
    if (!target.fromCurrentKey)
        return target.subKey;
    return currentPath + "\\" + target.subKey;
}
