// The registration-server download thread: fetches the device list of a
// registration server over FTP, twenty records at a time, and posts each
// device to its owner window as a ZPT_NODE, so that the user interface
// never waits for the server.
#pragma once

#include "link/FtpClient.h"
#include "link/RegServerRecords.h"
#include "link/WindowMessages.h"
#include "platform/msg/WinThread.h"

#include <atomic>
#include <mutex>

class CWndBase;

class CThreadZpt : public CWinThread
{
public:
    static constexpr int SLOTS = 500;
    static constexpr uint32_t RECORDS_PER_REQUEST = 20;

    CThreadZpt();
    // Creates the thread suspended.
    explicit CThreadZpt(CWndBase* pOwner);
    // Ends a fetch in progress at once (its sockets are shut down), frees
    // everything and waits for the thread.
    ~CThreadZpt() override;

    BOOL InitInstance() override;
    // Stores a copy of the query record in the next slot, freeing what the
    // slot held; gives the slot used. Slots wrap after 500.
    int AddRecord(const RegServerRecord* pRecord);

    HANDLE m_hIdleEvent;
    RegServerRecord* m_pRecords[SLOTS];
    std::atomic<int> m_bBusy;
    int m_nNextSlot;
    int m_nCurrentSlot;
    std::atomic<CWndBase*> m_pOwner;
    CFtpClient* m_pFtpClient;

protected:
    void OnFetch(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Fetch(const RegServerRecord& query);
    // False when nobody takes the node any more.
    bool PostNode(const RegServerRecord& server, const RegServerRecord& record);

    std::mutex m_lock; // slots and the start of a fetch against the destructor
    bool m_bClosing = false;
};
