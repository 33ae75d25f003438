// The installer's whole life under Windows Installer (msiexec): a per-user
// install with its shortcut, start-up value and registration, the start-up
// value left out on request and kept out by later upgrades, an upgrade over
// an older package and over another build of the same version, the refusal
// of a downgrade, an uninstall that leaves the note's store alone, a
// running note closed the normal way (so it saves) by an upgrade and by an
// uninstall, and the note started at the end where the user expects it:
// after a first install with a user interface, after an upgrade that closed
// it, and after an upgrade that failed, at the user's own level. The signed
// package installs on the oldest Windows the note supports; an older one
// and a per-machine install are refused with a message.
#include <gtest/gtest.h>
#include <msi.h>
#include <msiquery.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "packaging/start_as_user.h"
#include "tests/win32/support/files.h"
#include "tests/win32/support/input.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/program.h"
#include "tests/win32/support/raw_registry.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/wait.h"

namespace {

constexpr DWORD kInstallerTimeoutMs = 60000;
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The build tree's packages, seen through Wine's drive Z:.
std::string windowsPath(std::string unixPath) {
    for (char& c : unixPath)
        if (c == '/') c = '\\';
    return "Z:" + unixPath;
}
const std::string kNewerMsi = windowsPath(TARVISSEL_RELEASE_MSI);
const std::string kOlderMsi = windowsPath(TARVISSEL_OLDER_MSI);
// This build's package made to fail in a deferred action after its files
// are installed.
const std::string kFailingMsi = windowsPath(TARVISSEL_FAILING_MSI);
// Signed by the release.signed test, with its test certificate.
const std::string kSignedMsi = windowsPath(TARVISSEL_SIGNED_MSI);

// A running msiexec, silent unless a user interface level is given ("/qb":
// basic, as a double-click with no questions to answer; its messages in
// boxes).
class Msiexec {
public:
    Msiexec(const std::string& arguments, const std::string& userInterface)
        : command_("msiexec.exe " + arguments + " " + userInterface), process_("", command_) {}
    ~Msiexec() {
        if (process_.started()) TerminateProcess(process_.handle(), 1);
    }
    Msiexec(const Msiexec&) = delete;
    Msiexec& operator=(const Msiexec&) = delete;

    // Its message box, waited for (bounded); null once it ended without one.
    HWND messageBox() const {
        HWND box = nullptr;
        waitUntil([&] { return (box = waitForMessageBox(process_.id(), 0)) || ended(); },
                  kInstallerTimeoutMs);
        return box;
    }

    // Its exit code (0 success, 1603 a failed installation) once it ended.
    DWORD exitCode() const {
        if (!process_.started()) return ~0u;
        const std::optional<DWORD> code = process_.exitCodeWithin(kInstallerTimeoutMs);
        if (!code) ADD_FAILURE() << command_ << " did not end in time";
        return code.value_or(~0u);
    }

private:
    bool ended() const { return !process_.started() || WaitForSingleObject(process_.handle(), 0) == WAIT_OBJECT_0; }

