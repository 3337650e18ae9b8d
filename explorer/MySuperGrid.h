// CMySuperGrid: the explorer's device tree. A one-column tree-grid whose
// rows are folders, devices, their channels, registration servers and
// group ids under three roots: "My DVR" (kept in the tree file), the local
// area (devices found by discovery and not saved) and the registration
// servers. It reads and rewrites its tree file after every change, merges
// what discovery and the registration server report, and asks its owner
// dialog (CTreeOwner) for lookups and probes.
//
// The owner prepares it in this order: ResetFileIfNoFileIs(tree) and
// InitializeGrid() once the window exists; ReadTreeFileAndConsistLlist(),
// CreateTreeCtrl(), DeleteLlist(), OpenLastCam(i), RedrawTree() and
// SendYemMsg() when it fills the tree.
#pragma once

#include "explorer/SuperGridCtrl.h"
#include "explorer/TreeFile.h"
#include "explorer/TreeOwner.h"
#include "morrikExport.h"
#include "platform/ui/ImageList.h"

#include <cstdint>

// The discovery record is the one the program's link code defines too.
struct RES_DISCOVER_OVEL;

namespace morrik
{

struct ZPT_NODE;

// The default ports of a device that reports none.
constexpr uint32_t DEFAULT_CONFIG_PORT = 8405;
constexpr uint32_t DEFAULT_SERVICE1_PORT = 8105;
constexpr uint32_t DEFAULT_SERVICE2_PORT = 8001;

// Images of the roots.
constexpr int IMAGE_LOCAL_ROOT = 6;
constexpr int IMAGE_YEM_ROOT = 7;

// The grid's column.
constexpr int GRID_COLUMN_WIDTH = 370;

class MORRIK_EXPORT CMySuperGrid : public CSuperGridCtrl
{
public:
    CMySuperGrid();
    ~CMySuperGrid() override;

    // The dialog the grid asks for lookups, probes and connections; null
    // while it has none (nothing is asked then).
    void SetTreeOwner(CTreeOwner* owner) { m_pOwner = owner; }
    CTreeOwner* GetTreeOwner() const { return m_pOwner; }

    // --- Building the tree -------------------------------------------------
    // The column and the roots: "My DVR", unless my-root-only the local
    // area, and the registration servers; row 0 selected.
    void InitializeGrid();
    // The "My DVR" branch from the device list, the registration-server
    // branch from its list (each record under the row of its parent number;
    // the first record whose parent is missing ends its branch).
    void CreateTreeCtrl();
    CTreeItem* InsertNodeToListCtrl(CTreeItem* pParent, const FILE_NODE* node);
    CTreeItem* InsertYemNodeToListCtrl(CTreeItem* pParent, const FILE_YEM_NODE* node);
    // The row under `root` built from record `number`; root itself for 0.
    CTreeItem* SearchPrntNoOfMyTreeCtrl(int number, CTreeItem* root) const;

    // --- The tree file -----------------------------------------------------
    // Keeps the tree number, upgrades the file and creates it when missing.
    void ResetFileIfNoFileIs(int tree);
    void ReadTreeFileAndConsistLlist();
    // Builds the lists from the tree and writes the file.
    void ConsistLlistAndUpdateFile();
    void ConsistLlist();
    void ConsistYemLlist();
    void ReadLlistAndUpdateFile();
    void DeleteLlist();
    // WM_TREE_SAVE: rewrites the file; 1.
    LRESULT OnConsistLlistAndUpdateFile(WPARAM wParam, LPARAM lParam);
    // The device and registration-server lists while a read or write runs.
    const TreeFileLists& Lists() const { return m_lists; }
    // False when the last write of the tree file failed (the file kept what
    // it held before).
    bool LastSaveSucceeded() const { return m_bLastSaveOk; }
    // Last cameras: the record of last camera i into a row, or the key of
    // its device (null when none).
    bool GetLastCam(int i, CItemInfo* row);
    CAM_SERIAL_MAC_INFO* GetLastCam(int i);
    bool SetLastCam(int i, CItemInfo* row);
    bool SetLastCam(int i, CAM_SERIAL_MAC_INFO* key);
    // The first device record matching the row, into the row.
    bool GetCam(int unused, char* a, char* b, CItemInfo* row);
    bool GetLastUser(int i, CString& text);
    void SetLastUser(int i, const CString& text);
    void SetPasswd(int i, BYTE* password);

    // --- Rows --------------------------------------------------------------
    // A folder under row `item`, and a device from a discovery record; the
    // file is rewritten.
    CTreeItem* HowToInsertFolder(int item, const CString& name);
    CTreeItem* HowToInsertItemsAfterTheGridHasBeenInitialized(
        int item, const CString& name, const RES_DISCOVER_OVEL* rec);
    // An unsaved device named by its address under the local-area root.
    CTreeItem* InsertOvelNodeOfListCtrl(CTreeItem* pParent, const RES_DISCOVER_OVEL* rec);
    // Inserts a row, shown at once when its parent is open; rewrites the file.
    CTreeItem* InsertToNotRoot(CTreeItem* pParent, CItemInfo* info);
    // A DVR under the selected folder or "My DVR"; the new row's data, or
    // null when the device is already there (that row is refreshed).
    CItemInfo* InsertDVR(const RES_DISCOVER_OVEL* rec, const CString& name);

