#include "export/daily_copies.h"

#include <windows.h>

#include <vector>

#include "base/scoped_handle.h"
#include "export/file_names.h"
#include "export/text_file.h"

namespace {

const std::size_t kCopiesKept = 7;

std::string todaysName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return dailyCopyName(now.wYear, now.wMonth, now.wDay);
}

// The copies' folder, made if missing; empty where there is none.
std::string copiesFolder() {
    char localAppData[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", localAppData, sizeof localAppData);
    if (length == 0 || length >= sizeof localAppData) return std::string();
    std::string folder = localAppData;
    for (const char* part : {"\\Vessan", "\\Tarvissel"}) {
        folder += part;
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::string();
    return folder + "\\";
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

struct CloseSearch {
    void operator()(HANDLE search) const { FindClose(search); }
};
using SearchHandle = ScopedHandle<HANDLE, CloseSearch, invalidHandleValue>;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const SearchHandle search(FindFirstFileA((folder + "*.txt").c_str(), &found));
    if (!search) return names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(search.get(), &found));
    return names;
}

}  // namespace

bool DailyCopies::Due() const { return keptOn_ != todaysName(); }

void DailyCopies::Keep(const std::string& text) {
    if (text.empty()) return;
    const std::string today = todaysName();
    const std::string folder = copiesFolder();
    if (folder.empty()) return;
    const std::string path = folder + today;
    try {
        if (!exists(path)) WriteTextFile(path, text);
    } catch (const std::exception&) {
        DeleteFileA(path.c_str());  // no half copy taken for the day's: tried again at the next save
        return;
    }
    keptOn_ = today;
    for (const std::string& old : copiesBeyondNewest(namesIn(folder), kCopiesKept)) DeleteFileA((folder + old).c_str());
}
