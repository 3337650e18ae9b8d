// CAddDvrDlg: adds a device by its address. "Start Probe" sends a unicast
// discovery request and waits up to three times three seconds for the
// device's reply; "Add" hands back the reply (or a record built from the
// address) and the port assignment.
#pragma once

#include "link/DiscoveryRecord.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

constexpr UINT_PTR TIMER_PROBE = 64;
constexpr UINT_PTR TIMER_PROBE_REPLIED = 65;

class CAddDvrDlg;

// What the dialog needs of the device-selection view: the unicast request
// and the routing of the awaited reply back to the dialog.
class IAddDvrProbeView
{
public:
    virtual ~IAddDvrProbeView() = default;
    // False when a send failed.
    virtual bool ReqUniQuestMsg(const char* address) = 0;
    virtual void SetAwaitedAddress(uint32_t address) = 0;
    virtual uint32_t GetAwaitedAddress() const = 0;
    virtual void SetOpenAddDvrDlg(CAddDvrDlg* dialog) = 0;
};

class CAddDvrDlg : public CDialog
{
public:
    explicit CAddDvrDlg(CWnd* pParent = nullptr);

    // The reply of the probed address, routed by the view.
    void OnProbeReply(const RES_DISCOVER_OVEL& reply);

    UINT m_nFirewallPort = 80;
    UINT m_nMonitorPort = 8001;
    UINT m_nPlaybackPort = 8105;
    int m_nTry = 1;
    BOOL m_bReplied = FALSE;
    uint32_t m_dwAwaited = 0; // the awaited address when the reply came
    RES_DISCOVER_OVEL m_record {};
    IAddDvrProbeView* m_pView = nullptr;
    CString m_strAddress;
    CString m_strStatus;
    int m_nPortMode = 0; // 0 Normal, 1 Firewall

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnChangeAddress();
    void OnStartProbe();
    void OnAdvanced();
    void OnTimer(UINT_PTR nIDEvent);
    // The probe could not go out: Add builds the record from the address.
    void SendFailed();
    void EndWait();
    uint32_t Family() const;

    BOOL m_bWaiting = FALSE;

    DECLARE_MESSAGE_MAP()
};
