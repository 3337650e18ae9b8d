#include "explorer/ThreadZpt.h"

#include "link/ByteOrder.h"
#include "platform/msg/WndBase.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>

namespace morrik
{

namespace
{

// The model numbers of the registration server's queries.
constexpr int kModelCameras = 0x501;
constexpr int kModelRecorders = 0x502;
constexpr int kRecorderTree = 2;

void CopyText(char* field, size_t width, const char* text)
{
    if (text)
        CopyFixedText(field, width, text, width);
}

} // namespace

struct CThreadZpt::State {
    std::mutex lock;
    std::set<RegServerRecord*> requests; // posted, not yet taken by the thread
    std::atomic<int> running { 1 }; // cleared by Stop: the fetch ends
    bool stopped = false;
};

BEGIN_MESSAGE_MAP(CThreadZpt, CWinThread)
ON_THREAD_MESSAGE(WM_REGSERVER_FETCH, OnFetch)
END_MESSAGE_MAP()

CThreadZpt::CThreadZpt(CWndBase* pOwner)
    : m_pOwner(pOwner)
    , m_pFtpClient(new CFtpClient)
    , m_hEvent(CreateEvent(nullptr, TRUE, TRUE, nullptr))
    , m_pState(new State)
{
    // Made here rather than on the thread, so that Stop always finds them,
    // however early it runs.
    m_pFtpClient->m_bRefuseSurplus = true;
    m_bAutoDelete = FALSE;
    CreateThread(CREATE_SUSPENDED);
}

CThreadZpt::~CThreadZpt()
{
    Stop();
    delete m_pFtpClient;
    CloseHandle(m_hEvent);
    delete m_pState;
}

BOOL CThreadZpt::InitInstance()
{
    return TRUE;
}

BOOL CThreadZpt::PostFetch(RegServerRecord* pRequest)
{
    if (!pRequest)
        return FALSE;
    {
        std::lock_guard lock(m_pState->lock);
        if (!m_pState->stopped) {
            m_pState->requests.insert(pRequest);
            if (PostThreadMessage(WM_REGSERVER_FETCH, WPARAM(pRequest), 0))
                return TRUE;
            m_pState->requests.erase(pRequest);
        }
    }
    std::free(pRequest);
    return FALSE;
}

void CThreadZpt::Stop()
{
    {
        std::lock_guard lock(m_pState->lock);
        if (m_pState->stopped)
            return;
        m_pState->stopped = true;
    }
    m_pOwner = nullptr; // no node goes out any more
    m_pState->running = 0;
    // A fetch blocked in a connect or a receive fails now.
    m_pFtpClient->Abort();
    WaitForSingleObject(m_hEvent, INFINITE);
    if (m_hThread) {
        HANDLE thread = m_hThread;
        ResumeThread(); // a thread never resumed runs just far enough to end
        PostThreadMessage(WM_QUIT, 0, 0);
        WaitForSingleObject(thread, INFINITE);
    }
    m_pFtpClient->Close();
    // Requests the thread never took.
    for (RegServerRecord* request : m_pState->requests)
        std::free(request);
    m_pState->requests.clear();
}

void CThreadZpt::OnFetch(WPARAM wParam, LPARAM)
{
    auto* request = reinterpret_cast<RegServerRecord*>(wParam);
    {
        std::lock_guard lock(m_pState->lock);
        if (m_pState->requests.erase(request) == 0)
            return; // not ours, or already freed by Stop
        if (m_pState->stopped) {
            std::free(request);
            return;
        }
        // One fetch at a time, and Stop waits for it.
        ResetEvent(m_hEvent);
    }
    char host[sizeof(request->szServerAddress) + 1];
    CopyFixedText(host, sizeof(host), request->szServerAddress, sizeof(request->szServerAddress));
    struct Send {
        CThreadZpt* self;
        const RegServerRecord& request;
    } send { this, *request };
    m_pFtpClient->FetchAll(
        host, request->dwProtocol, *request, RECORDS_PER_REQUEST,
        [](void* user, const RegServerRecord& record) {
            auto* s = static_cast<Send*>(user);
            return s->self->SendNode(s->request, record);
        },
        &send, &m_pState->running);
    // The next fetch logs in afresh.
    m_pFtpClient->Close();
    std::free(request);
    SetEvent(m_hEvent);
}

bool CThreadZpt::SendNode(const RegServerRecord& request, const RegServerRecord& record)
{
    CWndBase* owner = m_pOwner;
    HWND window = owner ? owner->GetSafeHwnd() : nullptr;
    if (!window || !::IsWindow(window))
        return false;
    auto* node = static_cast<ZPT_NODE*>(std::calloc(1, sizeof(ZPT_NODE)));
    if (!node)
        return false;
    FillDownloadedNode(node, request, record);
    // Sent, not posted: each device is in the tree before the next record
    // is handled. The receiver frees the node.
    ::SendMessage(window, WM_REGSERVER_RECORD, WPARAM(node), 0);
    return true;
}

int GetZPTFtpModelNo(int nTreeNo)
{
    return nTreeNo == kRecorderTree ? kModelRecorders : kModelCameras;
}

bool ReqFindMsg(CThreadZpt*& pThread, CWndBase* pOwner, int nModelNo, const char* server, const char* name,
    const char* text, const char* mac)
{
    if (!pThread) {
        pThread = new CThreadZpt(pOwner);
        pThread->ResumeThread();
    }
    auto* request = static_cast<RegServerRecord*>(std::calloc(1, sizeof(RegServerRecord)));
    if (!request)
        return true;
    request->dwProtocol = uint32_t(nModelNo);
    CopyText(request->szServerAddress, sizeof(request->szServerAddress), server);
    CopyText(request->szName, sizeof(request->szName), name);
    CopyText(request->szKey32, sizeof(request->szKey32), text);
    CopyText(request->szMac, sizeof(request->szMac), mac);
    pThread->PostFetch(request);
    return true;
}

bool GetRegServerAddress(
    const char* server, int nModelNo, const char* mac, const char* serial, char* result, size_t resultSize)
{
    if (!server || !result || resultSize == 0)
        return false;
    char* found = CFtpClient::LookUpDeviceAddress(server, uint32_t(nModelNo), mac, serial, nullptr);
    if (!found)
        return false;
    CopyFixedText(result, resultSize, found, std::strlen(found));
    std::free(found);
    return true;
}

} // namespace morrik
