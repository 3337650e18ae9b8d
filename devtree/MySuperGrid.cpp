// The device tree: roots, tree file, structural commands and selection.
#include "devtree/MySuperGrid.h"

#include "devtree/TreeFile.h"
#include "devtree/TreeFilePaths.h"
#include "devtree/TreeStrings.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <cstring>
#include <memory>
#include <unordered_map>

namespace
{

const char kDeleteFolderQuestion[] = "Do you really want to delete the folder?";
const char kDeleteDeviceQuestion[] = "Do you really want to delete the DVR?";

void CopyPasswords(ITEM_PASSWORD* dst, const PASSWORD_ENTRY* src)
{
    for (int i = 0; i < PASSWORD_TABLE_ENTRIES; ++i) {
        CopyFixedText(dst[i].szUser, sizeof(dst[i].szUser), reinterpret_cast<const char*>(src[i].byUser), 16);
        std::memcpy(dst[i].byPassword, src[i].byPassword, 16);
    }
}

void CopyPasswords(PASSWORD_ENTRY* dst, const ITEM_PASSWORD* src)
{
    for (int i = 0; i < PASSWORD_TABLE_ENTRIES; ++i) {
        CopyFixedText(reinterpret_cast<char*>(dst[i].byUser), 16, src[i].szUser, sizeof(src[i].szUser));
        std::memcpy(dst[i].byPassword, src[i].byPassword, 16);
    }
}

} // namespace

int CMySuperGrid::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CSuperGridCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Open folder, closed folder, device online, device offline.
    if (m_imageList.Create(IDB_TREE_IMAGES, 16, 1, RGB(255, 0, 255))) {
        SetImageList(&m_imageList, LVSIL_SMALL);
        m_cxImage = m_cyImage = 16;
        SetImageSizes(CSize(m_cxImage, m_cyImage), CSize(0, 0));
    }
    m_dragImages.Create(IDB_SMALL_ICONS, 16, 1, RGB(0, 255, 255));
    return 0;
}

CMySuperGrid::CMySuperGrid() = default;
CMySuperGrid::~CMySuperGrid() = default;

std::string CMySuperGrid::TreeFilePath() const
{
    return ::TreeFilePath(m_strInstallFolder, int(m_nFamily));
}

void CMySuperGrid::ResetFileIfNoFileIs(int family)
{
    if (family != TREE_FAMILY_DVR)
        return;
    m_nFamily = uint32_t(family);
    ::ResetFileIfNoFileIs(TreeFilePath());
}

void CMySuperGrid::InitializeGrid()
{
    InsertColumn(0, " ", LVCFMT_LEFT, 225);
    auto root = [](UINT id) {
        auto* info = new CItemInfo;
        info->SetItemText(LoadText(id));
        info->m_bFolder = 1;
        return info;
    };
    m_pMyRoot = AddRoot(root(IDS_ROOT_MY_DVR));
    if (m_bHasLocal)
        m_pLocalRoot = AddRoot(root(IDS_ROOT_LOCAL_DVR));
    if (m_bHasServer)
        m_pServerRoot = AddRoot(root(IDS_ROOT_SERVER));
    SelectRow(0);
}

LRESULT CMySuperGrid::OnSaveTree(WPARAM wParam, LPARAM)
{
    if (wParam == 1)
        FlushTreeFile();
    else
        ConsistLlistAndUpdateFile();
    return 1;
}

void CMySuperGrid::OnDestroy()
{
    // A burst of replies may still wait for its save.
    FlushTreeFile();
    CSuperGridCtrl::OnDestroy();
}

void CMySuperGrid::MarkTreeChanged()
{
    if (!m_hWnd) {
        ConsistLlistAndUpdateFile();
        return;
    }
    if (m_bTreeChangePending)
        return;
    m_bTreeChangePending = 1;
    PostMessage(WM_DEVICE_SAVE_TREE, 1, 0);
}