    // Channel rows under a DVR row.
    CTreeItem* InsertChNodeOfListCtrl(CTreeItem* dvr, int ch, char* name);
    BOOL CheckOnChannel(CTreeItem* dvr) const;
    int CountDevices(const CTreeItem* row) const;
    void RemoveChannelRows(CTreeItem* dvr);
    void SetChannelIcons(CTreeItem* dvr, bool on);
    void SetChannelStatus(CTreeItem* dvr, int ch, bool on);
    void SelectDeviceOrChannel(CTreeItem* dvr, int ch);
    bool HasSiblingNamed(const CTreeItem* row, const char* text) const;

    // Deleting (the context-menu commands) and freeing: the selected row, or
    // the device of a selected channel, after the user agreed.
    void OnDelete(bool folder);
    // A registration server (by name; listed by its address) and a group id
    // under it, each once; the file is rewritten.
    CTreeItem* HowToInsertYemFolder(CTreeItem* pParent, const CString& server);
    CTreeItem* HowToInsertYemIdFolder(CTreeItem* server, const CString& groupId);
    void DeleteYem();
    void DeleteYemItem(CTreeItem* folder);
    void DeleteMem();
    void DeleteRootMem(CTreeItem* root);

    // Last camera i: selected and revealed.
    void OpenLastCam(int i);
    BOOL OpenFolderOfCam(CTreeItem* pItem);

    // --- Searches ----------------------------------------------------------
    CTreeItem* SearchTreeItem(const CString& text) const;
    CItemInfo* SearchItemOfMac(const BYTE* mac) const;
    CItemInfo* SearchItemOfSerialNum(const BYTE* serial) const;
    CItemInfo* SearchItemOfIp(int ip, int port) const;
    // The first row (display order from the first root) with this text
    // whose sub-items hold each of `subItems` (case-insensitive).
    CTreeItem* Search(const CString& text, const CStringList& subItems = {}) const;
    // The first row of `pItem`'s subtree, itself included, with this text.
    CTreeItem* SearchEx(CTreeItem* pItem, const CString& text) const;
    // Asks whether to sort every level or only the roots, and sorts.
    void SortData();
    // The row of a CItemInfo, null when it is no row of this grid.
    CTreeItem* FindTreeItem(const CItemInfo* info) const;

    // --- Sample rows ----------------------------------------------------------
    // A demonstration of the grid for a host: the tree is replaced by
    // "New data" with a few items and sub-items. From then on the grid
    // neither writes its tree file nor takes what the network reports, so
    // the saved tree is never overwritten by the samples.
    void _DeleteAll();
    // Row `nItem`'s sub-items become "Dynamic", "updates", "not always".
    void DynamicUpdateSomeItems(int nItem);
    // Row `nItem` shows the next of the grid's icons.
    void SetNewImage(int nItem);
    bool IsSampleTree() const { return m_bSampleTree; }

    // --- Selection and drawing ----------------------------------------------
    void SetBar(CTreeItem* pItem);
    void SetBar();
    void RedrawTree();
    void SetFirstColumn(int width);
    void UpdateColumn(int width);
    // Dotted form of what `host` resolves to; `out` unchanged when it does not.
    void GetHostByName(const CString& host, CString& out) const;
    // The option list of a combo cell over row `item`, column `column`.
    void ShowList(int item, int column, const CStringList* list);
    int CalcHorzExtent(CWnd* pWnd, const CStringList* list) const;

    // --- Discovery and registration-server merge ----------------------------
    CTreeItem* SearchMacOfMyTreeCtrl(const RES_DISCOVER_OVEL* rec) const;
    CTreeItem* SearchMacOfMyTreeCtrl(const CTreeItem* row) const;
    CTreeItem* SearchMacOfNotTreeCtrl(const RES_DISCOVER_OVEL* rec) const;
    CTreeItem* SearchMacOfYemTreeCtrl(const RES_DISCOVER_OVEL* rec) const;
    CTreeItem* CheckSameItem(const RES_DISCOVER_OVEL* rec) const;
    // Asks whether to register again a device with this address: *answer 0
    // (Yes, with the row), 1 (No) or 2 (no such device, no question).
    CTreeItem* CheckSameIp(UINT ip, int* answer);
    CTreeItem* SearchYemParent(const ZPT_NODE* node) const;
    CTreeItem* ExistYemItem(const ZPT_NODE* node, const CTreeItem* folder) const;
    void ResDiscoverProc(const RES_DISCOVER_OVEL* rec);
    BOOL SelectIpChange(const RES_DISCOVER_OVEL* rec);
    void SendIpMsgOfMyOvel();
    void ConfirmCamOfRoots();
    void ResetCamOfRoots();
    void RetYemMsg(const ZPT_NODE* node);
    void SendYemMsg();
    void OpenYemServer();
    void SetYemCam();
    void SetYemItem(const RES_DISCOVER_OVEL* rec);
    void ModifyCamIp(const ZPT_NODE* node);

