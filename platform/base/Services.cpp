#include "platform/base/Services.h"

#include <QLocale>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <arpa/inet.h>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ifaddrs.h>
#include <map>
#include <mutex>
#include <net/if.h>
#include <netinet/in.h>
#include <netpacket/packet.h>
#include <thread>
#include <unistd.h>

namespace
{

// Headless stand-ins: without a presenter no box can be shown, which the
// callers see as no answer (0), never as a confirmation.
class HeadlessMessageBox : public IMessageBoxPresenter
{
public:
    int Show(HWND, const CString& text, const CString& caption, UINT) override
    {
        std::fprintf(stderr, "[message box] %s: %s\n", caption.GetString(), text.GetString());
        return 0;
    }
};

class HeadlessDialogRunner : public IModalDialogRunner
{
public:
    void RunModalLoop(CWnd*) override { }
};

class HeadlessMenuChooser : public IPopupMenuChooser
{
public:
    UINT Choose(HMENU, UINT, int, int, HWND) override { return 0; }
};

class HeadlessFileChooser : public IFileChooser
{
public:
    bool ChooseOpen(HWND, const CString&, CString&) override { return false; }
};

class SystemClock : public IClock
{
public:
    DWORD GetTickCount() override
    {
        using namespace std::chrono;
        return DWORD(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    time_t Now() override { return std::time(nullptr); }
    void Sleep(DWORD milliseconds) override
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

class SystemNetwork : public INetworkEnvironment
{
public:
    std::vector<AdapterInfo> GetAdapters() override
    {
        std::vector<AdapterInfo> adapters;
        ifaddrs* list = nullptr;
        if (getifaddrs(&list) != 0)
            return adapters;
        std::map<std::string, std::array<BYTE, 6>> macs;
        for (ifaddrs* a = list; a; a = a->ifa_next)
            if (a->ifa_addr && a->ifa_addr->sa_family == AF_PACKET) {
                auto* ll = reinterpret_cast<const sockaddr_ll*>(a->ifa_addr);
                std::array<BYTE, 6> mac {};
                std::memcpy(mac.data(), ll->sll_addr, std::min<size_t>(6, ll->sll_halen));
                macs[a->ifa_name] = mac;
            }
        for (ifaddrs* a = list; a; a = a->ifa_next) {
            if (!a->ifa_addr || a->ifa_addr->sa_family != AF_INET)
                continue;
            if (!(a->ifa_flags & IFF_UP) || (a->ifa_flags & IFF_LOOPBACK))
                continue;
            AdapterInfo info;
            info.name = a->ifa_name;
            info.ipAddress = Dotted(reinterpret_cast<const sockaddr_in*>(a->ifa_addr)->sin_addr.s_addr);
            if (a->ifa_netmask)
                info.ipMask = Dotted(reinterpret_cast<const sockaddr_in*>(a->ifa_netmask)->sin_addr.s_addr);
            auto mac = macs.find(info.name);
            if (mac != macs.end())
                std::memcpy(info.mac, mac->second.data(), 6);
            adapters.push_back(info);
        }
        freeifaddrs(list);
        return adapters;
    }
    std::vector<uint32_t> BroadcastTargets(uint32_t address) override { return { address }; }

private:
    static std::string Dotted(uint32_t networkOrder)
    {
        in_addr address {};
        address.s_addr = networkOrder;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &address, text, sizeof text);
        return text;
    }
};

class SystemProcess : public IProcessControl
{
public:
    bool StartDetached(const std::string& program, const std::vector<std::string>& args) override
    {
        QStringList list;
        for (const auto& a : args)
            list << QString::fromStdString(a);
        return QProcess::startDetached(QString::fromStdString(program), list);
    }
    void Exit(int code) override
    {
        std::fflush(nullptr);
        ::_exit(code);
    }
};

class SystemLocale : public ILocale
{
public:
    LocaleInfo SystemDefault() override
    {
        static const std::map<QLocale::Language, WORD> ids = {
            { QLocale::English, 0x0409 },
            { QLocale::Japanese, 0x0411 },
            { QLocale::Korean, 0x0412 },
            { QLocale::Chinese, 0x0804 },
            { QLocale::German, 0x0407 },
            { QLocale::French, 0x040C },
            { QLocale::Spanish, 0x0C0A },
            { QLocale::Italian, 0x0410 },
        };
        QLocale::Language lang = QLocale::system().language();
        LocaleInfo info;
        auto id = ids.find(lang);
        info.langId = id != ids.end() ? id->second : 0x0409;
        info.englishLanguageName = QLocale::languageToString(lang).toStdString();
        return info;
    }
};

template <class I> struct Slot {
    std::atomic<I*> override { nullptr };
};

template <class I> Slot<I>& SlotOf()
{
    static Slot<I> slot;
    return slot;
}

template <class I, class Builtin> I& Current()
{
    static Builtin builtin;
    I* impl = SlotOf<I>().override.load();
    return impl ? *impl : builtin;
}

std::atomic<ClockAdvancedHook> g_clockHook { nullptr };
std::mutex g_titleMutex;
CString g_appTitle = "Setup";

} // namespace

template <> PLATFORM_API IMessageBoxPresenter& Service<IMessageBoxPresenter>()
{
    return Current<IMessageBoxPresenter, HeadlessMessageBox>();
}
template <> PLATFORM_API IModalDialogRunner& Service<IModalDialogRunner>()
{
    return Current<IModalDialogRunner, HeadlessDialogRunner>();
}
template <> PLATFORM_API IPopupMenuChooser& Service<IPopupMenuChooser>()
{
    return Current<IPopupMenuChooser, HeadlessMenuChooser>();
}
template <> PLATFORM_API IFileChooser& Service<IFileChooser>()
{
    return Current<IFileChooser, HeadlessFileChooser>();
}
template <> PLATFORM_API IClock& Service<IClock>()
{
    return Current<IClock, SystemClock>();
}
template <> PLATFORM_API INetworkEnvironment& Service<INetworkEnvironment>()
{
    return Current<INetworkEnvironment, SystemNetwork>();
}
template <> PLATFORM_API IProcessControl& Service<IProcessControl>()
{
    return Current<IProcessControl, SystemProcess>();
}
template <> PLATFORM_API ILocale& Service<ILocale>()
{
    return Current<ILocale, SystemLocale>();
}

#define PLATFORM_SERVICE_INSTALL(I)                                                                          \
    template <> PLATFORM_API I* InstallService<I>(I * impl)                                                  \
    {                                                                                                        \
        return SlotOf<I>().override.exchange(impl);                                                          \
    }
PLATFORM_SERVICE_INSTALL(IMessageBoxPresenter)
PLATFORM_SERVICE_INSTALL(IModalDialogRunner)
PLATFORM_SERVICE_INSTALL(IPopupMenuChooser)
PLATFORM_SERVICE_INSTALL(IFileChooser)
PLATFORM_SERVICE_INSTALL(IClock)
PLATFORM_SERVICE_INSTALL(INetworkEnvironment)
PLATFORM_SERVICE_INSTALL(IProcessControl)
PLATFORM_SERVICE_INSTALL(ILocale)

void SetClockAdvancedHook(ClockAdvancedHook hook)
{
    g_clockHook = hook;
}

void NotifyClockAdvanced()
{
    if (ClockAdvancedHook hook = g_clockHook)
        hook();
}

std::vector<int> MessageBoxButtons(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return { IDOK, IDCANCEL };
    case MB_ABORTRETRYIGNORE:
        return { IDABORT, IDRETRY, IDIGNORE };
    case MB_YESNOCANCEL:
        return { IDYES, IDNO, IDCANCEL };
    case MB_YESNO:
        return { IDYES, IDNO };
    case MB_RETRYCANCEL:
        return { IDRETRY, IDCANCEL };
    default:
        return { IDOK };
    }
}

int MessageBoxDefaultAnswer(UINT type)
{
    std::vector<int> buttons = MessageBoxButtons(type);
    size_t index = (type & MB_DEFMASK) >> 8;
    return buttons[index < buttons.size() ? index : 0];
}

DWORD GetTickCount()
{
    return Service<IClock>().GetTickCount();
}
void Sleep(DWORD milliseconds)
{
    Service<IClock>().Sleep(milliseconds);
}

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type)
{
    return Service<IMessageBoxPresenter>().Show(owner, text, caption ? caption : "Error", type);
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    return Service<IMessageBoxPresenter>().Show(nullptr, text, AfxGetAppTitle(), type);
}

int AfxMessageBox(UINT promptId, UINT type, UINT helpId)
{
    CString text;
    text.LoadString(promptId);
    return AfxMessageBox(text, type, helpId);
}

void AfxSetAppTitle(const CString& title)
{
    std::lock_guard<std::mutex> lock(g_titleMutex);
    g_appTitle = title;
}

CString AfxGetAppTitle()
{
    std::lock_guard<std::mutex> lock(g_titleMutex);
    return g_appTitle;
}

LANGID GetSystemDefaultLangID()
{
    return Service<ILocale>().SystemDefault().langId;
}

int GetLocaleInfo(LCID, DWORD type, LPSTR data, int size)
{
    if (type != LOCALE_SENGLANGUAGE)
        return 0;
    std::string name = Service<ILocale>().SystemDefault().englishLanguageName;
    int needed = int(name.size()) + 1;
    if (size == 0)
        return needed;
    if (!data || size < needed)
        return 0;
    std::memcpy(data, name.c_str(), size_t(needed));
    return needed;
}
