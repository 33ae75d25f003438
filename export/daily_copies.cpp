#include "export/daily_copies.h"

#include <windows.h>

#include <vector>

#include "base/scoped_handle.h"
#include "export/file_names.h"
#include "export/text_file.h"

namespace {

const std::size_t kCopiesKept = 7;
// Where a copy is written before it takes its name: a kill leaves no
// truncated copy under the day's name, and at most this one stray file.
const char kPartialCopy[] = "copy.partial";

std::string todaysName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return dailyCopyName(now.wYear, now.wMonth, now.wDay);
}

// FOLDERID_LocalAppData.
const GUID kLocalAppData = {0xF1B32785, 0x6FBA, 0x4FCF, {0x9D, 0x55, 0x7B, 0x8E, 0x7F, 0x15, 0x70, 0x91}};

// The user's local application data folder as the platform knows it (not
// from the environment, which a start at sign-in or a script may lack), in
// the ANSI code page; empty where there is none or its name does not fit
// the code page. The shell is loaded only when a copy is due.
std::string localAppDataFolder() {
    using GetKnownFolderPath = HRESULT(WINAPI*)(REFGUID, DWORD, HANDLE, PWSTR*);
    using FreeTaskMemory = void(WINAPI*)(void*);
    static const HMODULE shell = LoadLibraryA("shell32.dll");
    static const HMODULE ole = LoadLibraryA("ole32.dll");
    const auto getPath = reinterpret_cast<GetKnownFolderPath>(
        reinterpret_cast<void*>(GetProcAddress(shell, "SHGetKnownFolderPath")));
    const auto freeMemory =
        reinterpret_cast<FreeTaskMemory>(reinterpret_cast<void*>(GetProcAddress(ole, "CoTaskMemFree")));
    PWSTR wide = nullptr;
    if (!getPath || !freeMemory || FAILED(getPath(kLocalAppData, 0, nullptr, &wide))) return std::string();
    char path[MAX_PATH];
    BOOL unmappable = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, path, sizeof path, nullptr,
                                           &unmappable);
    freeMemory(wide);
    return length > 0 && !unmappable ? std::string(path) : std::string();
}

// The copies' folder, made if missing; empty where there is none.
std::string copiesFolder() {
    std::string folder = localAppDataFolder();
    if (folder.empty()) return std::string();
    for (const char* part : {"\\Vessan", "\\Tarvissel"}) {
        folder += part;
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    const bool made = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return made ? folder + "\\" : std::string();
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Written aside, then named: the day's name is only ever a whole copy.
bool writeWhole(const std::string& folder, const std::string& name, const std::string& text) {
    const std::string partial = folder + kPartialCopy;
    try {
        WriteTextFile(partial, text);
    } catch (const std::exception&) {
        DeleteFileA(partial.c_str());
        return false;
    }
    const bool named = MoveFileA(partial.c_str(), (folder + name).c_str()) != FALSE;
    if (!named) DeleteFileA(partial.c_str());
    return named;
}

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
    if (folder.empty() || (!exists(folder + today) && !writeWhole(folder, today, text))) return;
    keptOn_ = today;
    for (const std::string& old : copiesBeyondNewest(namesIn(folder), kCopiesKept, today))
        DeleteFileA((folder + old).c_str());
}
