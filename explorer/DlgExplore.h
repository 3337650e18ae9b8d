// CDlgExplore: the explorer pane a host program embeds in one of its
// windows. A borderless child dialog holding one device tree of the DVR
// family, kept up to date by discovery on every local adapter and by the
// registration servers of its tree; the user adds and edits DVRs in it and
// the host hears of what the user does by window messages.
//
// A host: constructs it with new, creates its window as a child (Create),
// places it with MoveWindow2, answers its notifications and calls the
// operations below, then destroys the window and deletes the object.
#pragma once

#include "explorer/DvrNetInfo.h"
#include "explorer/ExplorerBase.h"

#include <vector>

namespace morrik
{

// One row of the "My DVR" list.
struct MyDvrEntry {
    CItemInfo* info;
};

class MORRIK_EXPORT CDlgExplore : public CExplorerBase
{
public:
    // myListOnly: the tree has only its "My DVR" root; modeZero: the pane
    // handles adds and edits itself instead of handing them to the host.
    explicit CDlgExplore(CWnd* pParent, bool myListOnly = false, bool modeZero = false);
    ~CDlgExplore() override;

    // The window, from the pane's template, as a child of the host's window.
    BOOL Create(CWnd* pParentWnd);

    void MoveWindow2(int x, int y, int width, int height);
    void OpenTree();
    void ExecuteTree();
    void JobTree(int n);
    void ExeColumnclick(int n);
    void InitAndRefresh();
    void Refresh();
    void SendUdpMsg();

    int FilterModel(const char* model) const override;
    void ResDiscoverProc(const RES_DISCOVER_OVEL* record) override;
    void RetYemMsg(const ZPT_NODE* node) override;
    CMySuperGrid* CurrentGrid() override { return m_pGrid; }

    bool ModifyDVR(CItemInfo* treeItem, CItemInfo* edited, bool copyAll);
    using CExplorerBase::GetAddress;
    // The device's current address from its registration server into its
    // address text; false (text unchanged) when the server gives none.
    bool GetAddress(tagDVrNetInfo* info);
    void DeleteItem(CItemInfo* item);
    // The selected device into `item` (its DVR for a channel row), or the
    // backup file the host chose.
    void GetSelectedCam(CItemInfo* item);
    // Channel rows of a device: one per set bit of the masks, named from
    // the 24-byte texts of `names` when given.
    void SetChannel(CItemInfo* item, const DWORD* masks, int count, const char* names);
    void SetChStatus(CItemInfo* item, int channel, bool on);
    void SetSelectedDVR(CItemInfo* item, int n);
    void SetDVRStatus(CItemInfo* item, int status);
    void GetMyDVR(CSuperGridCtrl::CTreeItem* item);
    void ResetMyDVR();
    int GetMyItemCount() const;
    const std::vector<MyDvrEntry>& MyDVR() const { return m_MyDVR; }
    void SetCntMyDVR(int n);
    void SetPopupMenu(bool enable);
    void SetEnableMenu(bool enable);

    BOOL OnInitDialog() override;
    // Enter and Escape never close the pane.
    void OnOK() override { }
    void OnCancel() override { }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnItemClick(WPARAM wParam, LPARAM lParam);
    LRESULT OnInsertDevice(WPARAM wParam, LPARAM lParam);
    LRESULT OnItemMoved(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnEditItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnRenameChannel(WPARAM wParam, LPARAM lParam);
    LRESULT OnDragBegin(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrop(WPARAM wParam, LPARAM lParam);
    LRESULT OnChangeIp(WPARAM wParam, LPARAM lParam);
    LRESULT OnRenameEnable(WPARAM wParam, LPARAM lParam);
    void OnDvrAdded(CItemInfo* row) override;
    LRESULT Forward(UINT message, WPARAM wParam, LPARAM lParam);
    CSuperGridCtrl::CTreeItem* RowOf(CItemInfo* item);

    CMySuperGrid* m_pGrid = nullptr;
    bool m_bMyListOnly = false;
    std::vector<MyDvrEntry> m_MyDVR;

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
