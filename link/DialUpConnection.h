// Dials a device over the dial-up networking service and reports each step
// of the connection to its owner window as WM_DIAL_STATUS.
#pragma once

#include "link/WindowMessages.h"
#include "platform/base/DialUpService.h"

#include <atomic>
#include <thread>

class CWndBase;

class CDialUpConnection
{
public:
    explicit CDialUpConnection(CWndBase* pOwner);
    // Stops a dialling thread that still runs and waits for it.
    virtual ~CDialUpConnection();
    CDialUpConnection(const CDialUpConnection&) = delete;
    CDialUpConnection& operator=(const CDialUpConnection&) = delete;

    // Copies the texts (at most 31, 15 and 15 characters) and dials; with
    // bThread the dial runs on a thread of its own and TRUE comes at once.
    BOOL Dial(LPCTSTR lpszPhoneNumber, LPCTSTR lpszUserName, LPCTSTR lpszPassword, BOOL bThread);
    // Dials and polls the connection every 100 ms until it has connected,
    // failed or been cancelled; TRUE when it connected.
    BOOL DialAndWait();
    // Puts the text of the connection's state into m_szStatus; FALSE when
    // polling should stop.
    BOOL CheckStatus();

    CWndBase* m_pOwner;
    char m_szUserName[16];
    char m_szPassword[16];
    char m_szPhoneNumber[32];
    // Set by the owner to abandon the dial; read between polls.
    std::atomic<int> m_bCancel;
    // 0 while the dial goes well; the service's error code; -1 after
    // "Authentication failed." or "Disconnected".
    int m_nResult;
    char m_szStatus[256];
    HRASCONN m_hRasConn;
    RASCONNSTATUS m_RasConnStatus;

private:
    void ReportSent(WPARAM wParam, LPARAM lParam);
    void ReportPosted(WPARAM wParam, LPARAM lParam);
    void SetErrorText(DWORD error);
    void WaitForThread();

    std::thread m_thread;
    std::thread::id m_workerId;
    std::atomic<bool> m_threadDone { true };
};

// TRUE when a dial-up connection is open.
BOOL IsDialUpConnected();
// Hangs up every open dial-up connection; FALSE when listing them or any
// hang-up failed (the others are still hung up).
BOOL HangUpAllDialUp();
