// The resources the program carries: its icon, version information and
// manifest, checked in this executable (built with the same resource
// script) and in Tarvissel.exe itself.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/support/program.h"

namespace {

std::string resourceText(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = static_cast<const char*>(LockResource(loaded));
    return bytes ? std::string(bytes, SizeofResource(module, found)) : std::string();
}

std::string versionString(const std::string& path, const std::string& name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return {};
    std::string block(size, '\0');
    if (!GetFileVersionInfoA(path.c_str(), 0, size, &block[0])) return {};
    void* value = nullptr;
    UINT length = 0;
    const std::string query = "\\StringFileInfo\\080403A8\\" + name;
    if (!VerQueryValueA(block.data(), query.c_str(), &value, &length) || length == 0) return {};
    return static_cast<const char*>(value);
}

}  // namespace

TEST(Resources, TheIconLoadsAsOne32By32Image) {
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    ASSERT_NE(info.hbmColor, nullptr);
    BITMAP colour{};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
}

TEST(Resources, TheProgramCarriesIconManifestAndVersion) {
    HMODULE program = LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr) << programPath();
    EXPECT_NE(FindResourceA(program, "MAINICON", MAKEINTRESOURCEA(14)), nullptr);  // RT_GROUP_ICON
    const std::string manifest = resourceText(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    FreeLibrary(program);

    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << manifest;
    // Windows refuses to start an executable whose manifest names another
    // architecture.
    const char* architecture = sizeof(void*) == 8 ? "processorArchitecture=\"amd64\"" : "processorArchitecture=\"x86\"";
    EXPECT_NE(manifest.find(architecture), std::string::npos) << manifest;
    EXPECT_EQ(versionString(programPath(), "ProductName"), "Tarvissel");
    EXPECT_EQ(versionString(programPath(), "OriginalFilename"), "Tarvissel.exe");
}
