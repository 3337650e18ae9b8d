// CMySuperGrid: the device tree of the left pane. Its rows are folders,
// devices, registration servers and group ids under three roots; it keeps
// them in the family's tree file, rewritten after every structural change,
// and tells its owner view which device the user picked.
#pragma once

#include "devtree/DeviceTreeOwner.h"
#include "devtree/SuperGridCtrl.h"
#include "devtree/TreeFileIdentity.h"
#include "dialogs/AddDvrDlg.h"
#include "link/DiscoveryRecord.h"
#include "link/RegServerRecords.h"
#include "platform/ui/ImageList.h"
#include "resources/setup/Resource.h"

#include <memory>
#include <set>
#include <string>

class CTreeFileLists;

// "Local Area DVR" lists at most this many devices. No real site comes
// near it: it is every host address of a /20 network with nothing on it
// but recorders. Without a bound, replies made up by anyone on the network
// would grow the program without end (about 13 KB a row).
constexpr size_t LOCAL_AREA_DVR_LIMIT = 4096;

// Images of the tree's small image list.
constexpr int TREE_IMAGE_OPEN_FOLDER = 0;
constexpr int TREE_IMAGE_CLOSED_FOLDER = 1;
constexpr int TREE_IMAGE_ONLINE = 2;
constexpr int TREE_IMAGE_OFFLINE = 3;

// Which context menu a row gets and which of its commands are disabled.
struct TreeMenuChoice {
    UINT menuId = 0; // 0: no menu
    std::set<UINT> disabled;
};

// What the add-device dialog gives back when confirmed.
struct AddDeviceResult {
    bool probed = false; // a device answered the probe
    // The answer; without one, zero but the typed address and the title.
    RES_DISCOVER_OVEL reply {};
    std::string address; // the address text entered
    uint32_t httpPort = 0;
    uint32_t streamPort = 0;
    uint32_t configPort = 0;
};

class CMySuperGrid : public CSuperGridCtrl
{
public:
    CMySuperGrid();
    ~CMySuperGrid() override;

    void SetOwnerView(IDeviceTreeOwner* owner) { m_pOwnerView = owner; }
    void SetProbeView(IAddDvrProbeView* view) { m_pProbeView = view; }
    void SetInstallFolder(const std::string& folder) { m_strInstallFolder = folder; }
    // The file of this tree's family.
    std::string TreeFilePath() const;

    // Creates the DVR family's file when missing; other families keep
    // family index 0 and the first path.
    void ResetFileIfNoFileIs(int family);
    // The column and the roots; selects row 0.
    void InitializeGrid();
    // Loads the tree file into the tree. A file that is there but cannot
    // be read, or is of a format this program cannot read, leaves the tree
    // empty and is never written: the user is told so.
    void ReadTreeFileAndConsistLlist();
    void CreateTreeCtrl(const CTreeFileLists& lists);
    // Rewrites the whole tree file from the tree; false when it could not
    // (the user is told, once until a save succeeds) or must not.
    bool ConsistLlistAndUpdateFile();
    // A discovery reply changed a saved device: the file is rewritten once
    // for the whole burst, from a posted save, at the end of the discovery
    // cycle or when the window goes, whichever comes first. Without a
    // window the file is rewritten at once.
    void MarkTreeChanged();
    // Writes the tree when a change is waiting; true when nothing waits.
    bool FlushTreeFile();
    // Whether a change waits to be written.
    bool IsTreeChangePending() const { return m_bTreeChangePending != 0; }
    // Whether the tree file was refused at load, so that it is never saved.
    bool IsTreeFileRefused() const { return m_bFileRefused != 0; }

    // Structural changes; each saves the tree.
    CTreeItem* HowToInsertFolder(CTreeItem* pParent, const char* name);
    // Takes the info; a refused insertion (a repeated name) deletes it.
    CTreeItem* InsertDVR(CTreeItem* pParent, CItemInfo* lpInfo);
    CTreeItem* InsertServer(const char* address, const char* regId, const char* regPassword);
    CTreeItem* InsertGroupId(CTreeItem* pServer, const char* groupId);
    // The delete commands: ask, then remove the selected item.
    void OnDelete();
    // Adds the device the add-device dialog gave back.
    CTreeItem* AddDevice(const AddDeviceResult& result);