    std::string command_;
    StartedProcess process_;
};

DWORD msiexec(const std::string& arguments, const std::string& userInterface = "/qn") {
    return Msiexec(arguments, userInterface).exitCode();
}

// While it lives, Windows Installer (msiexec.exe) sees another Windows
// version: Wine's setting of the version for one program ("vista", "win7").
class MsiexecSeesWindows {
public:
    explicit MsiexecSeesWindows(const std::string& version) {
        writeRawValue(HKEY_CURRENT_USER, kKey, "Version", REG_SZ, version + '\0');
    }
    ~MsiexecSeesWindows() { deleteKeyTree(HKEY_CURRENT_USER, kKey); }
    MsiexecSeesWindows(const MsiexecSeesWindows&) = delete;
    MsiexecSeesWindows& operator=(const MsiexecSeesWindows&) = delete;

private:
    static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\msiexec.exe";
};

DWORD install(const std::string& msi, const std::string& properties = "", const std::string& userInterface = "/qn") {
    return msiexec("/i \"" + msi + "\" " + properties, userInterface);
}

std::string recordString(MSIHANDLE record, UINT field) {
    char text[256] = "";
    DWORD size = sizeof text;
    MsiRecordGetStringA(record, field, text, &size);
    return text;
}

// A value of the package's Property table.
std::string packageProperty(const std::string& msi, const std::string& name) {
    std::string value;
    MSIHANDLE database = 0, view = 0, record = 0;
    const std::string query = "SELECT `Value` FROM `Property` WHERE `Property` = '" + name + "'";
    if (MsiOpenDatabaseA(msi.c_str(), MSIDBOPEN_READONLY, &database) == ERROR_SUCCESS &&
        MsiDatabaseOpenViewA(database, query.c_str(), &view) == ERROR_SUCCESS && MsiViewExecute(view, 0) == ERROR_SUCCESS &&
        MsiViewFetch(view, &record) == ERROR_SUCCESS)
        value = recordString(record, 1);
    for (MSIHANDLE handle : {record, view, database})
        if (handle) MsiCloseHandle(handle);
    return value;
}

// The product codes of every installed product of the package's family.
std::vector<std::string> installedProducts() {
    static const std::string upgradeCode = packageProperty(kNewerMsi, "UpgradeCode");
    std::vector<std::string> products;
    char product[39];
    for (DWORD index = 0; MsiEnumRelatedProductsA(upgradeCode.c_str(), 0, index, product) == ERROR_SUCCESS; ++index)
        products.push_back(product);
    return products;
}

std::string productInfo(const std::string& product, const char* property) {
    char value[256] = "";
    DWORD size = sizeof value;
    return MsiGetProductInfoA(product.c_str(), property, value, &size) == ERROR_SUCCESS ? value : "";
}

std::string folder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}
std::string installFolder() { return folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Tarvissel"; }
std::string installedProgram() { return installFolder() + "\\Tarvissel.exe"; }
std::string startMenuShortcut() { return folder(CSIDL_PROGRAMS) + "\\Tarvissel.lnk"; }

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Whether the program carries an Authenticode signature: a certificate
// table in its PE header (of this test's own architecture).
bool carriesSignature(const std::string& path) {
    const std::string image = fileBytes(path);
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) return false;
    const auto& dos = *reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || image.size() < dos.e_lfanew + sizeof(IMAGE_NT_HEADERS))
        return false;
    const auto& nt = *reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos.e_lfanew);
    return nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_SECURITY].Size != 0;
}

RawValue startUpValue() { return readRawValue(HKEY_CURRENT_USER, kRunKey, "Tarvissel"); }

// Every value of the note's store, names, types and bytes.
std::string storeSnapshot() {
    std::string snapshot;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return snapshot;
    char name[256];
    BYTE data[4096];
    DWORD nameSize = sizeof name, type = 0, dataSize = sizeof data;
    for (DWORD index = 0;
         RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) == ERROR_SUCCESS; ++index) {
        snapshot += std::string(name) + '|' + std::to_string(type) + '|' +
                    std::string(reinterpret_cast<char*>(data), dataSize) + '\n';
        nameSize = sizeof name;
        dataSize = sizeof data;
    }
    RegCloseKey(key);
    return snapshot;
}

// Types a letter at the end of the note's text, as the user does.
void typeAtEnd(HWND note, char letter, const std::string& expected) {
    SetForegroundWindow(note);
    ASSERT_TRUE(waitUntil([&] { return GetForegroundWindow() == note; }, 2000));
    pressKey(VK_END);
    pressKey(static_cast<WORD>(letter));
    ASSERT_TRUE(waitUntil([&] { return noteText(note) == expected; }, 3000)) << noteText(note);
}

// A note that the installer started: its window, waited for until the time
// is up.
HWND noteStartedByInstaller(DWORD timeoutMs) {
    HWND note = nullptr;
    waitUntil([&] { return (note = FindWindowA("TForm1", nullptr)) && IsWindowVisible(note); }, timeoutMs);
    return note && IsWindowVisible(note) ? note : nullptr;
}

// Closes it the normal way and waits for its process to end.
void closeStartedNote(HWND note) {
    DWORD processId = 0;
    GetWindowThreadProcessId(note, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(note, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process, kExitTimeoutMs), WAIT_OBJECT_0) << "the started note did not end";
    CloseHandle(process);
}

// Long enough for a note started at the end of an installation to show.
constexpr DWORD kStartedNoteMs = 3000;

// What the platform lists of a process: its parent and its program's name.
PROCESSENTRY32 processEntry(DWORD processId) {
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry))
        if (entry.th32ProcessID == processId) return entry;
    return PROCESSENTRY32{};
}

// The program a window's process runs.
std::string programOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    char path[MAX_PATH * 2] = "";
    DWORD size = sizeof path;
    return process && QueryFullProcessImageNameA(process.get(), 0, path, &size) ? path : "";
}

DWORD parentOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processEntry(processId).th32ParentProcessID;
}

