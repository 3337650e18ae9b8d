#include "link/DialUpConnection.h"

#include "link/ByteOrder.h"
#include "platform/msg/WndBase.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{

constexpr size_t kMaxConnections = 20;
constexpr DWORD kPollInterval = 100;

struct StateText {
    int state;
    const char* text;
    int stop; // 0 go on; 1 stop, result stays; -1 stop with result -1
};

const StateText kStateTexts[] = {
    { 0, "Opening port...", 0 },
    { 1, "Port has been opened successfully", 0 },
    { 2, "Dialing %s...", 0 },
    { 3, "The device has connected successfully.", 0 },
    { 4, "All devices in the device chain have successfully connected.", 0 },
    { 5, "Verifying the user name and password...", 0 },
    { 6, "Authentication failed.", -1 },
    { 7, "Requested another validation attempt with a new user.", 0 },
    { 8, "Server has requested a callback number.", 0 },
    { 9, "The client has requested to change the password", 0 },
    { 10, "Registering your computer on the network...", 0 },
    { 11, "The link-speed calculation phase is starting...", 0 },
    { 12, "An authentication request is being acknowledged.", 0 },
    { 13, "Reauthentication (after callback) is starting. ", 0 },
    { 14, "The client has successfully completed authentication.", 0 },
    { 15, "The line is about to disconnect for callback.", 0 },
    { 16, "Delaying to give the modem time to reset for callback.", 0 },
    { 17, "Waiting for an incoming call from server.", 0 },
    { 18, "Projection result information is available.", 0 },
    { 19, "User authentication is being initiated or retried.", 0 },
    { 20, "Client has been called back and is about to resume authentication.", 0 },
    { 21, "Logging on to the network...", 0 },
    { 22, "Subentry has been connected", 0 },
    { 23, "Subentry has been disconnected", 0 },
    { 4096, "Terminal state supported by RASPHONE.EXE.", 0 },
    { 4097, "Retry authentication state supported by RASPHONE.EXE.", 0 },
    { 4098, "Callback state supported by RASPHONE.EXE.", 0 },
    { 4099, "Change password state supported by RASPHONE.EXE.", 0 },
    { RASCS_Connected, "Connect to remote server successfully! Please wait...", 1 },
    { RASCS_Disconnected, "Disconnected", -1 },
};

} // namespace

CDialUpConnection::CDialUpConnection(CWndBase* pOwner)
    : m_pOwner(pOwner)
    , m_bCancel(0)
    , m_nResult(0)
    , m_hRasConn(nullptr)
{
    std::memset(m_szUserName, 0, sizeof(m_szUserName));
    std::memset(m_szPassword, 0, sizeof(m_szPassword));
    std::memset(m_szPhoneNumber, 0, sizeof(m_szPhoneNumber));
    std::memset(m_szStatus, 0, sizeof(m_szStatus));
}

CDialUpConnection::~CDialUpConnection()
{
    // The thread reads this object: stop it and wait before the memory goes.
    m_bCancel = 1;
    WaitForThread();
}

void CDialUpConnection::WaitForThread()
{
    if (!m_thread.joinable())
        return;
    // The thread may be waiting for this (the owner's) thread to take a
    // progress text, so serve those sends while waiting.
    while (!m_threadDone)
        PumpMessagesUntil([this] { return m_threadDone.load(); }, 1000);
    m_thread.join();
}

BOOL CDialUpConnection::Dial(
    LPCTSTR lpszPhoneNumber, LPCTSTR lpszUserName, LPCTSTR lpszPassword, BOOL bThread)
{
    if (m_thread.joinable() && !m_threadDone)
        return FALSE; // one dial at a time
    WaitForThread();
    CopyFixedText(m_szPhoneNumber, sizeof(m_szPhoneNumber), lpszPhoneNumber ? lpszPhoneNumber : "", 31);
    CopyFixedText(m_szUserName, sizeof(m_szUserName), lpszUserName ? lpszUserName : "", 15);
    CopyFixedText(m_szPassword, sizeof(m_szPassword), lpszPassword ? lpszPassword : "", 15);
    if (!bThread)
        return DialAndWait();
    m_threadDone = false;
    m_thread = std::thread([this] {
        m_workerId = std::this_thread::get_id();
        DialAndWait();
        m_threadDone = true;
    });
    return TRUE;
}

