#include "link/ThreadZpt.h"

#include "link/ByteOrder.h"
#include "platform/msg/WndBase.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{

void FreeNode(WPARAM node, LPARAM)
{
    std::free(reinterpret_cast<void*>(node));
}

} // namespace

BEGIN_MESSAGE_MAP(CThreadZpt, CWinThread)
ON_THREAD_MESSAGE(WM_REGSERVER_FETCH, OnFetch)
END_MESSAGE_MAP()

CThreadZpt::CThreadZpt()
    : m_bBusy(0)
    , m_nNextSlot(0)
    , m_nCurrentSlot(0)
    , m_pOwner(nullptr)
    , m_pFtpClient(nullptr)
{
    std::memset(m_pRecords, 0, sizeof(m_pRecords));
    m_bAutoDelete = FALSE;
    // Made here rather than on the thread, so that the destructor always
    // finds them, however early it runs.
    m_hIdleEvent = CreateEvent(nullptr, TRUE, TRUE, nullptr);
    m_pFtpClient = new CFtpClient;
}

CThreadZpt::CThreadZpt(CWndBase* pOwner)
    : CThreadZpt()
{
    m_pOwner = pOwner;
    CreateThread(CREATE_SUSPENDED);
}

BOOL CThreadZpt::InitInstance()
{
    return TRUE;
}

CThreadZpt::~CThreadZpt()
{
    m_pOwner = nullptr; // no further posts
    {
        std::lock_guard lock(m_lock);
        m_bClosing = true;
        m_bBusy = 0;
    }
    // A fetch blocked in a receive wakes now and ends.
    if (m_pFtpClient)
        m_pFtpClient->Abort();
    if (m_hIdleEvent) {
        WaitForSingleObject(m_hIdleEvent, INFINITE);
        ResetEvent(m_hIdleEvent);
    }
    delete m_pFtpClient;
    m_pFtpClient = nullptr;
    for (RegServerRecord*& record : m_pRecords) {
        delete record;
        record = nullptr;
    }
    if (m_hIdleEvent) {
        SetEvent(m_hIdleEvent);
        CloseHandle(m_hIdleEvent);
        m_hIdleEvent = nullptr;
    }
    HANDLE thread = m_hThread;
    if (thread) {
        // A thread that was never resumed runs just far enough to end.
        ResumeThread();
        PostThreadMessage(WM_QUIT, 0, 0);
        WaitForSingleObject(thread, INFINITE);
    }
}

int CThreadZpt::AddRecord(const RegServerRecord* pRecord)
{
    std::lock_guard lock(m_lock);
    int slot = m_nNextSlot;
    delete m_pRecords[slot];
    m_pRecords[slot] = pRecord ? new RegServerRecord(*pRecord) : nullptr;
    m_nNextSlot = (slot + 1) % SLOTS;
    return slot;
}

void CThreadZpt::OnFetch(WPARAM wParam, LPARAM)
{
    // The fetch works on its own copy of the query, so that the user
    // interface may reuse the slot while it runs.
    auto query = std::make_unique<RegServerRecord>();
    {
        std::lock_guard lock(m_lock);
        if (m_bClosing || wParam >= WPARAM(SLOTS) || !m_pRecords[wParam])
            return;
        *query = *m_pRecords[wParam];
        WaitForSingleObject(m_hIdleEvent, INFINITE);
        ResetEvent(m_hIdleEvent);
        m_bBusy = 1;
        m_nCurrentSlot = int(wParam);
    }
    if (m_pFtpClient)
        Fetch(*query);
    m_bBusy = 0;
    SetEvent(m_hIdleEvent);
}

void CThreadZpt::Fetch(const RegServerRecord& query)
{
    // The host text may fill its field without a terminator.
    char host[sizeof(query.szServerAddress) + 1];
    CopyFixedText(host, sizeof(host), query.szServerAddress, sizeof(query.szServerAddress));
    struct Post {
        CThreadZpt* self;
        const RegServerRecord& query;
    } post { this, query };
    m_pFtpClient->FetchAll(
        host, query.dwProtocol, query, RECORDS_PER_REQUEST,
        [](void* user, const RegServerRecord& record) {
            auto* p = static_cast<Post*>(user);
            return p->self->PostNode(p->query, record);
        },
        &post, &m_bBusy);
}

bool CThreadZpt::PostNode(const RegServerRecord& server, const RegServerRecord& record)
{
    auto* node = static_cast<ZPT_NODE*>(std::calloc(1, sizeof(ZPT_NODE)));
    if (!node)
        return false;
    FillDownloadedNode(node, server, record);
    CWndBase* owner = m_pOwner;
    HWND window = owner ? owner->GetSafeHwnd() : nullptr;
    // The node goes with the post: the owner frees it, and a node that
    // never reaches it (refused, or still queued when the window goes) is
    // freed by the message queue.
    return ::PostMessageOwning(window, WM_REGSERVER_RECORD, WPARAM(node), 0, &FreeNode) != FALSE;
}