// The token's elevation as the test answers it (Wine runs every program
// elevated and cannot be asked otherwise), and the desktop shell refused
// where the test says so; the platform's calls are back when it goes.
class UserStartAnswered {
public:
    UserStartAnswered(bool elevated, bool shellRefused) {
        elevated_ = elevated;
        userStartApi().getTokenInformation = &answerElevation;
        if (shellRefused) userStartApi().coCreateInstance = &refuseCreation;
    }
    ~UserStartAnswered() { userStartApi() = saved_; }
    UserStartAnswered(const UserStartAnswered&) = delete;
    UserStartAnswered& operator=(const UserStartAnswered&) = delete;

private:
    static BOOL WINAPI answerElevation(HANDLE, TOKEN_INFORMATION_CLASS kind, LPVOID information, DWORD size,
                                       PDWORD written) {
        if (kind != TokenElevation || size < sizeof(TOKEN_ELEVATION)) return FALSE;
        static_cast<TOKEN_ELEVATION*>(information)->TokenIsElevated = elevated_;
        *written = sizeof(TOKEN_ELEVATION);
        return TRUE;
    }
    static HRESULT WINAPI refuseCreation(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID* object) {
        *object = nullptr;
        return REGDB_E_CLASSNOTREG;
    }
    static inline bool elevated_ = false;
    UserStartApi saved_ = userStartApi();
};

void uninstallEverything() {
    for (const std::string& product : installedProducts()) msiexec("/x " + product);
}

class MsiLifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        uninstallEverything();
        deleteVessanTree();
        writeStore();
        storeBefore_ = storeSnapshot();
    }
    void TearDown() override {
        uninstallEverything();
        // What Wine's failed upgrade leaves outside any product.
        DeleteFileA(installedProgram().c_str());
        RemoveDirectoryA(installFolder().c_str());
        deleteVessanTree();
    }
    static void writeStore() { writeCompleteStore("kept", "100", "300", "120", "180"); }
    // The installed program starts and shows its note; closed again, and
    // the store it saved set back.
    static void runInstalledNote() {
        {
            RunningProgram note(SW_SHOWNORMAL, installedProgram());
            ASSERT_NE(note.waitForNote(), nullptr) << "the installed program shows no note";
            note.closeNote();
            ASSERT_TRUE(note.waitForExit());
        }
        writeStore();
    }
    std::string storeBefore_;
};

TEST_F(MsiLifecycle, InstallsForTheUserAloneAndUninstallsAllButTheStore) {
    ASSERT_EQ(install(kNewerMsi), 0u);
    EXPECT_EQ(noteStartedByInstaller(kStartedNoteMs), nullptr) << "a silent first install started the note";
    ASSERT_TRUE(exists(installedProgram())) << installedProgram();
    EXPECT_EQ(fileBytes(installedProgram()), fileBytes(programPath()));
    EXPECT_NE(fileBytes(startMenuShortcut()).find(installedProgram()), std::string::npos)
        << "the shortcut does not lead to " << installedProgram();
    const RawValue startUp = startUpValue();
    EXPECT_EQ(startUp.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(startUp.data, "\"" + installedProgram() + "\"" + std::string(1, '\0'));
    EXPECT_FALSE(exists(folder(CSIDL_PROGRAM_FILES) + "\\Tarvissel"));

    const std::vector<std::string> products = installedProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0], packageProperty(kNewerMsi, "ProductCode"));
    EXPECT_EQ(productInfo(products[0], INSTALLPROPERTY_INSTALLEDPRODUCTNAME), "Tarvissel");
    EXPECT_EQ(productInfo(products[0], INSTALLPROPERTY_PUBLISHER), "Vessan");
    EXPECT_EQ(productInfo(products[0], INSTALLPROPERTY_VERSIONSTRING), packageProperty(kNewerMsi, "ProductVersion"));

    ASSERT_NO_FATAL_FAILURE(runInstalledNote());

    ASSERT_EQ(msiexec("/x \"" + kNewerMsi + "\""), 0u);
    EXPECT_FALSE(exists(installedProgram()));
    EXPECT_FALSE(exists(installFolder()));
    EXPECT_FALSE(exists(startMenuShortcut()));
    EXPECT_FALSE(startUpValue().found);
    EXPECT_TRUE(installedProducts().empty());
    EXPECT_EQ(storeSnapshot(), storeBefore_);
}

TEST_F(MsiLifecycle, AFirstInstallWithAUserInterfaceStartsTheNote) {
    ASSERT_EQ(install(kNewerMsi, "", "/qb"), 0u);
    HWND note = noteStartedByInstaller(kWindowTimeoutMs);
    ASSERT_NE(note, nullptr) << "the installed note was not started";
    closeStartedNote(note);
}