void CDialUpConnection::ReportSent(WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        ::SendMessage(m_pOwner->GetSafeHwnd(), WM_DIAL_STATUS, wParam, lParam);
}

void CDialUpConnection::ReportPosted(WPARAM wParam, LPARAM lParam)
{
    if (m_pOwner && m_pOwner->GetSafeHwnd())
        ::PostMessage(m_pOwner->GetSafeHwnd(), WM_DIAL_STATUS, wParam, lParam);
}

void CDialUpConnection::SetErrorText(DWORD error)
{
    std::string text;
    if (Service<IDialUpService>().GetErrorString(error, &text))
        std::snprintf(m_szStatus, sizeof(m_szStatus), "%s", text.c_str());
    else
        std::snprintf(m_szStatus, sizeof(m_szStatus), "Undefined RAS Dial Error (%ld).", long(error));
}

BOOL CDialUpConnection::DialAndWait()
{
    IDialUpService& service = Service<IDialUpService>();
    m_hRasConn = nullptr;
    DWORD error = service.Dial(m_szPhoneNumber, m_szUserName, m_szPassword, &m_hRasConn);
    m_nResult = int(error);
    if (error) {
        SetErrorText(error);
        if (m_hRasConn)
            service.HangUp(m_hRasConn);
        m_hRasConn = nullptr;
        ReportPosted(0, LPARAM(m_szStatus));
        return FALSE;
    }

    // Dialling on the caller's own thread keeps that thread's windows
    // answering between polls; the dialling thread of its own owns no
    // windows and nothing is posted to it.
    bool pump = std::this_thread::get_id() != m_workerId;
    BOOL keepPolling = TRUE;
    while (keepPolling) {
        if (pump)
            PumpWaitingMessages();
        if (m_bCancel) {
            ReportPosted(2, 0);
            return FALSE;
        }
        keepPolling = CheckStatus();
        ReportSent(1, LPARAM(m_szStatus));
        ::Sleep(kPollInterval);
    }
    ReportPosted(0, LPARAM(m_szStatus));
    return m_nResult == 0;
}

BOOL CDialUpConnection::CheckStatus()
{
    m_RasConnStatus = RASCONNSTATUS();
    DWORD error = Service<IDialUpService>().GetConnectStatus(m_hRasConn, &m_RasConnStatus);
    if (error) {
        // A connection whose state cannot be read is lost: polling it on
        // would never end.
        SetErrorText(error);
        m_nResult = int(error);
        return FALSE;
    }
    const StateText* entry = nullptr;
    for (const StateText& candidate : kStateTexts) {
        if (candidate.state == m_RasConnStatus.rasconnstate)
            entry = &candidate;
    }
    if (!entry) {
        m_szStatus[0] = 0;
        return TRUE;
    }
    if (entry->state == 2)
        std::snprintf(m_szStatus, sizeof(m_szStatus), entry->text, m_szPhoneNumber);
    else
        std::snprintf(m_szStatus, sizeof(m_szStatus), "%s", entry->text);
    if (entry->stop < 0)
        m_nResult = -1;
    return entry->stop == 0;
}

BOOL IsDialUpConnected()
{
    std::vector<HRASCONN> connections;
    if (Service<IDialUpService>().EnumConnections(&connections, kMaxConnections))
        return FALSE;
    return !connections.empty();
}

BOOL HangUpAllDialUp()
{
    IDialUpService& service = Service<IDialUpService>();
    std::vector<HRASCONN> connections;
    if (service.EnumConnections(&connections, kMaxConnections))
        return FALSE;
    BOOL ok = TRUE;
    for (HRASCONN connection : connections) {
        if (service.HangUp(connection))
            ok = FALSE;
    }
    return ok;
}