bool CMySuperGrid::FlushTreeFile()
{
    return !m_bTreeChangePending || ConsistLlistAndUpdateFile();
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::SelectedNode() const
{
    return NodeAtRow(SelectedRow());
}

void CMySuperGrid::SelectNode(CTreeItem* pItem)
{
    const int row = RowOfNode(pItem);
    if (row < 0)
        return;
    SelectRow(row);
    EnsureVisible(row, FALSE);
    m_pCurrentItem = pItem;
    m_nCurrentItemIndex = row;
}

// Loading and saving.

void CMySuperGrid::ReadTreeFileAndConsistLlist()
{
    CTreeFileLists lists;
    const TreeLoadResult loaded = ::ReadTreeFileAndConsistLlist(TreeFilePath(), lists);
    if (loaded == TreeLoadResult::OutOfMemory) {
        AfxMessageBox("The memory is full.\nCCamConfigView::ConsistLinkedList\n", MB_OK);
        PostQuitMessage(0);
    }
    if (loaded == TreeLoadResult::Unreadable || loaded == TreeLoadResult::UnknownFormat) {
        m_bFileRefused = 1;
        ReportTreeFile(
            loaded == TreeLoadResult::Unreadable ? IDS_TREE_FILE_UNREADABLE : IDS_TREE_FILE_UNKNOWN);
    }
    CreateTreeCtrl(lists);
    lists.DeleteLlist();
}

void CMySuperGrid::CreateTreeCtrl(const CTreeFileLists& lists)
{
    // Children of the roots are shown; what lies inside folders starts closed.
    // The rows of a root's children are added in one step at the end.
    std::vector<CTreeItem*> reopen;
    for (CTreeItem* root : { m_pMyRoot, m_pServerRoot })
        if (root && RowOfNode(root) >= 0 && (!root->m_bHideChildren || !HasChildren(root))) {
            CollapseNode(root);
            reopen.push_back(root);
        }
    // Parents by record id, in load order: a record names an earlier one.
    std::unordered_map<uint32_t, CTreeItem*> byId;
    auto insert = [&](CTreeItem* parent, CItemInfo* info) {
        CTreeItem* node = InsertNode(parent, info, FALSE);
        if (!node)
            delete info;
        else if (info->m_dwRecordId)
            byId.emplace(info->m_dwRecordId, node);
        return node;
    };
    auto findParent = [&](CTreeItem* root, uint32_t id) -> CTreeItem* {
        if (id == 0)
            return root;
        auto it = byId.find(id);
        return it != byId.end() && TopOfNode(it->second) == root ? it->second : nullptr;
    };
    for (const tagLinkedListNode* n = lists.m_pHead; n && m_pMyRoot; n = n->pNext) {
        const FILE_NODE& rec = n->node;
        CTreeItem* parent = findParent(m_pMyRoot, rec.dwParentId);
        if (!parent)
            break; // the rest of the records cannot be placed either
        auto* info = new CItemInfo;
        info->SetItemText(CString(rec.szName, int(strnlen(rec.szName, sizeof(rec.szName)))));
        info->m_dwFamily = m_nFamily;
        info->m_dwRecordId = rec.dwId;
        info->m_bFolder = rec.bFolder;
        info->m_bLookup = rec.bLookup;
        CopyField(info->m_szLookupHost, rec.szLookupHost);
        for (int i = 0; i < 4; ++i)
            info->SetLookupWord(i, rec.dwLookup[i]);
        if (rec.bFolder) {
            info->SetImage(TREE_IMAGE_CLOSED_FOLDER);
        } else {
            info->SetImage(TREE_IMAGE_OFFLINE);
            info->m_bKnown = 1;
            CopySerial(info->m_szSerial, rec.item.szSerial);
            info->m_dwIpAddress = rec.item.dwIpAddress;
            std::memcpy(info->m_byMac, rec.item.byMac, 6);
            CopyField(info->m_szUser, *reinterpret_cast<const char(*)[16]>(rec.login.byUser));
            std::memcpy(info->m_byPassword, rec.login.byPassword, 16);
            CopyPasswords(info->m_tableA, rec.tableA);
            CopyPasswords(info->m_tableB, rec.tableB);
            info->m_dwHttpPort = rec.dwHttpPort;
            info->m_dwStreamPort = rec.dwStreamPort;
            info->m_dwConfigPort = rec.dwConfigPort;
            CopyField(info->m_szModel, rec.szModel);
            CopyField(info->m_szVersion2, rec.szVersion);
        }
        if (rec.bFolder)
            CopyField(info->m_szAddress, rec.szAddress);
        else
            CItemInfo::SetText(
                info->m_szAddress, sizeof(info->m_szAddress), FormatIpAddress(rec.item.dwIpAddress).c_str());
        insert(parent, info);
    }
    byId.clear();
    for (const tagLinkedYemListNode* n = lists.m_pYemHead; n && m_bHasServer && m_pServerRoot; n = n->pNext) {
        const FILE_YEM_NODE& rec = n->node;
        CTreeItem* parent = findParent(m_pServerRoot, rec.dwParentId);
        if (!parent)
            break;
        auto* info = new CItemInfo;
        info->SetItemText(CString(rec.szName, int(strnlen(rec.szName, sizeof(rec.szName)))));
        info->m_dwFamily = m_nFamily;
        info->m_dwRecordId = rec.dwId;
        info->m_bFolder = 1;
        info->m_bServer = rec.bServer;
        info->m_bGroupId = rec.bGroupId;
        info->m_bLookup = rec.bTransient;
        info->m_wServerWord = rec.wWord;
        CopyField(info->m_szServerName, rec.szName);
        char address[128] = {};
        char host[65] = {};
        CopyFixedText(host, sizeof(host), rec.szServerAddress, sizeof(rec.szServerAddress));
        ResolveHostName(host, address);
        CItemInfo::SetText(info->m_szLookupHost, sizeof(info->m_szLookupHost), address);
        std::memcpy(info->m_byLookup, rec.byRegId, 16);
        std::memcpy(info->m_byServerPassword, rec.byRegPassword, 16);
        info->SetImage(TREE_IMAGE_CLOSED_FOLDER);
        insert(parent, info);
    }
    for (CTreeItem* root : reopen)
        if (root->m_bHideChildren && HasChildren(root))
            ExpandNode(root, RowOfNode(root));
}

void CMySuperGrid::FillFileNode(const CItemInfo* info, FILE_NODE& rec)
{
    CItemInfo::SetText(rec.szName, sizeof(rec.szName), info->GetItemText());
    rec.bFolder = info->m_bFolder;
    rec.bLookup = info->m_bLookup;
    CopyField(rec.szLookupHost, info->m_szLookupHost);
    for (int i = 0; i < 4; ++i)
        rec.dwLookup[i] = info->LookupWord(i);
    CopyField(rec.szAddress, info->m_szAddress);
    if (info->m_bFolder)
        return;
    CopySerial(rec.item.szSerial, info->m_szSerial);
    rec.item.dwIpAddress = info->m_dwIpAddress;
    std::memcpy(rec.item.byMac, info->m_byMac, 6);
    CopyFixedText(reinterpret_cast<char*>(rec.login.byUser), 16, info->m_szUser, sizeof(info->m_szUser));
    std::memcpy(rec.login.byPassword, info->m_byPassword, 16);
    CopyPasswords(rec.tableA, info->m_tableA);
    CopyPasswords(rec.tableB, info->m_tableB);
    rec.dwHttpPort = info->m_dwHttpPort;
    rec.dwStreamPort = info->m_dwStreamPort;
    rec.dwConfigPort = info->m_dwConfigPort;
    CopyField(rec.szModel, info->m_szModel);
    CopyField(rec.szVersion, info->m_szVersion2);
}

void CMySuperGrid::ReportTreeFile(UINT textId)
{
    // The trees of the other families are never shown and share one path.
    if (m_nFamily != TREE_FAMILY_DVR)
        return;
    CString text;
    AfxFormatString1(text, textId, TreeFilePath().c_str());
    AfxMessageBox(text, MB_OK | MB_ICONWARNING);
}

bool CMySuperGrid::ConsistLlistAndUpdateFile()
{
    // The whole tree goes to the file: nothing waits any more.
    m_bTreeChangePending = 0;
    if (!m_pMyRoot)
        return false;
    if (m_bFileRefused) {
        if (!m_bRefusalShown)
            ReportTreeFile(IDS_TREE_SAVE_REFUSED);
        m_bRefusalShown = 1;
        return false;
    }
    CTreeFileLists lists;
    auto children = [](CTreeItem* item) -> const std::vector<CTreeItem*>& { return item->m_listChild; };
    auto fill = [](CTreeItem* item, FILE_NODE& rec) { FillFileNode(item->m_lpNodeInfo, rec); };
    bool ok = ConsistLlist(m_pMyRoot, children, fill, lists);
    if (ok && m_bHasServer && m_pServerRoot) {
        auto fillYem = [](CTreeItem* item, FILE_YEM_NODE& rec) {
            const CItemInfo* info = item->m_lpNodeInfo;
            CItemInfo::SetText(rec.szName, sizeof(rec.szName), info->GetItemText());
            rec.wWord = info->m_wServerWord;
            rec.bTransient = info->m_bLookup;
            rec.bServer = info->m_bServer;
            rec.bGroupId = info->m_bGroupId;
            CopyField(rec.szServerAddress, info->m_szLookupHost);
            std::memcpy(rec.byRegId, info->m_byLookup, 16);
            std::memcpy(rec.byRegPassword, info->m_byServerPassword, 16);
        };
        auto transient = [](CTreeItem* item) { return item->m_lpNodeInfo->m_bLookup != 0; };
        ok = ConsistYemLlist(m_pServerRoot, children, fillYem, transient, lists);
    }
    if (!ok) {
        AfxMessageBox("The memory is full.\nCCamConfigView::ConsistLinkedList\n", MB_OK);
        PostQuitMessage(0);
        return false;
    }
    if (!ReadLlistAndUpdateFile(TreeFilePath(), lists, m_bHasServer && m_pServerRoot)) {
        // Otherwise the change shows in the tree and is gone at the next start.
        if (!m_bSaveFailureShown)
            ReportTreeFile(IDS_TREE_SAVE_FAILED);
        m_bSaveFailureShown = 1;
        return false;
    }
    m_bSaveFailureShown = 0;
    return true;
}

bool CMySuperGrid::LocalAreaHasRoom()
{
    if (!m_pLocalRoot || m_pLocalRoot->m_listChild.size() < m_nLocalAreaLimit)
        return true;
    if (!m_bLocalAreaFullShown) {
        m_bLocalAreaFullShown = 1;
        CString text;
        AfxFormatString1(text, IDS_LOCAL_AREA_FULL, std::to_string(m_nLocalAreaLimit).c_str());
        AfxMessageBox(text, MB_OK | MB_ICONWARNING);
    }
    return false;
}

// Structural commands.

void CMySuperGrid::ClosedFolderLook(CTreeItem* pItem)
{
    if (pItem && !IsProtectedRoot(pItem) && pItem->m_lpNodeInfo->m_bFolder) {
        pItem->m_lpNodeInfo->SetImage(TREE_IMAGE_CLOSED_FOLDER);
        pItem->m_lpNodeInfo->m_bExpanded = 0;
    }
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::InsertAndSave(CTreeItem* pParent, std::unique_ptr<CItemInfo> info)
{
    // The parent is opened so that the new row shows.
    const int parentRow = RowOfNode(pParent);
    if (parentRow >= 0 && pParent->m_bHideChildren)
        ExpandNode(pParent, parentRow);
    CTreeItem* node = InsertNode(pParent, info.get(), parentRow >= 0);
    if (!node)
        return nullptr;
    info.release();
    FinishStructuralChange();
    return node;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::HowToInsertFolder(CTreeItem* pParent, const char* name)
{
    // An empty name would end the next load of the file at this folder.
    if (!pParent || !name || !name[0])
        return nullptr;
    auto info = std::make_unique<CItemInfo>();
    char text[48];
    CItemInfo::SetText(text, sizeof(text), name);
    info->SetItemText(text);
    info->m_bFolder = 1;
    info->m_dwFamily = m_nFamily;
    info->SetImage(TREE_IMAGE_CLOSED_FOLDER);
    if (!IsRootNode(pParent)) {
        pParent->m_lpNodeInfo->SetImage(TREE_IMAGE_OPEN_FOLDER);
        pParent->m_lpNodeInfo->m_bExpanded = 1;
    }
    return InsertAndSave(pParent, std::move(info));
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::InsertDVR(CTreeItem* pParent, CItemInfo* lpInfo)
{
    lpInfo->m_bKnown = 1;
    lpInfo->m_dwFamily = m_nFamily;
    std::unique_ptr<CItemInfo> info(lpInfo);
    CTreeItem* node = InsertAndSave(pParent, std::move(info));
    return node;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::InsertServer(
    const char* address, const char* regId, const char* regPassword)
{
    if (!m_pServerRoot || !address || !address[0])
        return nullptr;
    auto info = std::make_unique<CItemInfo>();
    char text[48];
    CItemInfo::SetText(text, sizeof(text), address);
    info->SetItemText(text);
    if (IsServerUsed(m_pServerRoot, info.get()))
        return nullptr;
    info->m_bFolder = 1;
    info->m_bServer = 1;
    info->m_dwFamily = m_nFamily;
    info->SetImage(TREE_IMAGE_CLOSED_FOLDER);
    CopyField(info->m_szServerName, text);
    char resolved[128] = {};
    ResolveHostName(text, resolved);
    CItemInfo::SetText(info->m_szLookupHost, sizeof(info->m_szLookupHost), resolved);
    CopyFixedText(reinterpret_cast<char*>(info->m_byLookup), 16, regId ? regId : "", 16);
    CopyFixedText(reinterpret_cast<char*>(info->m_byServerPassword), 16, regPassword ? regPassword : "", 16);
    return InsertAndSave(m_pServerRoot, std::move(info));
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::InsertGroupId(CTreeItem* pServer, const char* groupId)
{
    if (!pServer || !groupId || !groupId[0] || !pServer->m_lpNodeInfo->m_bServer)
        return nullptr;
    if (IsGroupIdUsed(pServer, groupId))
        return nullptr;
    const CItemInfo* server = pServer->m_lpNodeInfo;
    auto info = std::make_unique<CItemInfo>();
    char text[17];
    CItemInfo::SetText(text, sizeof(text), groupId);
    info->SetItemText(text);
    info->m_bFolder = 1;
    info->m_bGroupId = 1;
    info->m_dwFamily = m_nFamily;
    info->SetImage(TREE_IMAGE_CLOSED_FOLDER);
    CopyField(info->m_szServerName, server->m_szServerName);
    CopyField(info->m_szLookupHost, server->m_szLookupHost);
    CopyFixedText(reinterpret_cast<char*>(info->m_byLookup), 16, text, sizeof(text));
    std::memcpy(info->m_byServerPassword, server->m_byServerPassword, 16);
    return InsertAndSave(pServer, std::move(info));
}

void CMySuperGrid::OnDelete()
{
    CTreeItem* node = SelectedNode();
    if (!node)
        return;
    const bool device = !node->m_lpNodeInfo->m_bFolder;
    if (AfxMessageBox(device ? kDeleteDeviceQuestion : kDeleteFolderQuestion, MB_YESNO | MB_ICONHAND)
        != IDYES)
        return;
    if (IsRootNode(node))
        return;
    CTreeItem* parent = node->m_pParent;
    if (parent && parent->m_listChild.size() == 1)
        ClosedFolderLook(parent);
    if (!OnDeleteItem(node, node->m_nIndex))
        return;
    if (m_pCurrentItem && IsInSubtree(node, m_pCurrentItem))
        m_pCurrentItem = nullptr;
    RemoveNode(node, RowOfNode(node), TRUE);
    FinishStructuralChange();
}

TreeMenuChoice CMySuperGrid::ContextMenuFor(const CTreeItem* pItem) const
{
    TreeMenuChoice choice;
    if (!pItem)
        return choice;
    const CTreeItem* root = pItem;
    while (root->m_pParent)
        root = root->m_pParent;
    const CItemInfo* info = pItem->m_lpNodeInfo;
    if (root == m_pMyRoot) {
        choice.menuId = g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR ? IDR_TREE_MENU_DVR : IDR_TREE_MENU_CAM;
        if (pItem == m_pMyRoot)
            choice.disabled = { ID_TREE_DELETE_FOLDER, ID_TREE_DELETE_CAM, ID_TREE_RENAME };
        else if (info->m_bFolder)
            choice.disabled = { ID_TREE_DELETE_CAM, ID_TREE_RENAME };
        else
            choice.disabled = { ID_TREE_NEW_FOLDER, ID_TREE_DELETE_FOLDER, ID_TREE_ADD_CAM };
    } else if (m_pServerRoot && root == m_pServerRoot) {
        const std::set<UINT> all
            = { ID_TREE_ADD_ZPT, ID_TREE_DELETE_ZPT, ID_TREE_ADD_GROUP_ID, ID_TREE_DELETE_GROUP_ID };
        auto allBut = [&](std::set<UINT> enabled) {
            std::set<UINT> disabled;
            for (UINT id : all)
                if (!enabled.count(id))
                    disabled.insert(id);
            return disabled;
        };
        if (pItem == m_pServerRoot) {
            choice.menuId = IDR_TREE_MENU_SERVER;
            choice.disabled = allBut({ ID_TREE_ADD_ZPT });
        } else if (info->m_bServer && !info->m_bGroupId && !info->m_bLookup) {
            choice.menuId = IDR_TREE_MENU_SERVER;
            choice.disabled = { ID_TREE_ADD_ZPT, ID_TREE_DELETE_GROUP_ID };
        } else if (info->m_bGroupId && !info->m_bLookup) {
            choice.menuId = IDR_TREE_MENU_SERVER;
            choice.disabled = allBut({ ID_TREE_DELETE_GROUP_ID });
        }
    }
    return choice;
}

// Selection at start and the discovery cycle.

void CMySuperGrid::OpenLastCam(int slot)
{
    // The tree was just loaded from the file, so the entry's device is
    // looked up in the tree by its MAC rather than in the file's records.
    LastCamInfo last {};
    CTreeItem* found = nullptr;
    if (GetLastCamEntry(TreeFilePath(), slot, &last) && IsMacAddressSet(last.byMac)) {
        FormatMacText(last.byMac, m_szWaitMac, sizeof(m_szWaitMac));
        found = FirstUnder(m_pMyRoot, DeviceIndex().ByMac(last.byMac), [&](CTreeItem* node) {
            return !node->m_lpNodeInfo->m_bFolder
                && std::memcmp(node->m_lpNodeInfo->m_byMac, last.byMac, 6) == 0;
        });
    }
    if (!found) {
        m_bWaitSelection = 0;
        m_pCurrentItem = NodeAtRow(0);
        m_nCurrentItemIndex = 0;
        SetRedraw(TRUE);
        return;
    }
    // Open the folders on the way, from the top.
    std::vector<CTreeItem*> path;
    for (CTreeItem* up = found->m_pParent; up; up = up->m_pParent)
        path.insert(path.begin(), up);
    for (CTreeItem* folder : path) {
        if (!IsRootNode(folder)) {
            folder->m_lpNodeInfo->SetImage(TREE_IMAGE_OPEN_FOLDER);
            folder->m_lpNodeInfo->m_bExpanded = 1;
        }
        const int row = RowOfNode(folder);
        if (row >= 0 && folder->m_bHideChildren && OnItemExpanding(folder, row))
            ExpandNode(folder, row);
    }
    CItemInfo* info = found->m_lpNodeInfo;
    info->SetImage(TREE_IMAGE_OFFLINE);
    info->m_bOnline = 0;
    SelectNode(found);
    m_bWaitSelection = 1;
    auto rec = std::make_unique<SELECTED_DEVICE>();
    BuildSelectedDevice(info, rec.get());
    SendToOwner(WM_DEVICE_SELECT_IN_FAMILY, WPARAM(rec.get()), 0);
    SetRedraw(TRUE);
}

void CMySuperGrid::ClearOnlineFlags()
{
    for (CTreeItem* root : { m_pMyRoot, m_pLocalRoot })
        ForEachNode(root, [](CTreeItem* node) {
            node->m_lpNodeInfo->m_bOnline = 0;
            return true;
        });
}

void CMySuperGrid::SendIpMsgOfMyOvel()
{
    if (!m_pOwnerView)
        return;
    ForEachNode(m_pMyRoot, [&](CTreeItem* node) {
        CItemInfo* info = node->m_lpNodeInfo;
        if (info->m_bFolder)
            return true;
        if (info->m_bLookup) {
            ReqFindMsg(info);
            m_pOwnerView->ReqUniQuestMsg(info->m_szAddress, false);
        } else {
            m_pOwnerView->ReqUniQuestMsg(FormatIpAddress(info->m_dwIpAddress).c_str(), false);
        }
        return true;
    });
}

void CMySuperGrid::EndDiscoveryCycle()
{
    ForEachNode(m_pMyRoot, [](CTreeItem* node) {
        if (!node->m_lpNodeInfo->m_bFolder && !node->m_lpNodeInfo->m_bOnline)
            node->m_lpNodeInfo->SetImage(TREE_IMAGE_OFFLINE);
        return true;
    });
    // The replies of this cycle that changed saved devices are written now.
    FlushTreeFile();
    if (!m_pLocalRoot)
        return;
    std::vector<CTreeItem*> gone;
    for (CTreeItem* node : m_pLocalRoot->m_listChild)
        if (!node->m_lpNodeInfo->m_bFolder && !node->m_lpNodeInfo->m_bOnline)
            gone.push_back(node);
    for (CTreeItem* node : gone)
        RemoveLocalDevice(node);
    RenumberRows();
}

void CMySuperGrid::RemoveLocalDevice(CTreeItem* node)
{
    if (!OnDeleteItem(node, node->m_nIndex))
        return;
    if (m_pCurrentItem == node)
        m_pCurrentItem = nullptr;
    const int row = RowOfNode(node);
    if (row >= 0)
        RemoveNode(node, row, FALSE);
    else
        DeleteNodeAndRows(node);
}

void CMySuperGrid::SendYemMsg()
{
    ForEachNode(m_pServerRoot, [&](CTreeItem* node) {
        const CItemInfo* info = node->m_lpNodeInfo;
        if (info->m_bGroupId) {
            m_bLookupPending = 0;
            char group[17] = {};
            std::memcpy(group, info->m_byLookup, 16);
            if (m_pOwnerView)
                m_pOwnerView->FetchGroup(info->m_szLookupHost, group);
        }
        return true;
    });
}

// Overrides.

void CMySuperGrid::DeleteCamNotRoot(const uint8_t* mac)
{
    if (!m_pLocalRoot || !mac)
        return;
    auto sameMac = [&](CTreeItem* node) {
        return !node->m_lpNodeInfo->m_bFolder && std::memcmp(node->m_lpNodeInfo->m_byMac, mac, 6) == 0;
    };
    CTreeItem* found = nullptr;
    if (IsMacAddressSet(mac)) {
        found = FirstUnder(m_pLocalRoot, DeviceIndex().ByMac(mac), sameMac);
    } else {
        // Devices without a MAC are not filed by it.
        ForEachNode(m_pLocalRoot, [&](CTreeItem* node) {
            if (sameMac(node))
                found = node;
            return !found;
        });
    }
    if (found)
        RemoveLocalDevice(found);
}

void CMySuperGrid::DeleteCamNotRoot(uint32_t ipAddress)
{
    if (!m_pLocalRoot)
        return;
    CTreeItem* found = FirstUnder(m_pLocalRoot, DeviceIndex().ByIp(ipAddress), [&](CTreeItem* node) {
        return !node->m_lpNodeInfo->m_bFolder && node->m_lpNodeInfo->m_dwIpAddress == ipAddress;
    });
    if (found)
        RemoveLocalDevice(found);
}

void CMySuperGrid::IsDblclk()
{
    CTreeItem* node = SelectedNode();
    if (node && !node->m_lpNodeInfo->m_bFolder && m_pOwnerView)
        m_pOwnerView->DoLogin();
}

void CMySuperGrid::OnDeviceDblclk(SELECTED_DEVICE*)
{
    if (m_pOwnerView)
        m_pOwnerView->RequestLogin();
}

void CMySuperGrid::ReqFindMsg(CItemInfo* lpInfo)
{
    if (!lpInfo)
        return;
    m_bLookupPending = 1;
    char key[24];
    if (lpInfo->m_bKnown)
        FormatMacText(lpInfo->m_byMac, key, sizeof(key));
    else
        CopyField(key, lpInfo->m_szKey);
    if (m_pOwnerView)
        m_pOwnerView->RequestLookup(lpInfo->m_szLookupHost, lpInfo->m_byLookup, lpInfo->m_szSerial, key);
}

CItemInfo* CMySuperGrid::CopyData(CItemInfo* lpSrc)
{
    return lpSrc ? new CItemInfo(*lpSrc) : nullptr;
}

int CMySuperGrid::GetIcon(const CTreeItem* pItem)
{
    if (!pItem || !pItem->m_lpNodeInfo)
        return 0;
    if (pItem->m_lpNodeInfo->GetImage() != -1)
        return pItem->m_lpNodeInfo->GetImage();
    if (!HasChildren(pItem))
        return 2;
    return pItem->m_bHideChildren ? 1 : 0;
}

BOOL CMySuperGrid::OnItemExpanded(CTreeItem* pItem, int)
{
    if (pItem && !IsRootNode(pItem) && pItem->m_lpNodeInfo->m_bFolder) {
        pItem->m_lpNodeInfo->SetImage(TREE_IMAGE_OPEN_FOLDER);
        pItem->m_lpNodeInfo->m_bExpanded = 1;
    }
    return TRUE;
}

BOOL CMySuperGrid::OnItemCollapsed(CTreeItem* pItem)
{
    if (pItem && !IsRootNode(pItem) && pItem->m_lpNodeInfo->m_bFolder) {
        pItem->m_lpNodeInfo->SetImage(TREE_IMAGE_CLOSED_FOLDER);
        for (CTreeItem* child : pItem->m_listChild)
            if (child->m_lpNodeInfo->m_bFolder)
                child->m_lpNodeInfo->SetImage(TREE_IMAGE_CLOSED_FOLDER);
    }
    return TRUE;
}

void CMySuperGrid::ShowAlreadyExists()
{
    AfxMessageBox(LoadText(IDS_DVR_EXISTS), MB_OK);
}