    // --- Settings of the owner ----------------------------------------------
    void SetEnableMenu(bool enable) { m_bEnableMenu = enable; }
    void SetPopupMenu(bool enable) { m_bPopupMenu = enable; }
    void SetCntMyDVR(int n) { m_nRowLimit = n; }

    // --- Overrides of the tree-grid -----------------------------------------
    void DeleteCamNotRoot(BYTE* mac) override;
    void DeleteCamNotRoot(UINT ip, int port) override;
    void IsDblclk(CItemInfo* lpInfo) override;
    void ReqFindMsg(CItemInfo* lpInfo) override;
    CItemInfo* CopyData(CItemInfo* lpInfo) override;
    int GetIcon(const CTreeItem* pItem) override;
    COLORREF GetCellRGB() override;
    void OnControlLButtonDown(UINT nFlags, CPoint point, LVHITTESTINFO& ht) override;
    CImageList* CreateDragImageEx(int nRow) override;
    BOOL OnItemExpanding(CTreeItem* pItem, int nItem) override;
    BOOL OnItemExpanded(CTreeItem* pItem, int nItem) override;
    BOOL OnCollapsing(CTreeItem* pItem) override;
    BOOL OnItemCollapsed(CTreeItem* pItem) override;
    BOOL OnDeleteItem(CTreeItem* pItem, int nItem) override;
    BOOL OnVkReturn() override;
    BOOL OnItemLButtonDown(LVHITTESTINFO& ht) override;

    // --- State the owner sets or reads ---------------------------------------
    bool m_bMyRootOnly = false; // no local-area and registration-server roots
    bool m_bEnableMenu = true; // context menus shown
    bool m_bPopupMenu = true; // insert, delete and edit items enabled
    bool m_bYemQuery = false; // registration-server records ignored meanwhile
    bool m_bWaitIpChange = false; // an address change awaits its reply
    CString m_strWaitIp; // the address it awaits
    bool m_bLookupDone = false; // the owner's tree is built: lookups done
    bool m_bDiscovering = false; // a discovery round runs
    bool m_bFirstOpen = false;
    bool m_bYemExpand = true; // OpenYemServer expands the root
    bool m_bDragEnabled = true; // CreateDragImageEx gives a picture
    CString m_strLastUser = "Last User ID";
    CString m_strFindMac; // the MAC text of the last camera searched for
    CTreeItem* m_pFindItem = nullptr; // the row that matched it
    bool m_bLastCamSearch = false;
    CAM_SERIAL_MAC_INFO m_CamInfo {};

    CImageList m_image; // the rows' 16 x 16 icons
    CImageList m_stateImage;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    // The context menus and their commands.
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnPopupInsert();
    void OnPopupDelete();
    void OnPopupDeleteOvel();
    void OnPopupInsertOvel();
    void OnPopupInsertYem();
    void OnPopupDeleteYem();
    void OnPopupInsertYemGroupId();
    void OnPopupDeleteYemGroupId();
    void OnPopupRenameOvel();
    void OnPopupChangeIP();
    void OnPopupRename();
    // A delete whose removed rows are reported to the owner.
    void ReportedDelete(bool folder);

    // The tree file of the grid's tree ("" for a tree without one).
    std::string TreePath() const;
    // Refreshes a row from a discovery record (saved or unsaved).
    void ModifyNodeOfTreeCtrl(CTreeItem* row, const RES_DISCOVER_OVEL* rec, bool saved, bool unused);
    // A device row from a discovery record under `parent`, in the file.
    CTreeItem* InsertDevice(CTreeItem* parent, const CString& name, const RES_DISCOVER_OVEL* rec);
    // The discovery fields, address and MAC texts, ports and sub-items of a
    // row from a record.
    void FillFromDiscovery(CItemInfo* info, const RES_DISCOVER_OVEL* rec) const;
    // Sub-items 0 to 2: serial, address text, MAC text.
    void ShowKey(CItemInfo* info) const;
    // Removes every row below `row`.
    void DeleteChildren(CTreeItem* row);
    // The shown row takes its data's texts again.
    void RefreshRow(CTreeItem* row);
    void ModifyYem(CTreeItem* row, const ZPT_NODE* node);
    CTreeItem* HowToInsertYemItem(CTreeItem* folder, const ZPT_NODE* node);
    void ModifyYemNodeOfMyTreeCtrl(CTreeItem* saved, const CItemInfo& yem);
    void ModifyYemNodeOfTreeCtrl(CTreeItem* row, const RES_DISCOVER_OVEL* rec);
    // The choices of a drop-down cell, null for any other cell.
    const CStringList* ComboChoices(int nRow, int nColumn) const;

    CTreeOwner* m_pOwner = nullptr;
    TreeFileLists m_lists;
    bool m_bFirstNode = true;
    bool m_bFirstInsert = true; // the first InsertToNotRoot never redraws
    bool m_bLastSaveOk = true;
    bool m_bSampleTree = false; // the rows are _DeleteAll's samples

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
