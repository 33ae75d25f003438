// Failures of the platform calls injected through the registry, file and
// window call tables, with the application and its note running in this
// process: each failure is reported once in the error box, the program goes
// on with what it had (or, without a window it needs, ends saving the
// note), what was written before the failure stays, and no registry key or
// file handle is left open but the settings key the note holds for the
// whole run. And the window procedure's boundary with handlers that fail,
// and the saves while the note runs: once reported when they fail, the
// day's copy, the flush before a suspend, the restart registration.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/application.h"
#include "app/single_instance.h"
#include "base/failure.h"
#include "base/window.h"
#include "note/form1.h"
#include "tests/win32/support/call_tables.h"
#include "tests/win32/support/files.h"
#include "tests/win32/support/message_box.h"
#include "tests/win32/support/raw_registry.h"
#include "tests/win32/support/rects.h"
#include "tests/win32/support/settings_key.h"
#include "tests/win32/support/test_host.h"
#include "tests/win32/support/wait.h"

namespace {

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

class FaultInjection : public ::testing::Test {
protected:
    void SetUp() override { deleteKeyTree(HKEY_CURRENT_USER, "software\\Vessan"); }
    void TearDown() override {
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

    FakeCallTables calls_;
    BoxAnswerer boxes_;
    std::unique_ptr<TApplication> application_;
};

// No value goes to a key on the way to the settings key: the close, which
// cannot make it either, keeps the text in a file of its own.
TEST_F(FaultInjection, AKeyThatCannotBeCreatedTakesNoValueAndTheCloseKeepsTheTextInAFile) {
    calls_.registry.create.names = {"位置"};
    EXPECT_EQ(start(), Texts{"创建主键 位置 失败."});
    EXPECT_EQ(geometryOf(note()), kDescribed);
    EXPECT_EQ(note().Text(), "");
    note().SetText("typed");
    EXPECT_EQ(end(), (Texts{"创建主键 位置 失败.", "创建主键 位置 失败."})) << "at the start and at the close";
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kSettingsKeyPath));
    EXPECT_FALSE(readRawValue(HKEY_CURRENT_USER, "software\\Vessan\\Ordeluma", "max").found);
    EXPECT_TRUE(calls_.registry.stillOpen.empty()) << "no key on the way stays open";
    const std::vector<std::string> kept = filesIn(dailyCopiesFolder(), "unstored-*.txt");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(fileBytes(dailyCopiesFolder() + kept[0]), "typed");
    removeDailyCopies();
}

TEST_F(FaultInjection, AReadThatFailsStopsTheRestoreKeepingWhatCameBefore) {
    storeComplete();
    calls_.registry.read.names = {"top"};
    EXPECT_EQ(start(), Texts{"从 'top' 获得数据失败."});
    EXPECT_EQ(note().Text(), "stored text");
    EXPECT_EQ(geometryOf(note()), kDescribed);
    EXPECT_EQ(end().size(), 1u);
    EXPECT_EQ(readSettingsString("max"), "stored text");
    EXPECT_EQ(readSettingsString("top"), "142");
    EXPECT_EQ(calls_.registry.stillOpen.size(), 1u);
}

TEST_F(FaultInjection, AValueOfAnotherTypeOrNoNumberStopsTheRestoreThere) {
    storeComplete();
    writeRawValue(HKEY_CURRENT_USER, kSettingsKeyPath, "left", REG_DWORD, std::string(4, '\x01'));
    EXPECT_EQ(start(), Texts{"'left' 的数据类型是无效的."});
    EXPECT_EQ(geometryOf(note()), (Bounds{263, 200, 188, 89}));
    end();

    storeComplete();
    writeSettingsString("height", "12 ");
    BoxAnswerer again;
    application_ = std::make_unique<TApplication>();
    application_->CreateForm<TForm1>();
    EXPECT_EQ(again.texts(), Texts{"'12 ' 不是一个有效的整形值."});
    EXPECT_EQ(geometryOf(note()), (Bounds{300, 200, 188, 89}));
    application_.reset();
    EXPECT_EQ(again.stop().size(), 1u);
    EXPECT_EQ(readSettingsString("height"), "89");
    EXPECT_EQ(calls_.registry.stillOpen.size(), 2u) << "one key for each run's note, no more";
}

