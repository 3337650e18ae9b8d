// The explorer's registration-server download thread: takes a fetch request,
// downloads the matching device records over FTP twenty at a time and sends
// each to its owner dialog as a ZPT_NODE, so that the dialog's window never
// waits for the server. Also the dialogs' helpers around it.
#pragma once

#include "explorer/ZptNode.h"
#include "link/FtpClient.h"
#include "link/RegServerRecords.h"
#include "platform/msg/WinThread.h"

#include <atomic>
#include <cstddef>

class CWndBase;

namespace morrik
{

class CThreadZpt : public CWinThread
{
public:
    static constexpr uint32_t RECORDS_PER_REQUEST = 20;

    // Creates the thread suspended; the owner's window receives the nodes.
    explicit CThreadZpt(CWndBase* pOwner);
    // Stop, then frees what is left.
    ~CThreadZpt() override;
    CThreadZpt(const CThreadZpt&) = delete;
    CThreadZpt& operator=(const CThreadZpt&) = delete;

    BOOL InitInstance() override;
    // Hands a request (malloc'd, taken in every case) to the thread with
    // WM_REGSERVER_FETCH; false when the thread is stopped (the request is
    // freed then).
    BOOL PostFetch(RegServerRecord* pRequest);
    // Ends the thread without killing it: no node goes to the owner any
    // more, a transfer in progress fails at once, the fetch ends, the thread
    // takes WM_QUIT and is waited for. Called from the owner's thread, which
    // keeps answering the thread's sends meanwhile. Later calls do nothing.
    void Stop();

    std::atomic<CWndBase*> m_pOwner;
    CFtpClient* m_pFtpClient;
    HANDLE m_hEvent; // signalled while no fetch runs

protected:
    void OnFetch(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // False when nobody takes the node any more.
    bool SendNode(const RegServerRecord& request, const RegServerRecord& record);

    struct State; // requests in flight and the stop flags
    State* m_pState;
};

// 0x502 for the DVR tree (number 2), else 0x501: the model number of the
// registration server's queries.
int GetZPTFtpModelNo(int nTreeNo);

// The explorer dialogs' ReqFindMsg: starts the download thread (owner
// pOwner) when pThread is null, then asks it for the devices matching the
// given texts (name, the serial text, the MAC text; each may be null) on
// the registration server at `server` (24-byte field). Always true.
bool ReqFindMsg(CThreadZpt*& pThread, CWndBase* pOwner, int nModelNo, const char* server, const char* name,
    const char* text, const char* mac);

// The explorer dialogs' GetAddress: the current address text of the device
// with this MAC text and serial, asked of the registration server at
// `server` over FTP, copied into result (resultSize bytes, terminated).
// False, with result unchanged, when the login fails or no address comes.
bool GetRegServerAddress(
    const char* server, int nModelNo, const char* mac, const char* serial, char* result, size_t resultSize);

} // namespace morrik
