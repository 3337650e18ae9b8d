// CRebootWaitDlg: the modal box shown while a device reboots. It waits until
// the device answers discovery again, or gives up after about 30 seconds,
// and tells its caller which of the two happened.
#pragma once

#include "pages/ConfigPageHost.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

// Timers of the box: the quiet start, the polling and the end of the wait.
constexpr UINT_PTR TIMER_REBOOT_QUIET = 20;
constexpr UINT_PTR TIMER_REBOOT_POLL = 21;
constexpr UINT_PTR TIMER_REBOOT_GIVE_UP = 22;
constexpr UINT REBOOT_QUIET_MS = 10000;
constexpr UINT REBOOT_POLL_MS = 2000;
constexpr UINT REBOOT_GIVE_UP_MS = 20000;

class CRebootWaitDlg : public CDialog, public IRebootWaiter
{
public:
    explicit CRebootWaitDlg(CWnd* pParent = nullptr);
    ~CRebootWaitDlg() override;

    // Who routes discovery replies to the box; set before DoModal.
    void SetHost(IConfigPageHost* pHost) { m_pHost = pHost; }
    // The device's address text; the first 16 characters are kept.
    void SetDeviceAddress(const char* address);

    // A discovery reply of the awaited device arrived.
    void OnDeviceReturned() override;

    CString m_strMessage;
    // TRUE when the device answered before the wait ended.
    BOOL m_bReturned = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent);
    // The wait ends by itself; Enter and Esc do not end it.
    void OnOK() override { }
    void OnCancel() override { }

    DECLARE_MESSAGE_MAP()

private:
    void Ask();
    void StopWaiting();

    IConfigPageHost* m_pHost = nullptr;
    char m_szAddress[17] = {};
    CString m_strPolledAddress;
    bool m_bRegistered = false;
};