// The choice is kept until an install says otherwise; the signed package
// is another build of this build's version, which replaces it.
TEST_F(MsiLifecycle, AutostartZeroLastsThroughUpgradesUntilAnInstallSaysOtherwise) {
    ASSERT_EQ(install(kOlderMsi, "AUTOSTART=0"), 0u);
    EXPECT_TRUE(exists(installedProgram()));
    EXPECT_TRUE(exists(startMenuShortcut()));
    EXPECT_FALSE(startUpValue().found);
    ASSERT_EQ(install(kNewerMsi), 0u);
    EXPECT_FALSE(startUpValue().found) << "the upgrade forgot AUTOSTART=0";

    ASSERT_TRUE(exists(kSignedMsi)) << kSignedMsi << " is not made (the release.signed test makes it)";
    ASSERT_EQ(install(kSignedMsi, "AUTOSTART=1"), 0u);
    EXPECT_EQ(installedProducts(), std::vector<std::string>{packageProperty(kSignedMsi, "ProductCode")});
    EXPECT_TRUE(carriesSignature(installedProgram())) << "the other build did not replace this one";
    EXPECT_TRUE(startUpValue().found);
}

TEST_F(MsiLifecycle, UpgradesAnOlderPackageInPlaceAndRefusesADowngrade) {
    ASSERT_EQ(install(kOlderMsi), 0u);
    ASSERT_TRUE(exists(installedProgram()));
    EXPECT_NE(fileBytes(installedProgram()), fileBytes(programPath()));

    ASSERT_EQ(install(kNewerMsi), 0u);
    const std::vector<std::string> products = installedProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0], packageProperty(kNewerMsi, "ProductCode"));
    EXPECT_EQ(fileBytes(installedProgram()), fileBytes(programPath()));
    EXPECT_TRUE(exists(startMenuShortcut()));
    EXPECT_TRUE(startUpValue().found);
    EXPECT_EQ(storeSnapshot(), storeBefore_);

    EXPECT_EQ(install(kOlderMsi), static_cast<DWORD>(ERROR_INSTALL_FAILURE));
    EXPECT_EQ(installedProducts(), products);
    EXPECT_EQ(fileBytes(installedProgram()), fileBytes(programPath()));
}

TEST_F(MsiLifecycle, ARunningNoteIsClosedAndSavedBeforeAnUpgradeAndAnUninstall) {
    ASSERT_EQ(install(kOlderMsi), 0u);
    {
        RunningProgram note(SW_SHOWNORMAL, installedProgram());
        HWND window = note.waitForNote();
        ASSERT_NE(window, nullptr);
        typeAtEnd(window, 'A', "kepta");
        ASSERT_EQ(install(kNewerMsi), 0u);
        EXPECT_FALSE(note.running()) << "the upgrade left the note running";
        EXPECT_EQ(readSettingsString("max"), "kepta");
        EXPECT_EQ(fileBytes(installedProgram()), fileBytes(programPath()));
    }
    HWND restarted = noteStartedByInstaller(kWindowTimeoutMs);
    ASSERT_NE(restarted, nullptr) << "the upgrade did not start the note it closed";
    EXPECT_STRCASEEQ(programOf(restarted).c_str(), installedProgram().c_str());
    // Wine runs every program elevated, the installer too: the note it
    // starts is the user's desktop shell's. Wine's shell runs with the code
    // page of whichever session started it, so the note it starts may read
    // its store under another name: the text is checked in the store.
    EXPECT_STRCASEEQ(processEntry(parentOf(restarted)).szExeFile, "explorer.exe");
    closeStartedNote(restarted);
    {
        RunningProgram note(SW_SHOWNORMAL, installedProgram());
        HWND window = note.waitForNote();
        ASSERT_NE(window, nullptr);
        typeAtEnd(window, 'B', "keptab");
        ASSERT_EQ(msiexec("/x \"" + kNewerMsi + "\""), 0u);
        EXPECT_FALSE(note.running()) << "the uninstall left the note running";
        EXPECT_EQ(readSettingsString("max"), "keptab");
    }
    EXPECT_FALSE(exists(installedProgram()));
    EXPECT_EQ(noteStartedByInstaller(kStartedNoteMs), nullptr) << "the uninstall started a note";
}

