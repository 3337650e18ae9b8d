// What the explorer pane (CDlgExplore) and the camera explorer (CSel2Dlg)
// share: the discovery sockets on every local adapter, the
// registration-server socket and download thread, the devices being added,
// the model rules and the registry, and the operations a host and the
// tree-grid call on either. Each dialog says which grid is current and adds
// its own windows, timers and messages.
#pragma once

#include "explorer/AdapterAddresses.h"
#include "explorer/DiscoverRecord.h"
#include "explorer/ItemInfo.h"
#include "explorer/MySuperGrid.h"
#include "explorer/PendingAdds.h"
#include "explorer/TreeOwner.h"
#include "explorer/ZptNode.h"
#include "morrikExport.h"
#include "platform/ui/Dialog.h"

#include <memory>

namespace morrik
{

class CMsgSocket;
class CRegServerSocket;
class CThreadZpt;

// Notifications of the explorers to their host (besides the grid's
// messages, which they forward).
constexpr UINT WM_EXPLORE_DEVICE_SEEN = 0x466; // lParam: a "My DVR" row's data
constexpr UINT WM_EXPLORE_ITEM_CLICK = 0x478; // a click, in modes 0 and 1
constexpr UINT WM_EXPLORE_DVR_ADDED = 0x46A; // wParam 1 and the row's data, or 0
constexpr UINT WM_EXPLORE_RENAME_ENABLE = 0x475; // from the host: wParam != 0

// Timers of the explorers.
constexpr UINT_PTR TIMER_ADD_WAIT = 1;
constexpr UINT_PTR TIMER_REDISCOVER = 2;
constexpr UINT_PTR TIMER_REDRAW = 100;
constexpr UINT_PTR TIMER_SEARCH_END = 200;
constexpr UINT_PTR TIMER_FIRST_SEARCH_END = 300;
constexpr UINT_PTR TIMER_FIRST_ROUNDS = 400;

class MORRIK_EXPORT CExplorerBase : public CDialog, public CTreeOwner
{
public:
    CExplorerBase(UINT nIDTemplate, CWnd* pParent);
    ~CExplorerBase() override;

    // --- What the grid asks (CTreeOwner) -------------------------------------
    // Starts the download thread when there is none and hands it the query.
    bool ReqFindMsg(
        const CString& server, const CString& name, const CString& text, const CString& mac) override;
    bool ReqListMsg(const CString& server, const CString& name) override;
    // A discovery probe to one address on every adapter socket.
    bool ReqUniQuestMsg(const CString& address) override;
    void GetConnectCamAndCloseDlg(CItemInfo* item) override;
    bool IsRenameEnabled() const override { return m_bRenameEnabled; }

    // --- Discovery and the registration server --------------------------------
    // One socket per adapter, bound to its address.
    void UdpSocket();
    void YemSocket();
    BOOL ReqDiscoveryMsg();
    int GetZPTFtpModelNo() const { return m_nTreeNo == 2 ? 0x502 : 0x501; }
    // The current address of a registered device, asked of the registration
    // server's FTP service; false (result unchanged) when it gives none.
    bool GetAddress(const char* server, const char* groupId, const char* serial, const char* macText,
        char* result, size_t resultSize);
    // The item's MAC text; its address from its registration server when it
    // is looked up there.
    void CallGetAddress(CItemInfo* item);
    // The item's ports, as the device reports them; unchanged on failure.
    void GetPort(CItemInfo* item, const BYTE* user16, const BYTE* password16);
    // Ends the download thread and waits for it.
    void StopDownload();

    // --- Devices ----------------------------------------------------------------
    // Begins adding a device: it is probed (or looked up) and inserted when
    // it answers, or with only its address when it does not.
    virtual void AddDVR(CItemInfo* item);
    void AddDVRToTree(const RES_DISCOVER_OVEL* record, int index);
    void AddDvrNoRes();
    void ResUniQuestMsg(const RES_DISCOVER_OVEL* record, int index);
    CItemInfo* FindItem(CItemInfo* item);
    int FindEmptyNewItemBuf() const { return m_Adds.FindEmptyNewItemBuf(); }
    int FindNewItemIndx(const BYTE* mac, UINT ip, int port) const
    {
        return m_Adds.FindNewItemIndx(mac, ip, uint32_t(port));
    }
    bool GetCam(const char* name, CItemInfo* item);
    bool GetLastCam(int n, CItemInfo* item);
    bool SetLastCam(int n, CItemInfo* item);
    bool GetLastUser(int n, CString& text);
    void SetLastUser(int n, const CString& text);
    virtual void DeleteMem();

