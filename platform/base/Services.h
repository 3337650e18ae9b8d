// The service registry: every platform service that a test must replace.
// Production code asks Service<I>() for the current implementation; a test
// installs its own with ScopedService (or InstallService) and gets the
// built-in back afterwards. Built-ins of the services that need widgets
// (message boxes, modal dialogs, popup menus) are headless stand-ins until
// platform/ui installs its own at start-up.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/base/String.h"
#include "platform/base/Types.h"

#include <ctime>
#include <string>
#include <vector>

class CWnd;

// Message box styles and answers, with their documented values.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON1 = 0x0;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFMASK = 0xF00;
constexpr UINT MB_APPLMODAL = 0x0;
constexpr UINT MB_SYSTEMMODAL = 0x1000;
constexpr UINT MB_TASKMODAL = 0x2000;
constexpr UINT MB_SETFOREGROUND = 0x10000;
constexpr UINT MB_TOPMOST = 0x40000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The answers a box of the given type offers, in button order.
PLATFORM_API std::vector<int> MessageBoxButtons(UINT type);
// The answer of the default button (Enter) of a box of the given type.
PLATFORM_API int MessageBoxDefaultAnswer(UINT type);

class PLATFORM_API IMessageBoxPresenter
{
public:
    virtual ~IMessageBoxPresenter() = default;
    // Shows a modal box and gives the button pressed (IDOK ...), 0 when the
    // box could not be shown.
    virtual int Show(HWND owner, const CString& text, const CString& caption, UINT type) = 0;
};

class PLATFORM_API IModalDialogRunner
{
public:
    virtual ~IModalDialogRunner() = default;
    // Called by DoModal once the dialog's window exists and is shown; returns
    // when the dialog has ended (EndDialog) or, for a stand-in, at once.
    virtual void RunModalLoop(CWnd* dialog) = 0;
};

class PLATFORM_API IPopupMenuChooser
{
public:
    virtual ~IPopupMenuChooser() = default;
    // Shows the popup menu at screen point (x, y) and gives the command id
    // chosen, 0 when the menu was dismissed.
    virtual UINT Choose(HMENU menu, UINT flags, int x, int y, HWND owner) = 0;
};

class PLATFORM_API IFileChooser
{
public:
    virtual ~IFileChooser() = default;
    // Asks for a file to open. The filter has the form "Name (*.a;*.b)|*.a;*.b||".
    // True with the chosen path; false when the user cancelled.
    virtual bool ChooseOpen(HWND owner, const CString& filter, CString& path) = 0;
};

class PLATFORM_API IClock
{
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit counter.
    virtual DWORD GetTickCount() = 0;
    // Wall-clock seconds since 1970-01-01 UTC.
    virtual time_t Now() = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
    // True for a clock that only moves when a test advances it; timers then
    // fire from the clock rather than from real time.
    virtual bool IsManual() const { return false; }
};

struct AdapterInfo {
    std::string name;
    std::string ipAddress; // dotted IPv4 text
    std::string ipMask;
    BYTE mac[6] = {};
};

class PLATFORM_API INetworkEnvironment
{
public:
    virtual ~INetworkEnvironment() = default;
    // The IPv4 adapters that are up, loopback excluded.
    virtual std::vector<AdapterInfo> GetAdapters() = 0;
    // Where a datagram sent to the limited broadcast address goes (IPv4,
    // host order); the built-in gives the broadcast address itself.
    virtual std::vector<uint32_t> BroadcastTargets(uint32_t address) = 0;
};

class PLATFORM_API IProcessControl
{
public:
    virtual ~IProcessControl() = default;
    // Starts a program detached from this one; false when it cannot start.
    virtual bool StartDetached(const std::string& program, const std::vector<std::string>& args) = 0;
    // Ends the process at once, running no further destructor.
    virtual void Exit(int code) = 0;
};

struct LocaleInfo {
    WORD langId = 0x0409;
    std::string englishLanguageName = "English";
};

class PLATFORM_API ILocale
{
public:
    virtual ~ILocale() = default;
    virtual LocaleInfo SystemDefault() = 0;
};

template <class I> PLATFORM_API I& Service();
// Installs `impl` (nullptr: the built-in) and gives the previous override.
template <class I> PLATFORM_API I* InstallService(I* impl);

#define PLATFORM_DECLARE_SERVICE(I)                                                                          \
    template <> PLATFORM_API I& Service<I>();                                                                \
    template <> PLATFORM_API I* InstallService<I>(I * impl);
PLATFORM_DECLARE_SERVICE(IMessageBoxPresenter)
PLATFORM_DECLARE_SERVICE(IModalDialogRunner)
PLATFORM_DECLARE_SERVICE(IPopupMenuChooser)
PLATFORM_DECLARE_SERVICE(IFileChooser)
PLATFORM_DECLARE_SERVICE(IClock)
PLATFORM_DECLARE_SERVICE(INetworkEnvironment)
PLATFORM_DECLARE_SERVICE(IProcessControl)
PLATFORM_DECLARE_SERVICE(ILocale)
#undef PLATFORM_DECLARE_SERVICE

template <class I> class ScopedService
{
public:
    explicit ScopedService(I* impl)
        : m_previous(InstallService<I>(impl))
    {
    }
    ~ScopedService() { InstallService<I>(m_previous); }
    ScopedService(const ScopedService&) = delete;
    ScopedService& operator=(const ScopedService&) = delete;

private:
    I* m_previous;
};

// Registered by platform/msg: called after a manual clock moved, so that due
// timers fire.
using ClockAdvancedHook = void (*)();
PLATFORM_API void SetClockAdvancedHook(ClockAdvancedHook hook);
PLATFORM_API void NotifyClockAdvanced();

// Convenience entry points that go through the services.
PLATFORM_API DWORD GetTickCount();
PLATFORM_API void Sleep(DWORD milliseconds);
PLATFORM_API int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);
PLATFORM_API int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);
PLATFORM_API int AfxMessageBox(UINT promptId, UINT type = MB_OK, UINT helpId = 0);
// The caption of AfxMessageBox boxes: the application's title.
PLATFORM_API void AfxSetAppTitle(const CString& title);
PLATFORM_API CString AfxGetAppTitle();

using LANGID = WORD;
using LCID = DWORD;
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;
constexpr DWORD LOCALE_SENGLANGUAGE = 0x1001;
PLATFORM_API LANGID GetSystemDefaultLangID();
// Only LOCALE_SENGLANGUAGE is known; gives the characters written including
// the terminator, 0 when the item is unknown or does not fit.
PLATFORM_API int GetLocaleInfo(LCID locale, DWORD type, LPSTR data, int size);
