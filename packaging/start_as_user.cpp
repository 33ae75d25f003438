#include "packaging/start_as_user.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "base/scoped_handle.h"

namespace {

struct ReleaseComObject {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using ComObject = ScopedHandle<Interface*, ReleaseComObject>;

struct FreeBstr {
    void operator()(BSTR text) const { SysFreeString(text); }
};
using Bstr = ScopedHandle<BSTR, FreeBstr>;

// COM for this thread while it lives; a thread that has it already (in
// another apartment) keeps it as it is.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialized_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

// The interface a call hands out, owned; none when the call failed.
template <class Interface, class Call>
ComObject<Interface> received(Call call) {
    Interface* object = nullptr;
    const HRESULT result = call(&object);
    return ComObject<Interface>(SUCCEEDED(result) ? object : nullptr);
}

template <class Interface>
ComObject<Interface> queried(const ComObject<IDispatch>& object, REFIID id) {
    return received<Interface>([&](Interface** out) {
        return object ? object.get()->QueryInterface(id, reinterpret_cast<void**>(out)) : E_POINTER;
    });
}

// Unless the token says otherwise: where it cannot be told, the program is
// not started directly.
bool runsElevated() {
    HANDLE token = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token) &&
        !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return true;
    const KernelHandle owned(token);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    if (!userStartApi().getTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size)) return true;
    return elevation.TokenIsElevated != 0;
}

// The signed-in user's desktop shell as its scripting object: the desktop
// in the shell's window list, its browser, the browser's view, the view's
// scripting object and that object's application.
ComObject<IShellDispatch2> desktopShell() {
    const auto windows = received<IShellWindows>([](IShellWindows** out) {
        return userStartApi().coCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                               reinterpret_cast<void**>(out));
    });
    if (!windows) return {};
    VARIANT desktop, none;
    VariantInit(&desktop);
    VariantInit(&none);
    desktop.vt = VT_I4;
    desktop.lVal = CSIDL_DESKTOP;
    long window = 0;
    const auto found = received<IDispatch>([&](IDispatch** out) {
        return windows.get()->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, out);
    });
    const auto services = queried<IServiceProvider>(found, IID_IServiceProvider);
    if (!services) return {};
    const auto browser = received<IShellBrowser>([&](IShellBrowser** out) {
        return services.get()->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, reinterpret_cast<void**>(out));
    });
    if (!browser) return {};
    const auto view = received<IShellView>([&](IShellView** out) { return browser.get()->QueryActiveShellView(out); });
    if (!view) return {};
    const auto background = received<IDispatch>([&](IDispatch** out) {
        return view.get()->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, reinterpret_cast<void**>(out));
    });
    const auto folderView = queried<IShellFolderViewDual>(background, IID_IShellFolderViewDual);
    if (!folderView) return {};
    const auto application =
        received<IDispatch>([&](IDispatch** out) { return folderView.get()->get_Application(out); });
    return queried<IShellDispatch2>(application, IID_IShellDispatch2);
}

Bstr bstr(const std::wstring& text) {
    return Bstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
}

void startThroughDesktopShell(const std::wstring& program, const std::wstring& folder) {
    const ComApartment apartment;
    const ComObject<IShellDispatch2> shell = desktopShell();
    const Bstr file = bstr(program), directory = bstr(folder);
    if (!shell || !file || !directory) return;
    VARIANT none, inFolder, show;
    VariantInit(&none);
    VariantInit(&inFolder);
    VariantInit(&show);
    inFolder.vt = VT_BSTR;
    inFolder.bstrVal = directory.get();
    show.vt = VT_I4;
    show.lVal = SW_SHOWNORMAL;
    shell.get()->ShellExecute(file.get(), none, inFolder, none, show);
}

void startDirectly(const std::wstring& program, const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                       &started)) {
        // Left to run on its own.
        const KernelHandle thread(started.hThread), process(started.hProcess);
    }
}

}  // namespace

UserStartApi& userStartApi() {
    static UserStartApi api;
    return api;
}

void startAsUser(const std::wstring& program, const std::wstring& folder) {
    if (runsElevated())
        startThroughDesktopShell(program, folder);
    else
        startDirectly(program, folder);
}
