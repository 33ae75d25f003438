// Failures of the platform calls injected through the registry, file and
// window call tables, with the application and its note running in this
// process: each failure is reported once in the error box, the program goes
// on with what it had (or, without a window it needs, ends saving the
// note), what was written before the failure stays, and no registry key or
// file handle is left open but the settings key the note holds for the
// whole run. And the window procedure's boundary with handlers that fail.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <cstring>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/application.h"
#include "base/error_reporter.h"
#include "base/window_class.h"
#include "base/window_procedure.h"
#include "export/file_api.h"
#include "note/form1.h"
#include "store/registry_api.h"
#include "tests/win32/support/files.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/note_geometry.h"
#include "tests/win32/support/raw_registry.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/test_host.h"

namespace {

// --- The registry seam: counts open keys and fails the chosen call. ---

std::set<HKEY> openKeys;
std::string refusedCreate, refusedRead, refusedWrite;  // key or value names

void track(LONG result, HKEY key) {
    if (result == ERROR_SUCCESS) openKeys.insert(key);
}

LONG WINAPI countingOpen(HKEY base, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result) {
    const LONG status = RegOpenKeyExA(base, subKey, options, access, result);
    track(status, *result);
    return status;
}

LONG WINAPI failingCreate(HKEY base, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                          REGSAM access, LPSECURITY_ATTRIBUTES security, PHKEY result,
                          LPDWORD disposition) {
    if (refusedCreate == subKey) return ERROR_ACCESS_DENIED;
    const LONG status =
        RegCreateKeyExA(base, subKey, reserved, keyClass, options, access, security, result, disposition);
    track(status, *result);
    return status;
}

// Only the read of the data fails; asking for the size succeeds.
LONG WINAPI failingQuery(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD size) {
    if (data && refusedRead == name) return ERROR_ACCESS_DENIED;
    return RegQueryValueExA(key, name, reserved, type, data, size);
}

LONG WINAPI failingSet(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                       DWORD size) {
    if (refusedWrite == name) return ERROR_WRITE_FAULT;
    return RegSetValueExA(key, name, reserved, type, data, size);
}

LONG WINAPI countingClose(HKEY key) {
    openKeys.erase(key);
    return RegCloseKey(key);
}

// --- The file seam: counts open files and fails the chosen call. ---

std::set<HANDLE> openFiles;
bool refuseFileCreate = false, refuseFileWrite = false;

HANDLE WINAPI failingFileCreate(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD attributes, HANDLE templateFile) {
    if (refuseFileCreate) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    HANDLE file = CreateFileA(name, access, share, security, disposition, attributes, templateFile);
    if (file != INVALID_HANDLE_VALUE) openFiles.insert(file);
    return file;
}

BOOL WINAPI failingWrite(HANDLE file, LPCVOID data, DWORD size, LPDWORD written, LPOVERLAPPED overlapped) {
    if (refuseFileWrite) {
        *written = 0;
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return WriteFile(file, data, size, written, overlapped);
}

BOOL WINAPI countingFileClose(HANDLE file) {
    openFiles.erase(file);
    return CloseHandle(file);
}

// --- The window seam: refuses the chosen class. ---

std::string refusedClass;

ATOM WINAPI failingRegister(const WNDCLASSA* windowClass) {
    if (refusedClass == windowClass->lpszClassName) return 0;
    return RegisterClassA(windowClass);
}

HWND WINAPI failingCreateWindow(DWORD exStyle, LPCSTR className, LPCSTR title, DWORD style, int x, int y, int width,
                                int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    if (refusedClass == className) return nullptr;
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu, instance, param);
}

// Answers every error box of this process, as a user pressing OK would, and
// keeps their texts.
class BoxAnswerer {
public:
    BoxAnswerer() : thread_([this] { answer(); }) {}
    ~BoxAnswerer() { stop(); }

    std::vector<std::string> stop() {
        if (thread_.joinable()) {
            stop_ = true;
            thread_.join();
        }
        return texts();
    }
    std::vector<std::string> texts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

private:
    void answer() {
        while (!stop_) {
            HWND box = waitForMessageBox(GetCurrentProcessId(), 100);
            if (!box) continue;
            const std::string text = readMessageBox(box).text;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                texts_.push_back(text);
            }
            pressOk(box);
        }
    }

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::thread thread_;
};

using Texts = std::vector<std::string>;

std::string stored(const std::string& name, const std::string& path = kSettingsKeyPath) {
    const RawValue value = readRawValue(HKEY_CURRENT_USER, path, name);
    return value.found ? value.data.substr(0, value.data.find('\0')) : "<missing>";
}