    // The entry of g_CurrentDevice: under "My DVR", then "Local Area DVR";
    // by address and configuration port when the entry lacks a serial or
    // MAC, else by MAC. The setters patch the device's record in place.
    CTreeItem* FindCurrentItem(bool* underMyDvr);
    // The entry of the session's device: the selected device row (of any
    // branch) when it has the address of g_CurrentDevice, else FindCurrentItem's.
    CTreeItem* FindLoggedInItem(bool* underMyDvr);
    // A device took its new address: the selected device row gets it.
    void SetChangedIp(uint32_t ipAddress);
    // The next discovery answer from this address (with the flag set) is
    // the answer of the device whose address was changed.
    void RediscoverDevice(uint32_t ipAddress, uint8_t flag);
    // Remembers a logged-in device as last-device entry 0 of the file.
    bool SetLastCam(const char* serial, const uint8_t mac[6]);
    bool SetCurrentDevicePorts(uint32_t httpPort, uint32_t streamPort, uint32_t configPort);
    bool SetCurrentDeviceIp(uint32_t ipAddress);
    bool SetCurrentLookupSettings(const uint32_t lookup[4]);
    bool SetCurrentInfoText(const char* text);
    void DisconnectCurrentDevice();
    // Whether a device of "My DVR" or "Local Area DVR" with that address is online.
    bool FindConnectedDevice(uint32_t ipAddress);

    // Saved logins. Selector 0: the saved login (only for the default user
    // name "admin"); 1 and 2: password tables A and B. GetPasswd reads the
    // device's record; SetPasswd changes the item, then its record.
    BOOL GetPasswd(const CItemInfo* info, int selector, const char* user, uint8_t password[16]);
    BOOL SetPasswd(CItemInfo* info, int selector, const char* user, const uint8_t password[16], BOOL store);
    // The identity fields of an item, as the file compares them.
    static TreeItemKey ItemKey(const CItemInfo* info);
    // The device's record in the tree file (passwords in clear).
    bool ReadRecordOf(const CItemInfo* info, FILE_NODE* record);
    // What the tree file keeps of an item, ids aside.
    static void FillFileNode(const CItemInfo* info, FILE_NODE& rec);

    // Context menu of the selected row.
    TreeMenuChoice ContextMenuFor(const CTreeItem* pItem) const;

    // The last device remembered in the file: select it and tell the owner.
    void OpenLastCam(int slot);
    // Discovery cycle: before it, every device is offline until it answers.
    void ClearOnlineFlags();
    // Probes every device of "My DVR" at its address.
    void SendIpMsgOfMyOvel();
    // After the cycle: unanswered "My DVR" devices show offline, unanswered
    // "Local Area DVR" devices are removed.
    void EndDiscoveryCycle();
    // Asks the owner to fetch the records of every group id.
    void SendYemMsg();

    // A discovery reply: updates the device of "My DVR" or "Local Area DVR"
    // it belongs to, or adds it to "Local Area DVR".
    void ResDiscoverProc(const RES_DISCOVER_OVEL* reply);
    // The reply of the device whose address was changed.
    void ChangedIpReply(const RES_DISCOVER_OVEL* reply);
    // WM_DEVICE_UPDATE for a device row of "My DVR" (lParam: setAddress).
    void SendDeviceUpdate(CTreeItem* node, LPARAM setAddress);
    // A record of a registration server: its device under the server node.
    void RetYemMsg(ZPT_NODE* record);
    // The address a registration server gave for a looked-up device.
    void StoreLookupAnswer(CItemInfo* info, const char* address);
    // Whether an item is the device of a reply: by serial, MAC, or address
    // and configuration port.
    static bool MatchesReply(const CItemInfo* info, const RES_DISCOVER_OVEL& reply);
    CTreeItem* SearchReply(CTreeItem* root, const RES_DISCOVER_OVEL& reply);
    // Explicit ports (not 0) override the reply's.
    void ModifyNodeOfTreeCtrl(CTreeItem* node, const RES_DISCOVER_OVEL& reply, int known,
        uint32_t httpPort = 0, uint32_t streamPort = 0, uint32_t configPort = 0);
    CTreeItem* InsertOvelNodeOfListCtrl(const RES_DISCOVER_OVEL& reply);
    // Whether "Local Area DVR" may take another device; when it is full the
    // user is told, once.
    bool LocalAreaHasRoom();
    CTreeItem* SearchYemParent(const ZPT_NODE& record);
    // The looked-up device of "My DVR" that a registration record answers.
    CTreeItem* FindLookedUpDevice(const ZPT_NODE& record);

