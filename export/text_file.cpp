#include "export/text_file.h"

#include "base/failure.h"
#include "base/scoped_handle.h"
#include "base/text.h"

namespace {

// An open file, closed on every way out, a failed write included.
struct CloseFile {
    void operator()(HANDLE file) const { fileApi().closeHandle(file); }
};
using FileHandle = ScopedHandle<HANDLE, CloseFile, invalidHandleValue>;

HANDLE createReplacing(const std::string& path) {
    HANDLE handle = fileApi().createFile(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw Failure("不能创建文件 %s", path);
    return handle;
}

}  // namespace

FileApi& fileApi() {
    static FileApi api;
    return api;
}

void WriteTextFile(const std::string& path, const std::string& text) {
    const FileHandle file(createReplacing(path));
    const auto size = dwordSize(text.size());
    DWORD written = 0;
    if (!size || !fileApi().writeFile(file.get(), text.data(), *size, &written, nullptr) || written != *size)
        throw Failure("写流出错");
}