    // --- Model rules and registry -----------------------------------------------
    virtual int FilterModel(const char* model) const = 0;
    static bool IsItQARN(char* text);
    static bool IsItModule(char* text);
    static bool IsItZ3PAL(char* text);
    static bool IsItK386(char* text);
    void OpenRegistry();
    void SetLastTree();

    virtual void ResDiscoverProc(const RES_DISCOVER_OVEL* record) = 0;
    virtual void RetYemMsg(const ZPT_NODE* node) = 0;
    // The grid of the current tree.
    virtual CMySuperGrid* CurrentGrid() = 0;

    // --- Public members ---------------------------------------------------------
    CWnd* m_pParent = nullptr;
    int m_nTreeNo = 0;
    int m_nMode = 2;
    UINT m_nPeriod = 600000; // discovery repeat, 0: none
    CPendingAdds m_Adds;
    bool m_bWaitIp = false; // set by the host after it changed an address
    CString m_strWaitIp;
    bool m_bRenameEnabled = true;
    bool m_bConnect = false; // a double click asked to connect
    CItemInfo* m_pConnectItem = nullptr;
    bool m_bBackup = false;
    CString m_strBackupPath;
    CString m_strBackupTitle;
    HICON m_hIcon = nullptr; // the library's icon, the dialog's big and small icon

    int m_nSocketCount = 0;
    CMsgSocket* m_pMsgSocket[MAX_ADAPTERS] = {};
    bool m_bSocketReady[MAX_ADAPTERS] = {}; // created and bound: it may send
    char m_szAdapterAddress[MAX_ADAPTERS][ADAPTER_ADDRESS_SIZE] = {};
    CRegServerSocket* m_pYemSocket = nullptr;
    CThreadZpt* m_pThreadZpt = nullptr;

protected:
    // Both dialogs show the library's icon.
    BOOL OnInitDialog() override;
    HICON OnQueryDragIcon() { return m_hIcon; }
    void OnDestroy();
    LRESULT OnResDiscover(WPARAM wParam, LPARAM lParam);
    LRESULT OnRegServerRecord(WPARAM wParam, LPARAM lParam);
    // The add-wait timer: adds what did not answer.
    void OnAddWaitTimer();
    // The grid's rows from its tree file and the mode's last camera opened,
    // with its drawing held until they stand.
    void LoadTree(CMySuperGrid* grid);
    // The search timer: the search is over; the grid is drawn a second later.
    void OnSearchEnd(CMySuperGrid* grid);
    // The first-rounds timer: one more quick discovery round; `rounds`
    // counts them over the life of the process.
    void OnFirstRound(CMySuperGrid* grid, int& rounds);
    // The row data a new row of the tree takes from the buffer it was added
    // from; what the explorer pane does after (its "My DVR" list).
    virtual void OnDvrAdded(CItemInfo* row) { (void)row; }
    // An edit's lookup flag, address, server, group and ports into the tree's row.
    static void CopyWhereabouts(CItemInfo& row, const CItemInfo& edited);
    // Period of the add-wait timer.
    virtual UINT AddWaitPeriod() const { return 3000; }
    // The account pair of the mode: 0 login, 1 and 2 the service lists.
    static ACCOUNT_ENTRY& Pair(CItemInfo& item, int pair);
    void DeleteSockets();
    void DeleteMsgSockets();

    bool m_bAddWaiting = false; // timer 1 runs, the wait cursor shows
    bool m_bUniQuestStopsOnFailure = false;
    bool m_bLookupByGroup = true; // an added device is looked up in its group

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