class FaultInjection : public ::testing::Test {
protected:
    void SetUp() override {
        deleteKeyTree(HKEY_CURRENT_USER, "software\\Vessan");
        registryApi().openKey = &countingOpen;
        registryApi().createKey = &failingCreate;
        registryApi().queryValue = &failingQuery;
        registryApi().setValue = &failingSet;
        registryApi().closeKey = &countingClose;
        fileApi().createFile = &failingFileCreate;
        fileApi().writeFile = &failingWrite;
        fileApi().closeHandle = &countingFileClose;
        windowApi().registerClass = &failingRegister;
        windowApi().createWindow = &failingCreateWindow;
    }
    void TearDown() override {
        registryApi() = RegistryApi{};
        fileApi() = FileApi{};
        windowApi() = WindowApi{};
        refusedCreate = refusedRead = refusedWrite = refusedClass = "";
        refuseFileCreate = refuseFileWrite = false;
        openKeys.clear();
        openFiles.clear();
        deleteKeyTree(HKEY_CURRENT_USER, "software\\Vessan");
        DeleteFileA(exportPath().c_str());
    }

    static void storeComplete() { writeCompleteStore("stored text", "200", "300", "120", "180"); }

    static std::string exportPath() { return tempFilePath("tarvissel-fault-test.txt"); }

    // Starts the application with its note; the errors shown at start-up.
    Texts start() {
        application_ = std::make_unique<TApplication>();
        application_->CreateForm<TForm1>();
        return boxes_.texts();
    }
    TForm1& note() { return static_cast<TForm1&>(*application_->MainForm()); }
    // Ends it as the program ends: the note's shut-down step saves. All the
    // errors shown in the run.
    Texts end() {
        application_.reset();
        return boxes_.stop();
    }

    BoxAnswerer boxes_;
    std::unique_ptr<TApplication> application_;
};

TEST_F(FaultInjection, AKeyThatCannotBeCreatedLeavesTheDescribedNoteSavedWhereOpenStopped) {
    refusedCreate = "位置";
    EXPECT_EQ(start(), Texts{"创建主键 位置 失败."});
    EXPECT_EQ(geometryOf(note()), kDescribed);
    EXPECT_EQ(note().Text(), "");
    note().SetText("typed");
    EXPECT_EQ(end(), Texts{"创建主键 位置 失败."});
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKeyPath));
    EXPECT_EQ(stored("max", "software\\Vessan\\Ordeluma"), "typed");
    EXPECT_EQ(stored("width", "software\\Vessan\\Ordeluma"), "188");
    EXPECT_EQ(openKeys.size(), 1u) << "only the key the note holds stays open";
}

TEST_F(FaultInjection, AReadThatFailsStopsTheRestoreKeepingWhatCameBefore) {
    storeComplete();
    refusedRead = "top";
    EXPECT_EQ(start(), Texts{"从 'top' 获得数据失败."});
    EXPECT_EQ(note().Text(), "stored text");
    EXPECT_EQ(geometryOf(note()), kDescribed);
    EXPECT_EQ(end().size(), 1u);
    EXPECT_EQ(stored("max"), "stored text");
    EXPECT_EQ(stored("top"), "142");
    EXPECT_EQ(openKeys.size(), 1u);
}

TEST_F(FaultInjection, AValueOfAnotherTypeOrNoNumberStopsTheRestoreThere) {
    storeComplete();
    writeRawValue(HKEY_CURRENT_USER, kSettingsKeyPath, "left", REG_DWORD, std::string(4, '\x01'));
    EXPECT_EQ(start(), Texts{"'left' 的数据类型是无效的."});
    EXPECT_EQ(geometryOf(note()), (Geometry{263, 200, 188, 89}));
    end();

    storeComplete();
    writeSettingsString("height", "12 ");
    BoxAnswerer again;
    application_ = std::make_unique<TApplication>();
    application_->CreateForm<TForm1>();
    EXPECT_EQ(again.texts(), Texts{"'12 ' 不是一个有效的整形值."});
    EXPECT_EQ(geometryOf(note()), (Geometry{300, 200, 188, 89}));
    application_.reset();
    EXPECT_EQ(again.stop().size(), 1u);
    EXPECT_EQ(stored("height"), "89");
    EXPECT_EQ(openKeys.size(), 2u) << "one key for each run's note, no more";
}

