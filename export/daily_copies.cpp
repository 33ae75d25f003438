#include "export/daily_copies.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "base/scoped_handle.h"
#include "base/text.h"
#include "export/file_names.h"
#include "export/text_file.h"

namespace {

const std::size_t kCopiesKept = 7;
// Where a file is written before it takes its name: a kill leaves no
// truncated file under a copy's name, and at most this one stray file.
const wchar_t kPartialCopy[] = L"copy.partial";
// Names tried for unstored text closed within the same second.
const int kUnstoredNames = 100;

ClockTime localTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string todaysName() {
    const ClockTime now = localTime();
    return dailyCopyName(now.year, now.month, now.day);
}

// The files' own names are ASCII.
std::wstring wide(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// FOLDERID_LocalAppData.
const GUID kLocalAppData = {0xF1B32785, 0x6FBA, 0x4FCF, {0x9D, 0x55, 0x7B, 0x8E, 0x7F, 0x15, 0x70, 0x91}};

using FreeTaskMemoryCall = void(WINAPI*)(void*);
struct FreeTaskMemory {
    FreeTaskMemoryCall free;
    void operator()(PWSTR memory) const { free(memory); }
};

// The user's local application data folder as the platform knows it (not
// from the environment, which a start at sign-in or a script may lack),
// empty where there is none. Named in UTF-16 from there on: its name need
// not fit the ANSI code page, whichever it is (UTF-8 included). The shell is
// loaded only when a file is due.
std::wstring localAppDataFolder() {
    using GetKnownFolderPath = HRESULT(WINAPI*)(REFGUID, DWORD, HANDLE, PWSTR*);
    static const HMODULE shell = LoadLibraryA("shell32.dll");
    static const HMODULE ole = LoadLibraryA("ole32.dll");
    const auto getPath = reinterpret_cast<GetKnownFolderPath>(
        reinterpret_cast<void*>(GetProcAddress(shell, "SHGetKnownFolderPath")));
    const auto freeMemory =
        reinterpret_cast<FreeTaskMemoryCall>(reinterpret_cast<void*>(GetProcAddress(ole, "CoTaskMemFree")));
    if (!getPath || !freeMemory) return std::wstring();
    PWSTR path = nullptr;
    const HRESULT result = getPath(kLocalAppData, 0, nullptr, &path);
    // Freed whether the call succeeded or not, as the call asks.
    const ScopedHandle<PWSTR, FreeTaskMemory> owned(path, FreeTaskMemory{freeMemory});
    return SUCCEEDED(result) && path ? std::wstring(path) : std::wstring();
}

// The copies' folder, made if missing; empty where there is none.
std::wstring copiesFolder() {
    std::wstring folder = localAppDataFolder();
    if (folder.empty()) return std::wstring();
    for (const wchar_t* part : {L"\\Vessan", L"\\Tarvissel"}) {
        folder += part;
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    const bool made = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return made ? folder + L"\\" : std::wstring();
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

using FileHandle = ScopedHandle<HANDLE, CloseKernelHandle, invalidHandleValue>;

// The text's bytes as they are, replacing the file, on the disk (not only
// in the cache) when it returns true. The write goes through the writer's
// call table, so that tests can make it fail.
bool writeToDisk(const std::wstring& path, const std::string& text) {
    const FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    const auto size = dwordSize(text.size());
    DWORD written = 0;
    return file && size && fileApi().writeFile(file.get(), text.data(), *size, &written, nullptr) &&
           written == *size && FlushFileBuffers(file.get());
}

// Written aside and flushed, then given the first of the names (name(1) to
// name(count)) not taken, the move itself on the disk when it returns: the
// names are only ever whole files, after a power cut too. Never replaces a
// file.
template <class Name>
bool writeWhole(const std::wstring& folder, const std::string& text, int count, Name name) {
    const std::wstring partial = folder + kPartialCopy;
    bool named = false;
    if (writeToDisk(partial, text))
        for (int attempt = 1; attempt <= count && !named; ++attempt) {
            named = MoveFileExW(partial.c_str(), (folder + wide(name(attempt))).c_str(), MOVEFILE_WRITE_THROUGH);
            if (!named && GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS) break;
        }
    if (!named) DeleteFileW(partial.c_str());
    return named;
}

struct CloseSearch {
    void operator()(HANDLE search) const { FindClose(search); }
};
using SearchHandle = ScopedHandle<HANDLE, CloseSearch, invalidHandleValue>;

// The ASCII names of the folder's text files: every copy's name is ASCII.
std::vector<std::string> namesIn(const std::wstring& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    const SearchHandle search(FindFirstFileW((folder + L"*.txt").c_str(), &found));
    if (!search) return names;
    do {
        const std::wstring name = found.cFileName;
        if (std::all_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x80; }))
            names.emplace_back(name.begin(), name.end());
    } while (FindNextFileW(search.get(), &found));
    return names;
}

}  // namespace

bool DailyCopies::Due() const { return keptOn_ != todaysName(); }

void DailyCopies::Keep(const std::string& text) {
    if (text.empty()) return;
    const std::string today = todaysName();
    const std::wstring folder = copiesFolder();
    if (folder.empty()) return;
    if (!exists(folder + wide(today)) && !writeWhole(folder, text, 1, [&](int) { return today; })) return;
    keptOn_ = today;
    for (const std::string& old : copiesBeyondNewest(namesIn(folder), kCopiesKept, today))
        DeleteFileW((folder + wide(old)).c_str());
}

bool KeepUnstoredText(const std::string& text) {
    if (text.empty()) return true;
    const std::wstring folder = copiesFolder();
    const ClockTime now = localTime();
    return !folder.empty() &&
           writeWhole(folder, text, kUnstoredNames, [&](int attempt) { return unstoredTextName(now, attempt); });
}