// Windows Installer rolls the older version back in and then runs the
// ending step that starts its note. Wine's msiexec has removed the older
// version for good by then (docs/release.md): what it shows is the failure,
// the text saved and the note started again by that ending step.
TEST_F(MsiLifecycle, AFailedUpgradeStartsTheNoteItClosedAgain) {
    ASSERT_EQ(install(kOlderMsi), 0u);
    {
        RunningProgram note(SW_SHOWNORMAL, installedProgram());
        HWND window = note.waitForNote();
        ASSERT_NE(window, nullptr);
        typeAtEnd(window, 'A', "kepta");
        // 1603 from Windows, 1627 from Wine.
        EXPECT_NE(install(kFailingMsi), 0u) << "the failing package installed";
        EXPECT_FALSE(note.running()) << "the upgrade did not close the note";
    }
    EXPECT_EQ(readSettingsString("max"), "kepta");
    HWND restarted = noteStartedByInstaller(kWindowTimeoutMs);
    ASSERT_NE(restarted, nullptr) << "the failed upgrade did not start the note it closed";
    EXPECT_STRCASEEQ(programOf(restarted).c_str(), installedProgram().c_str());
    closeStartedNote(restarted);
}

// The installer starts the note itself only where its token is not
// elevated; elevated, only the desktop shell may start it, and without the
// shell nothing starts.
TEST_F(MsiLifecycle, TheInstallerStartsTheNoteItselfOnlyWhenNotElevated) {
    const std::string path = programPath();  // the build tree's: ASCII
    const std::wstring program(path.begin(), path.end());
    const std::wstring folder = program.substr(0, program.rfind(L'\\') + 1);
    {
        UserStartAnswered notElevated(false, false);
        startAsUser(program, folder);
        HWND note = noteStartedByInstaller(kWindowTimeoutMs);
        ASSERT_NE(note, nullptr) << "a start at the user's level started nothing";
        EXPECT_EQ(parentOf(note), GetCurrentProcessId());
        closeStartedNote(note);
    }
    UserStartAnswered elevatedWithoutShell(true, true);
    startAsUser(program, folder);
    EXPECT_EQ(noteStartedByInstaller(kStartedNoteMs), nullptr) << "an elevated start without the shell started the note";
}

// Windows 7 SP1 is the oldest Windows the package installs on.
TEST_F(MsiLifecycle, TheSignedPackageInstallsOnWindows7Sp1RunsAndUninstalls) {
    ASSERT_TRUE(exists(kSignedMsi)) << kSignedMsi << " is not made (the release.signed test makes it)";
    {
        MsiexecSeesWindows windows7("win7");
        ASSERT_EQ(install(kSignedMsi), 0u);
    }
    ASSERT_TRUE(exists(installedProgram()));
    EXPECT_TRUE(carriesSignature(installedProgram())) << "the installed program is not signed";
    EXPECT_FALSE(carriesSignature(programPath())) << "the built program is signed already";
    EXPECT_EQ(installedProducts(), std::vector<std::string>{packageProperty(kSignedMsi, "ProductCode")});
    ASSERT_NO_FATAL_FAILURE(runInstalledNote());
    ASSERT_EQ(msiexec("/x \"" + kSignedMsi + "\""), 0u);
    EXPECT_FALSE(exists(installFolder()));
    EXPECT_FALSE(startUpValue().found);
    EXPECT_TRUE(installedProducts().empty());
    EXPECT_EQ(storeSnapshot(), storeBefore_);
}

// The installation with a basic user interface stops with MESSAGE in a box
// and installs nothing.
void expectRefusal(const std::string& properties, const std::string& message) {
    Msiexec installer("/i \"" + kNewerMsi + "\" " + properties, "/qb");
    const HWND box = installer.messageBox();
    ASSERT_NE(box, nullptr) << "the installer ended without a message";
    EXPECT_EQ(readMessageBox(box).text, message);
    EXPECT_TRUE(pressOk(box));
    EXPECT_EQ(installer.exitCode(), static_cast<DWORD>(ERROR_INSTALL_FAILURE));
    EXPECT_TRUE(installedProducts().empty());
    EXPECT_FALSE(exists(installedProgram()));
    EXPECT_FALSE(startUpValue().found);
}

TEST_F(MsiLifecycle, AnOlderWindowsAndAPerMachineInstallAreRefusedWithAMessage) {
    {
        MsiexecSeesWindows vista("vista");
        expectRefusal("", "Tarvissel requires Windows 7 Service Pack 1 or later.");
    }
    expectRefusal("ALLUSERS=1", "Tarvissel installs for the current user only. Run the installation without ALLUSERS.");
}

}  // namespace
