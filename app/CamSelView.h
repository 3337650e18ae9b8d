// CCamSelView: the left pane. It holds one device tree per family with a
// family button above it (only the DVR family is shown), owns one discovery
// socket per network adapter, drives discovery with timers, routes every
// discovery reply to whoever waits for it, and relays the trees' device
// messages to the configuration view.
#pragma once

#include "devtree/MySuperGrid.h"
#include "dialogs/AddDvrDlg.h"
#include "link/MsgSocket.h"
#include "link/RegServerRecords.h"
#include "link/RegServerSocket.h"
#include "pages/ConfigPageHost.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DocView.h"
#include "resources/setup/Resource.h"

#include <memory>
#include <string>

class CConfigView;
class CThreadZpt;

constexpr int FAMILY_COUNT = 5;
constexpr int FAMILY_DVR = 4;
constexpr int MAX_ADAPTERS = 10;

// Timers of the view.
constexpr UINT_PTR TIMER_REBROADCAST = 2;
constexpr UINT_PTR TIMER_REDRAW = 100;
constexpr UINT_PTR TIMER_SEARCH_END = 200;
constexpr UINT_PTR TIMER_FIRST_SEARCH_END = 300;
constexpr UINT_PTR TIMER_FIRST_REDRAWS = 400;
constexpr UINT_PTR TIMER_RESTART = 401;
constexpr UINT REBROADCAST_PERIOD_MS = 30000;

class CCamSelView : public CView,
                    public CDiscoveryOwner,
                    public IDeviceTreeOwner,
                    public IAddDvrProbeView,
                    public CRegServerRecordTarget
{
    DECLARE_DYNCREATE(CCamSelView)
public:
    CCamSelView();
    ~CCamSelView() override;

    // The family of a model text: 1 to 3 by the key lists, 4 for a
    // recorder model, else 0.
    static int ClassifyModel(const char* model);

    // Discovery, on every adapter socket.
    BOOL ReqDiscoveryMsg();
    // Sends to one address on every adapter socket; false as soon as a send fails.
    bool ReqUniQuestMsg(const char* address) override;
    BOOL ReqChangeIpMsg(const BYTE* password16, const BYTE* mac, DWORD dwNewAddress);
    void RestartDiscovery();
    // Asks a registration server for device records through the download
    // thread; a query while the thread is busy is dropped.
    BOOL ReqFindMsg(const RegServerRecord& query);
    void OnFamilyButton(int family);
    void SetFamily(int family);

    // CDiscoveryOwner.
    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override;
    void SetChangedIp() override;
    BOOL IsIpChangePending() override;

    // IDeviceTreeOwner.
    void DoLogin() override;
    void RequestLogin() override;
    void ReqUniQuestMsg(const char* address, bool isProbe) override;
    void RequestLookup(
        const char* host, const uint8_t lookup[16], const char* serial, const char* key) override;
    void FetchGroup(const char* serverAddress, const char* groupId) override;
    void RegistrationAddress(const char* address) override;
    void ClearProbe() override;
    void DialUp() override;
    void HangUp() override;
    void ClearAddressChanged() override;

    // IAddDvrProbeView: the open Add New DVR dialog and the address it probes.
    void SetAwaitedAddress(uint32_t address) override { m_dwAwaitedAddress = address; }
    uint32_t GetAwaitedAddress() const override { return m_dwAwaitedAddress; }
    void SetOpenAddDvrDlg(CAddDvrDlg* dialog) override { m_pAddDvrDlg = dialog; }

    // CRegServerRecordTarget: a record of a listing on the registration-server socket.
    void OnRegServerRecord(ZPT_NODE* pNode) override;
    // The registration-server socket on any address; "UDP Socket Creation
    // Fails" when it cannot be made, and the program runs on without it.
    BOOL CreateRegServerSocket();
    CRegServerSocket* GetRegServerSocket() { return &m_RegServerSocket; }

    // The address change of the configuration view waits for this address.
    void WaitForAddressChange(CConfigView* pWaiter, const char* address);
    // A rebooting device is awaited at this address text.
    void WaitForReboot(IRebootWaiter* pWaiter, const char* address);

    int GetCurrentFamily() const { return m_nCurrentFamily; }
    int GetAdapterCount() const { return m_nAdapterCount; }
    const char* GetAdapterAddress(int i) const { return m_szAdapterAddress[i]; }
    CButton* GetFamilyButton(int family) { return &m_FamilyButton[family]; }
    CMySuperGrid* GetTree(int family) { return &m_Tree[family]; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnInitialUpdate() override;
    void OnTimer(UINT_PTR nIDEvent);
    void OnSize(UINT nType, int cx, int cy);
    void OnDraw(CDC* pDC) override;
    void OnFamily0() { OnFamilyButton(0); }
    void OnFamily1() { OnFamilyButton(1); }
    void OnFamily2() { OnFamilyButton(2); }
    void OnFamily3() { OnFamilyButton(3); }
    void OnFamily4() { OnFamilyButton(4); }
    void OnRestartDiscovery() { RestartDiscovery(); }
    LRESULT OnDeviceClear(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceReply(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceSelectInFamily(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceChangeIp(WPARAM wParam, LPARAM lParam);
    LRESULT OnRetYemMsg(WPARAM wParam, LPARAM lParam);
    void OnAddDevice();
    void OnDeleteDevice();
    // A registration-server record to the tree of its model's family.
    void TakeRegServerRecord(ZPT_NODE* node);

    void LayoutPane();
    void InitPane();
    void CreateAdapterSockets();
    void StartDiscovery();
    // The re-broadcast of timer 2: unanswered devices go offline.
    void Rebroadcast();
    CConfigView* ConfigView() const;

    CFont m_ButtonFont;
    CThreadZpt* m_pThreadZpt = nullptr;
    DWORD m_dwLastFamily = 0;
    int m_nCurrentFamily = FAMILY_DVR;
    bool m_bRedrawTimerRuns = false;
    CButton m_FamilyButton[FAMILY_COUNT];
    CConfigView* m_pIpChangeWaiter = nullptr;
    std::string m_strIpChangeAddress;
    IRebootWaiter* m_pRebootWaiter = nullptr;
    std::string m_strRebootAddress;
    // The address-change request went out and the change has not ended.
    bool m_bIpChangeSent = false;
    // The open Add New DVR dialog and the address whose reply it waits for.
    CAddDvrDlg* m_pAddDvrDlg = nullptr;
    uint32_t m_dwAwaitedAddress = 0;
    CRegServerSocket m_RegServerSocket;
    int m_nFirstRedraws = 0;
    bool m_bFirstRun = true;

    CMySuperGrid m_Tree[FAMILY_COUNT];

    int m_nAdapterCount = 0;
    std::unique_ptr<CMsgSocket> m_pAdapterSocket[MAX_ADAPTERS];
    char m_szAdapterAddress[MAX_ADAPTERS][24] = {};

    DECLARE_MESSAGE_MAP()
};
