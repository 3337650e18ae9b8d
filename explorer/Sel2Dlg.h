// CSel2Dlg: the modal camera explorer. The user picks a device from one of
// three trees (cameras, K386 servers, DVRs), which discovery and the
// registration servers keep up to date as in the explorer pane; the host
// reads the choice with GetSelectedCam after IDOK.
//
// A host: constructs it with its window, may set m_nMode, runs DoModal and,
// after IDOK, calls GetSelectedCam with an empty item, whose m_lParam then
// tells a device (0, 1 when looked up on a registration server) from a
// backup file (2).
#pragma once

#include "explorer/ExplorerBase.h"
#include "platform/ui/Controls.h"
#include "platform/ui/GdiObject.h"

namespace morrik
{

constexpr int SEL2_TREE_COUNT = 3;

class CNewOvel;

class MORRIK_EXPORT CSel2Dlg : public CExplorerBase
{
public:
    explicit CSel2Dlg(CWnd* pParent);
    ~CSel2Dlg() override;

    INT_PTR DoModal() override;

    void OpenTree();
    void ExecuteTree();
    void JobTree(int n);
    void ExeColumnclick(int n);
    void InitAndRefresh();
    void Refresh();
    void SendUdpMsg();

    // The tree a device belongs to: -1 none, 0 cameras, 1 K386, 2 DVRs.
    int FilterModel(const char* model) const override;
    void ResDiscoverProc(const RES_DISCOVER_OVEL* record) override;
    void RetYemMsg(const ZPT_NODE* node) override;
    CMySuperGrid* CurrentGrid() override { return Grid(m_nTreeNo); }
    CMySuperGrid* Grid(int tree) const
    {
        return tree >= 0 && tree < SEL2_TREE_COUNT ? m_pGrid[tree] : nullptr;
    }

    void ModifyDVR(CItemInfo* treeItem, CItemInfo* edited, bool copy);
    void GetSelectedCam(CItemInfo* item);
    void GetConnectCamAndCloseDlg(CItemInfo* item) override;
    void DeleteMem() override;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    // Written by the add-camera dialog while it probes an address: the
    // answer from that address goes to that dialog.
    DWORD m_dwProbeAddress = 0;
    CNewOvel* m_pNewOvel = nullptr;
    CItemInfo* m_pSelected = nullptr; // the device chosen at OK
    CString m_strBackupExt;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnTimer(UINT_PTR nIDEvent);
    void OnSize(UINT nType, int cx, int cy);
    // A minimised dialog draws its icon.
    void OnPaint();
    void OnBtnOpenBackupFile();
    void OnBtnTree() { JobTree(0); }
    void OnBtnTree2() { JobTree(1); }
    void OnBtnTree3() { JobTree(2); }
    LRESULT OnInsertDevice(WPARAM wParam, LPARAM lParam);
    LRESULT OnEditItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnItemMoved(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
    UINT AddWaitPeriod() const override { return 500; }
    // Places button `tree` as an 18-pixel bar at y.
    void PlaceButton(int tree, int left, int y, int width);

    CMySuperGrid* m_pGrid[SEL2_TREE_COUNT] = {};
    CWnd* m_pTreeButton[SEL2_TREE_COUNT] = {}; // the template's, once it is built
    CFont m_ButtonFont;
    bool m_bTreeOpened[2] = {}; // trees 0 and 1 shown before
    CItemInfo m_Chosen; // the chosen device's data, kept past the trees

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