TEST_F(FaultInjection, AWriteThatFailsAtShutDownKeepsTheValuesWrittenBeforeIt) {
    storeComplete();
    calls_.registry.write.names = {"height"};
    EXPECT_EQ(start(), Texts{});
    // Active, so that hiding it for the close deactivates it: one save, one box.
    note().Show(SW_SHOWNORMAL);
    SetForegroundWindow(note().Handle());
    note().SetText("changed");
    note().SetLeft(50);
    note().SetHeight(60);
    EXPECT_EQ(end(), Texts{"为 'height' 设置数据时失败."});
    EXPECT_EQ(readSettingsString("max"), "changed");
    EXPECT_EQ(readSettingsString("left"), "50");
    EXPECT_EQ(readSettingsString("height"), "120") << "the failed write changed nothing";
    EXPECT_EQ(readSettingsString("width"), "180") << "the writes after the failure are not tried";
    EXPECT_EQ(calls_.registry.stillOpen.size(), 1u);
}

TEST_F(FaultInjection, AnExportThatFailsIsReportedAndTheNextSaveWritesTheSameFile) {
    EXPECT_EQ(start(), Texts{});
    note().SetText("line 1\r\nline 2");
    note().SaveDialog1.FileName = exportPath();  // chosen earlier in the run
    const auto save = [this] { return guarded(*application_, [this] { note().Commands.Click(note().N1); }); };

    calls_.files.refuseCreate = true;
    EXPECT_FALSE(save());
    calls_.files.refuseCreate = false;
    calls_.files.refuseWrite = true;
    EXPECT_FALSE(save());
    EXPECT_TRUE(calls_.files.stillOpen.empty()) << "the file of the failed write is closed";
    calls_.files.refuseWrite = false;
    EXPECT_TRUE(save());
    EXPECT_TRUE(calls_.files.stillOpen.empty());
    EXPECT_EQ(fileBytes(exportPath()), "line 1\r\nline 2");
    EXPECT_EQ(end(), (Texts{"不能创建文件 " + exportPath() + ".", "写流出错."}));
}

TEST_F(FaultInjection, AWindowThatCannotBeCreatedIsReportedAndTheRunEndsSavingTheNote) {
    calls_.windows.classes.names = {"TApplication"};
    EXPECT_THROW(TApplication(), WindowNotCreated);

    // No window of the class is left, so the next note registers it anew.
    UnregisterClassA("TForm1", GetModuleHandleA(nullptr));
    calls_.windows.classes.names = {"TForm1"};
    application_ = std::make_unique<TApplication>();
    EXPECT_FALSE(guarded(*application_, [this] { application_->CreateForm<TForm1>(); }));
    calls_.windows.classes.names.clear();
    application_->ProcessMessages();
    EXPECT_TRUE(application_->Terminated());
    EXPECT_EQ(end(), Texts{"不能注册窗口类 TForm1."});

    BoxAnswerer again;
    start();
    note().SetText("typed");
    calls_.windows.classes.names = {"EDIT"};
    SendMessageA(note().Handle(), WM_COMMAND, TPopupMenu::kFirstCommandId + 11, 0);  // align centre
    application_->ProcessMessages();
    EXPECT_TRUE(application_->Terminated());
    application_.reset();
    EXPECT_EQ(again.stop(), Texts{"不能创建窗口 EDIT."});
    EXPECT_EQ(readSettingsString("max"), "typed") << "the text of the lost text area is saved";
}

TEST_F(FaultInjection, ABackgroundSaveThatFailsIsShownOnceAndTheTextReachesALaterSave) {
    storeComplete();
    start();
    calls_.registry.write.names = {"max"};
    for (const char* text : {"a", "ab", "abc"}) {
        note().SetText(text);
        note().FormDeactivate();
    }
    pumpMessagesFor(2500);  // the failed write is tried again after a pause
    EXPECT_EQ(boxes_.texts(), Texts{"为 'max' 设置数据时失败."}) << "once, not at every try";
    EXPECT_EQ(note().Text(), "abc");
    EXPECT_EQ(readSettingsString("max"), "stored text");

    calls_.registry.write.names.clear();
    note().SetText("abcd");
    EXPECT_TRUE(waitUntil([] { return readSettingsString("max") == "abcd"; }, 5000))
        << "the retry writes it once the store takes it";
    int timerMessages = 0;
    waitUntil([] { return false; }, 3000, [&] {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_TIMER && message.hwnd == note().Handle()) ++timerMessages;
            DispatchMessageA(&message);
        }
    });
    EXPECT_EQ(timerMessages, 0) << "an idle note takes no timer messages";
    calls_.registry.write.names = {"max"};
    note().SetText("abcde");
    note().FormDeactivate();
    EXPECT_EQ(boxes_.texts().size(), 2u) << "a failure after a success is told again";
    calls_.registry.write.names.clear();
    EXPECT_EQ(end().size(), 2u);
    EXPECT_EQ(readSettingsString("max"), "abcde");
}