    // Overrides of the tree-in-list control.
    void DeleteCamNotRoot(const uint8_t* mac) override;
    void DeleteCamNotRoot(uint32_t ipAddress) override;
    void IsDblclk() override;
    void OnDeviceDblclk(SELECTED_DEVICE* pRecord) override;
    void ReqFindMsg(CItemInfo* lpInfo) override;
    CItemInfo* CopyData(CItemInfo* lpSrc) override;
    int GetIcon(const CTreeItem* pItem) override;
    BOOL OnItemExpanded(CTreeItem* pItem, int nRow) override;
    BOOL OnItemCollapsed(CTreeItem* pItem) override;
    void ShowAlreadyExists() override;
    BOOL AskPortAssignment(CItemInfo* lpInfo) override;
    BOOL GetSavedPassword(const CItemInfo* lpInfo, uint8_t password[16]) override;
    // A click on a looked-up device: its registration server tells where it
    // is, and discovery probes it there.
    void ProbeLookedUpDevice(CItemInfo* lpInfo) override;

    // Commands.
    void OnNewFolder();
    void OnAddCam();
    void OnAddZpt();
    void OnAddGroupId();
    void OnRename();
    void OnChangeIp();
    void OnDialUp();
    void OnHangUp();
    void OnContextMenu(CWnd* pWnd, CPoint pos);

    // Whether the tree has the registration-server branch.
    uint8_t m_bHasLocal = 1;
    uint8_t m_bHasServer = 1;
    CTreeItem* m_pCurrentItem = nullptr;
    int m_nCurrentItemIndex = 0;
    uint8_t m_bWaitSelection = 0;
    char m_szWaitMac[24] = {};
    uint8_t m_bLookupPending = 0;
    uint8_t m_bRedrawNeeded = 0;
    uint32_t m_dwExpectedAddress = 0;
    uint8_t m_bExpectChange = 0;
    // The file could not be read at load: saves are refused, and the user
    // is told so at the first.
    uint8_t m_bFileRefused = 0;
    uint8_t m_bRefusalShown = 0;
    // A failed save was reported; the next failures are not, until a save
    // succeeds.
    uint8_t m_bSaveFailureShown = 0;
    size_t m_nLocalAreaLimit = LOCAL_AREA_DVR_LIMIT;
    uint8_t m_bLocalAreaFullShown = 0;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    // wParam 1: the posted save of a burst of replies, only when one waits.
    LRESULT OnSaveTree(WPARAM, LPARAM);
    // Removes a device of "Local Area DVR" after OnDeleteItem agrees.
    void RemoveLocalDevice(CTreeItem* pItem);
    // Depth-first over a branch, each node before its children.
    template <class Fn> void ForEachNode(CTreeItem* root, Fn fn);
    CTreeItem* SelectedNode() const;
    // Sends the selected device to the owner for Dial Up or Hang Up.
    bool SelectForLine();
    // Inserts under the parent, shown, and saves; null when the name is taken.
    CTreeItem* InsertAndSave(CTreeItem* pParent, std::unique_ptr<CItemInfo> info);
    // The row is selected, scrolled to and becomes the current item.
    void SelectNode(CTreeItem* pItem);
    void ClosedFolderLook(CTreeItem* pItem);
    // A message about the tree file, naming it.
    void ReportTreeFile(UINT textId);

    uint8_t m_bTreeChangePending = 0;
    IDeviceTreeOwner* m_pOwnerView = nullptr;
    IAddDvrProbeView* m_pProbeView = nullptr;
    std::string m_strInstallFolder;
    CImageList m_imageList;
    CImageList m_dragImages;

    DECLARE_MESSAGE_MAP()
};

template <class Fn> void CMySuperGrid::ForEachNode(CTreeItem* root, Fn fn)
{
    if (!root)
        return;
    auto walk = [&](auto& self, CTreeItem* node) -> bool {
        for (size_t i = 0; i < node->m_listChild.size(); ++i) {
            CTreeItem* child = node->m_listChild[i];
            if (!fn(child) || !self(self, child))
                return false;
        }
        return true;
    };
    walk(walk, root);
}
