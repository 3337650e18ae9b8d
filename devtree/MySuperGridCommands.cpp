// The device tree's commands: the context-menu entries and the dialogs they
// open, and what the tree reads back from its file for a selection.
#include "devtree/MySuperGrid.h"

#include "devtree/NewFolderDlg.h"
#include "devtree/TreeFile.h"
#include "dialogs/AddDvrDlg.h"
#include "dialogs/AddGroupIdDlg.h"
#include "dialogs/AddRegServerDlg.h"
#include "dialogs/IpAddressDlg.h"
#include "dialogs/PortAssignDlg.h"
#include "link/ByteOrder.h"
#include "platform/ui/Menu.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CMySuperGrid, CSuperGridCtrl)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_DEVICE_SAVE_TREE, OnSaveTree)
ON_COMMAND(ID_TREE_NEW_FOLDER, OnNewFolder)
ON_COMMAND(ID_TREE_DELETE_FOLDER, OnDelete)
ON_COMMAND(ID_TREE_DELETE_CAM, OnDelete)
ON_COMMAND(ID_TREE_DELETE_ZPT, OnDelete)
ON_COMMAND(ID_TREE_DELETE_GROUP_ID, OnDelete)
ON_COMMAND(ID_TREE_ADD_CAM, OnAddCam)
ON_COMMAND(ID_TREE_ADD_ZPT, OnAddZpt)
ON_COMMAND(ID_TREE_ADD_GROUP_ID, OnAddGroupId)
ON_COMMAND(ID_TREE_RENAME, OnRename)
ON_COMMAND(ID_TREE_CHANGE_IP, OnChangeIp)
ON_COMMAND(ID_TREE_DIAL_UP, OnDialUp)
ON_COMMAND(ID_TREE_HANG_UP, OnHangUp)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

void CMySuperGrid::OnContextMenu(CWnd*, CPoint pos)
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const TreeMenuChoice choice = ContextMenuFor(NodeAtRow(row));
    CMenu menu;
    if (!choice.menuId || !menu.LoadMenu(choice.menuId))
        return;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return;
    for (UINT id : choice.disabled)
        popup->EnableMenuItem(id, MF_BYCOMMAND | MF_GRAYED);
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, pos.x, pos.y, this);
}

void CMySuperGrid::OnNewFolder()
{
    CTreeItem* node = SelectedNode();
    if (!node)
        return;
    CTreeItem* parent = node->m_lpNodeInfo->m_bFolder ? node : node->m_pParent;
    CNewFolderDlg dlg(this);
    if (parent && dlg.DoModal() == IDOK)
        HowToInsertFolder(parent, dlg.m_strFolderName);
}

void CMySuperGrid::OnAddCam()
{
    CAddDvrDlg dlg(nullptr);
    dlg.m_pView = m_pProbeView;
    const INT_PTR result = dlg.DoModal();
    // No reply reaches a closed dialog.
    if (m_pProbeView) {
        m_pProbeView->SetOpenAddDvrDlg(nullptr);
        m_pProbeView->SetAwaitedAddress(0);
    }
    if (result != IDOK) {
        if (m_pOwnerView)
            m_pOwnerView->ClearProbe();
        return;
    }
    AddDeviceResult add;
    add.probed = dlg.m_bReplied;
    add.reply = dlg.m_record;
    add.address = dlg.m_strAddress.Str();
    if (dlg.m_nPortMode == PORT_MODE_FIREWALL) {
        add.httpPort = add.streamPort = add.configPort = dlg.m_nFirewallPort;
    } else {
        add.httpPort = dlg.m_nMonitorPort;
        add.streamPort = dlg.m_nPlaybackPort;
        add.configPort = DEFAULT_CONFIG_PORT;
    }
    AddDevice(add);
}

void CMySuperGrid::OnAddZpt()
{
    CAddRegServerDlg dlg(this);
    if (dlg.DoModal() == IDOK)
        InsertServer(dlg.m_strServer, dlg.m_strId, dlg.m_strPassword);
}

void CMySuperGrid::OnAddGroupId()
{
    CTreeItem* server = SelectedNode();
    if (!server || !server->m_lpNodeInfo->m_bServer)
        return;
    CAddGroupIdDlg dlg(this);
    if (dlg.DoModal() == IDOK)
        InsertGroupId(server, dlg.m_strGroupId);
}

void CMySuperGrid::OnRename()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    CRect label;
    GetItemRect(row, &label, LVIR_LABEL);
    LVHITTESTINFO ht {};
    ht.pt = label.CenterPoint();
    ht.iItem = row;
    ht.flags = LVHT_ONITEMLABEL;
    StartLabelEdit(0, CPoint(ht.pt), ht);
}

void CMySuperGrid::OnChangeIp()
{
    CTreeItem* node = SelectedNode();
    if (!node || node->m_lpNodeInfo->m_bFolder)
        return;
    CItemInfo* info = node->m_lpNodeInfo;
    SendDeviceSelect(info);
    uint8_t password[16] = {};
    char passwordText[17] = {};
    if (GetSavedPassword(info, password))
        std::memcpy(passwordText, password, 16);
    CIpAddressDlg dlg(this);
    dlg.SetValues(info->m_szAddress, passwordText);
    // The change goes out with the password of the dialog's second edit.
    if (dlg.DoModal() == IDOK)
        SendToOwner(WM_DEVICE_CHANGE_IP, WPARAM(dlg.m_dwAddress), LPARAM(dlg.m_strSecond.GetString()));
}

bool CMySuperGrid::SelectForLine()
{
    // The configuration view dials or hangs up the device selected here.
    CTreeItem* node = SelectedNode();
    if (!node || node->m_lpNodeInfo->m_bFolder)
        return false;
    SendDeviceSelect(node->m_lpNodeInfo);
    return m_pOwnerView != nullptr;
}

void CMySuperGrid::OnDialUp()
{
    if (SelectForLine())
        m_pOwnerView->DialUp();
}

void CMySuperGrid::OnHangUp()
{
    if (SelectForLine())
        m_pOwnerView->HangUp();
}

BOOL CMySuperGrid::AskPortAssignment(CItemInfo* lpInfo)
{
    CPortAssignDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    if (dlg.m_nMode == PORT_MODE_NORMAL) {
        lpInfo->m_dwHttpPort = dlg.m_nMonitorPort;
        lpInfo->m_dwStreamPort = dlg.m_nPlaybackPort;
        lpInfo->m_dwConfigPort = DEFAULT_CONFIG_PORT;
    } else {
        lpInfo->m_dwHttpPort = lpInfo->m_dwStreamPort = lpInfo->m_dwConfigPort = dlg.m_nFirewallPort;
    }
    return TRUE;
}

BOOL CMySuperGrid::GetSavedPassword(const CItemInfo* lpInfo, uint8_t password[16])
{
    FILE_NODE record;
    if (!ReadRecordOf(lpInfo, &record) || !record.login.byUser[0])
        return FALSE;
    std::memcpy(password, record.login.byPassword, 16);
    return TRUE;
}

void CMySuperGrid::ProbeLookedUpDevice(CItemInfo* lpInfo)
{
    if (!lpInfo)
        return;
    const TreeItemKey key = ItemKey(lpInfo); // as the file knows the device
    CString address;
    if (lpInfo->GetAddress(address)) {
        if (lpInfo->m_bKnown)
            UpdateDeviceIpInFile(TreeFilePath(), key, lpInfo->m_dwIpAddress);
    }
    if (m_pOwnerView)
        m_pOwnerView->ReqUniQuestMsg(address, true);
}