TEST_F(FaultInjection, AWriteThatFailsAtShutDownKeepsTheValuesWrittenBeforeIt) {
    storeComplete();
    refusedWrite = "height";
    EXPECT_EQ(start(), Texts{});
    note().SetText("changed");
    note().SetLeft(50);
    note().SetHeight(60);
    EXPECT_EQ(end(), Texts{"为 'height' 设置数据时失败."});
    EXPECT_EQ(stored("max"), "changed");
    EXPECT_EQ(stored("left"), "50");
    EXPECT_EQ(stored("height"), "120") << "the failed write changed nothing";
    EXPECT_EQ(stored("width"), "180") << "the writes after the failure are not tried";
    EXPECT_EQ(openKeys.size(), 1u);
}

TEST_F(FaultInjection, AnExportThatFailsIsReportedAndTheNextSaveWritesTheSameFile) {
    EXPECT_EQ(start(), Texts{});
    note().SetText("line 1\r\nline 2");
    note().SaveDialog1.FileName = exportPath();  // chosen earlier in the run
    const auto save = [this] { return guarded(*application_, [this] { note().Commands.N1Click(); }); };

    refuseFileCreate = true;
    EXPECT_FALSE(save());
    refuseFileCreate = false;
    refuseFileWrite = true;
    EXPECT_FALSE(save());
    EXPECT_TRUE(openFiles.empty()) << "the file of the failed write is closed";
    refuseFileWrite = false;
    EXPECT_TRUE(save());
    EXPECT_TRUE(openFiles.empty());
    EXPECT_EQ(fileBytes(exportPath()), "line 1\r\nline 2");
    EXPECT_EQ(end(), (Texts{"不能创建文件 " + exportPath() + ".", "写流出错."}));
}

TEST_F(FaultInjection, AWindowThatCannotBeCreatedIsReportedAndTheRunEndsSavingTheNote) {
    refusedClass = "TApplication";
    EXPECT_THROW(TApplication(), WindowNotCreated);

    // No window of the class is left, so the next note registers it anew.
    UnregisterClassA("TForm1", GetModuleHandleA(nullptr));
    refusedClass = "TForm1";
    application_ = std::make_unique<TApplication>();
    EXPECT_FALSE(guarded(*application_, [this] { application_->CreateForm<TForm1>(); }));
    refusedClass = "";
    application_->ProcessMessages();
    EXPECT_TRUE(application_->Terminated());
    EXPECT_EQ(end(), Texts{"不能注册窗口类 TForm1."});

    BoxAnswerer again;
    start();
    note().SetText("typed");
    refusedClass = "EDIT";
    SendMessageA(note().Handle(), WM_COMMAND, TPopupMenu::kFirstCommandId + 11, 0);  // align centre
    application_->ProcessMessages();
    EXPECT_TRUE(application_->Terminated());
    application_.reset();
    EXPECT_EQ(again.stop(), Texts{"不能创建窗口 EDIT."});
    EXPECT_EQ(stored("max"), "typed") << "the text of the lost text area is saved";
}

// A window whose handlers fail as the test says, at the dispatch boundary.
struct FailingWindow {
    HWND handle = nullptr;
    TestHost host;
    std::function<void(UINT message)> handler;
    HWND Handle() const { return handle; }
    ErrorReporter& Reporter() { return host; }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
        handler(message);
        return DefWindowProcA(handle, message, wParam, lParam);
    }
};

TEST_F(FaultInjection, AFailingHandlerIsReportedAndTheMessageGetsTheDefaultAnswerWhereZeroIsWrong) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = dispatchToOwner<FailingWindow>;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "FailingWindow";
    registerWindowClass(windowClass);
    FailingWindow window;
    window.handler = [](UINT) {};
    window.handle = createWindow(0, "FailingWindow", "", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr, nullptr,
                                 &window);

    window.handler = [](UINT message) {
        if (message == WM_NCHITTEST) throw 42;
        if (message == WM_USER) throw std::runtime_error("refused");
    };
    EXPECT_EQ(SendMessageA(window.handle, WM_NCHITTEST, 0, MAKELPARAM(20, 20)), HTCLIENT);
    EXPECT_EQ(SendMessageA(window.handle, WM_USER, 0, 0), 0);
    EXPECT_EQ(window.host.reported, (Texts{"未知错误", "refused"}));

    window.handler = [](UINT message) {
        if (message == WM_PAINT) throw std::runtime_error("paint");
    };
    InvalidateRect(window.handle, nullptr, TRUE);
    UpdateWindow(window.handle);
    EXPECT_FALSE(GetUpdateRect(window.handle, nullptr, FALSE)) << "the failed paint was still validated";
    EXPECT_EQ(window.host.reported.back(), "paint");
    DestroyWindow(window.handle);
}

}  // namespace