TEST_F(FaultInjection, TheSuspendNoticeWritesWhatChangedAndFlushesTheKey) {
    storeComplete();
    start();
    note().SetText("before sleep");
    note().SetLeft(77);
    EXPECT_EQ(SendMessageA(note().Handle(), WM_POWERBROADCAST, PBT_APMSUSPEND, 0), TRUE);
    EXPECT_EQ(readSettingsString("max"), "before sleep");
    EXPECT_EQ(readSettingsString("left"), "77");
    EXPECT_EQ(calls_.registry.flushed.size(), 1u);
    end();
}

// The run registers for a restart once it shows the note; a note whose loop
// is ending tells a later start to run the next note itself.
TEST_F(FaultInjection, TheRunRegistersForRestartAndAClosingNoteRefusesTheFront) {
    start();
    const UINT bringToFront = bringToFrontMessage();
    EXPECT_EQ(SendMessageA(application_->Handle(), bringToFront, 0, 0), kBroughtToFront);
    application_->Terminate();
    EXPECT_EQ(SendMessageA(application_->Handle(), bringToFront, 0, 0), 0);
    application_->Run(SW_SHOWNOACTIVATE);
    EXPECT_EQ(calls_.restart.registrations, 1);
    EXPECT_FALSE(calls_.restart.withCommandLine);
    EXPECT_EQ(calls_.restart.lastFlags, 0u) << "after an update, a crash, a hang and a restart alike";
    end();
}

// The day's copies, in the test prefix's own folder for them.
class DailyCopy : public FaultInjection {
protected:
    void SetUp() override {
        FaultInjection::SetUp();
        removeDailyCopies();
        storeComplete();
    }
    void TearDown() override {
        removeDailyCopies();
        FaultInjection::TearDown();
    }
    static std::string folder() { return dailyCopiesFolder(); }
    static std::string today() { return todaysCopyName(); }
    static void makeFolder() {
        const std::string vessan = folder().substr(0, folder().size() - sizeof "Tarvissel\\" + 1);
        CreateDirectoryA(vessan.c_str(), nullptr);
        CreateDirectoryA(folder().c_str(), nullptr);
    }
    void typeAndPause(const std::string& text) {
        note().SetText(text);
        note().FormDeactivate();
    }
};

TEST_F(DailyCopy, TheDaysFirstSaveKeepsTheStoredTextAndTheNewestSevenStay) {
    makeFolder();
    for (int day = 1; day <= 8; ++day) writeFileBytes(folder() + "2001-01-0" + std::to_string(day) + ".txt", "old");
    writeFileBytes(folder() + "notes.txt", "not a copy");
    start();
    typeAndPause("");
    EXPECT_EQ(readSettingsString("max"), "");
    EXPECT_EQ(fileBytes(folder() + today()), "stored text") << "the text before the day's first save";
    typeAndPause("typed later");
    EXPECT_EQ(fileBytes(folder() + today()), "stored text") << "one copy a day";
    for (int day = 1; day <= 8; ++day)
        EXPECT_EQ(fileBytes(folder() + "2001-01-0" + std::to_string(day) + ".txt") != "(no file)", day > 2) << day;
    EXPECT_EQ(fileBytes(folder() + "notes.txt"), "not a copy");
    EXPECT_EQ(end(), Texts{});
}

TEST_F(DailyCopy, ACopyThatCannotBeWrittenIsSilentAndTheNoteIsSavedAllTheSame) {
    makeFolder();
    RemoveDirectoryA(folder().c_str());
    const std::string asFile = folder().substr(0, folder().size() - 1);
    writeFileBytes(asFile, "a file where the folder goes");
    start();
    typeAndPause("changed");
    EXPECT_EQ(readSettingsString("max"), "changed");
    DeleteFileA(asFile.c_str());
    calls_.files.refuseWrite = true;
    typeAndPause("changed again");
    EXPECT_EQ(readSettingsString("max"), "changed again");
    EXPECT_EQ(fileBytes(folder() + today()), "(no file)") << "no half copy is left";
    EXPECT_EQ(fileBytes(folder() + "copy.partial"), "(no file)");
    calls_.files.refuseWrite = false;
    typeAndPause("and again");
    EXPECT_EQ(fileBytes(folder() + today()), "changed again") << "tried again at the next save";
    EXPECT_EQ(end(), Texts{});
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
