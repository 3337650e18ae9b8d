// The device tree kept in step with the network: discovery replies matched
// to saved and found rows, devices added from a reply, the rows of the
// registration servers' groups, and the rounds of queries the owner sends.
#include "explorer/MySuperGrid.h"
#include "explorer/TreeWalk.h"

#include "explorer/MorrikResources.h"
#include "explorer/ZptNode.h"
#include "link/DeviceHelpers.h"
#include "link/DiscoveryRecord.h"
#include "platform/base/Services.h"
#include "resources/morrik/Resource.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace morrik
{

namespace
{

using Item = CSuperGridCtrl::CTreeItem;

uint32_t PortOrDefault(uint32_t port)
{
    return port ? port : DEFAULT_CONFIG_PORT;
}

// A text field of `N` bytes as a CString, whether or not it is terminated.
template <size_t N> CString FieldText(const char (&field)[N])
{
    return CString(field, int(strnlen(field, N)));
}

CString GroupIdText(const CItemInfo& info)
{
    const auto* id = reinterpret_cast<const char*>(info.m_byGroupId);
    return CString(id, int(strnlen(id, sizeof info.m_byGroupId)));
}

CString MacText(const uint8_t mac[6])
{
    char text[18];
    FormatMac(mac, text);
    return text;
}

// Copies a field into another, cut to the target and terminated.
template <size_t N, size_t M> void CopyText(char (&to)[N], const char (&from)[M])
{
    CutText(to, FieldText(from).GetString());
}

// The discovery rule: a row without a serial or a MAC by address and
// configuration port, any row by an equal (set) MAC.
bool MatchesReply(const CItemInfo& row, const RES_DISCOVER_OVEL& rec, bool keyOfRow)
{
    const bool partial = keyOfRow ? (!IsSerialSet(row.m_szSerial) || !IsMacSet(row.m_byMac))
                                  : (!rec.serial[0] || !IsMacSet(rec.mac));
    if (partial && row.m_dwIp == rec.ipAddress && row.m_dwConfigPort == PortOrDefault(rec.port))
        return true;
    return IsMacSet(rec.mac) && std::memcmp(row.m_byMac, rec.mac, 6) == 0;
}

// The row text of a registration server's device: its name and MAC text.
CString YemRowText(const ZPT_NODE& node)
{
    const CString name = FieldText(node.szName);
    const CString mac = FieldText(node.szMac);
    return name.IsEmpty() ? mac : name + "-" + mac;
}

// The address and MAC of a registered device: the datagram path gives them
// as values, the FTP download only as texts.
void ZptKey(const ZPT_NODE& node, uint32_t* ip, uint8_t mac[6])
{
    *ip = node.dwIp ? node.dwIp : ParseDottedAddress(FieldText(node.szAddress).GetString());
    std::memcpy(mac, node.byMac, 6);
    if (IsMacSet(mac))
        return;
    CString lower = FieldText(node.szMac);
    lower.MakeLower();
    unsigned parts[6] = {};
    if (std::sscanf(lower.GetString(), "%x:%x:%x:%x:%x:%x", &parts[0], &parts[1], &parts[2], &parts[3],
            &parts[4], &parts[5])
        == 6)
        for (int i = 0; i < 6; ++i)
            mac[i] = uint8_t(parts[i]);
}

CString Upper(const CString& text)
{
    CString upper = text;
    upper.MakeUpper();
    return upper;
}

} // namespace

// --- Rows from discovery -------------------------------------------------------------

void CMySuperGrid::FillFromDiscovery(CItemInfo* info, const RES_DISCOVER_OVEL* rec) const
{
    CopyText(info->m_szModel, rec->model);
    CopyText(info->m_szVersion1, rec->version1);
    CopyText(info->m_szVersion2, rec->version2);
    std::memcpy(info->m_szSerial, rec->serial, sizeof info->m_szSerial);
    info->m_dwIp = rec->ipAddress;
    std::memcpy(info->m_byMac, rec->mac, 6);
    CopyText(info->m_szText, rec->title);
    CutText(info->m_szAddress, DottedIp(rec->ipAddress).GetString());
    FormatMac(rec->mac, info->m_szMacText);
    info->m_login = {};
    std::memset(info->m_service1, 0, sizeof info->m_service1);
    std::memset(info->m_service2, 0, sizeof info->m_service2);
    info->m_dwConfigPort = rec->port ? rec->port : DEFAULT_CONFIG_PORT;
    info->m_dwService1Port = rec->port ? rec->port : DEFAULT_SERVICE1_PORT;
    info->m_dwService2Port = rec->port ? rec->port : DEFAULT_SERVICE2_PORT;
    info->m_nTreeNo = m_nTreeNo;
    ShowKey(info);
}

void CMySuperGrid::ShowKey(CItemInfo* info) const
{
    info->SetSubItemText(0, FieldText(info->m_szSerial));
    info->SetSubItemText(1, FieldText(info->m_szAddress));
    info->SetSubItemText(2, FieldText(info->m_szMacText));
}

void CMySuperGrid::RefreshRow(Item* row)
{
    const int shown = GetCurIndex(row);
    const CItemInfo* info = GetItemInfo(row);
    if (shown < 0 || !info)
        return;
    SetItemText(shown, 0, info->GetItemText());
    for (int k = 0; k < info->GetItemCount() && k + 1 < GetColumnCount(); ++k)
        SetItemText(shown, k + 1, info->GetSubItem(k));
    RedrawItems(shown, shown);
}

Item* CMySuperGrid::InsertDevice(Item* parent, const CString& name, const RES_DISCOVER_OVEL* rec)
{
    if (!parent || !rec)
        return nullptr;
    auto* info = new CItemInfo;
    FillFromDiscovery(info, rec);
    info->SetItemText(name);
    if (m_nOwnerMode != 2)
        info->SetImage(IMAGE_NOT_SEEN);
    info->m_bOnline = true;
    info->m_bInFile = true;
    info->m_bLookup = 0;
    Item* row = InsertItem(parent, info, TRUE);
    if (!row) {
        delete info;
        return nullptr;
    }
    if (parent != m_pMyRoot && parent != m_pLocalRoot)
        parent->m_lpNodeInfo->m_bExpanded = true;
    if (IsCollapsed(parent) && GetCurIndex(parent) >= 0)
        Expand(parent, GetCurIndex(parent));
    ConsistLlistAndUpdateFile();
    return row;
}

Item* CMySuperGrid::HowToInsertItemsAfterTheGridHasBeenInitialized(
    int item, const CString& name, const RES_DISCOVER_OVEL* rec)
{
    return InsertDevice(GetTreeItem(item), name, rec);
}

Item* CMySuperGrid::InsertOvelNodeOfListCtrl(Item* pParent, const RES_DISCOVER_OVEL* rec)
{
    if (!pParent || !rec)
        return nullptr;
    auto* info = new CItemInfo;
    FillFromDiscovery(info, rec);
    info->SetItemText(DottedIp(rec->ipAddress));
    info->SetImage(IMAGE_SEEN);
    info->m_bOnline = true;
    // Found, not saved: the file does not change.
    Item* row = InsertItem(pParent, info, TRUE);
    if (!row)
        delete info;
    return row;
}

CItemInfo* CMySuperGrid::InsertDVR(const RES_DISCOVER_OVEL* rec, const CString& name)
{
    if (!rec || !m_pMyRoot)
        return nullptr;
    if (Item* same = CheckSameItem(rec)) {
        ModifyNodeOfTreeCtrl(same, rec, true, false);
        if (m_nTreeNo == 2)
            MorrikMessageBox(IDS_TREE_DVR_EXISTS);
        return nullptr;
    }
    // The selected folder of "My DVR", else its root: a saved device never
    // goes under the local area or a registration server.
    Item* parent = m_pMyRoot;
    Item* selected = GetTreeItem(GetSelectedItem());
    if (selected && selected->m_lpNodeInfo && selected->m_lpNodeInfo->m_bFolder
        && !selected->m_lpNodeInfo->m_nChannel && GetRootItem(selected) == m_pMyRoot)
        parent = selected;
    const CString base = name.IsEmpty() ? DottedIp(rec->ipAddress) : name;
    CString unique = base;
    for (int n = 2; ChildWithText(parent, unique, nullptr); ++n)
        unique.Format("%s(%d)", base.GetString(), n);
    Item* row = InsertDevice(parent, unique, rec);
    if (!row)
        return nullptr;
    DeleteCamNotRoot(rec->ipAddress, int(PortOrDefault(rec->port)));
    SetBar(row);
    CItemInfo* info = row->m_lpNodeInfo;
    info->m_bFolder = false;
    info->m_bOnline = false;
    info->m_bYemFolder = 0;
    info->m_bGroupFolder = 0;
    info->m_bInFile = true;
    return info;
}

// --- Matching -----------------------------------------------------------------------

Item* CMySuperGrid::SearchMacOfMyTreeCtrl(const RES_DISCOVER_OVEL* rec) const
{
    return rec ? FirstRow(m_pMyRoot,
               [&](const CItemInfo& row) { return IsDeviceRow(&row) && MatchesReply(row, *rec, true); })
               : nullptr;
}

Item* CMySuperGrid::SearchMacOfMyTreeCtrl(const Item* other) const
{
    const CItemInfo* key = GetItemInfo(other);
    if (!key)
        return nullptr;
    return FirstRow(m_pMyRoot, [&](const CItemInfo& row) {
        if (!IsDeviceRow(&row) || &row == key)
            return false;
        return (row.m_dwIp == key->m_dwIp && row.m_dwConfigPort == key->m_dwConfigPort)
            || (IsMacSet(key->m_byMac) && std::memcmp(row.m_byMac, key->m_byMac, 6) == 0);
    });
}

Item* CMySuperGrid::SearchMacOfNotTreeCtrl(const RES_DISCOVER_OVEL* rec) const
{
    return rec ? FirstRow(m_pLocalRoot,
               [&](const CItemInfo& row) { return IsDeviceRow(&row) && MatchesReply(row, *rec, false); })
               : nullptr;
}

Item* CMySuperGrid::SearchMacOfYemTreeCtrl(const RES_DISCOVER_OVEL* rec) const
{
    return rec ? FirstRow(m_pYemRoot,
               [&](const CItemInfo& row) { return IsDeviceRow(&row) && MatchesReply(row, *rec, true); })
               : nullptr;
}

Item* CMySuperGrid::CheckSameItem(const RES_DISCOVER_OVEL* rec) const
{
    if (!rec)
        return nullptr;
    return FirstRow(m_pMyRoot, [&](const CItemInfo& row) {
        if (!IsDeviceRow(&row))
            return false;
        if (rec->serial[0] && IsMacSet(row.m_byMac))
            return std::memcmp(row.m_byMac, rec->mac, 6) == 0;
        return row.m_dwIp == rec->ipAddress && row.m_dwConfigPort == PortOrDefault(rec->port);
    });
}

Item* CMySuperGrid::CheckSameIp(UINT ip, int* answer)
{
    Item* row
        = FirstRow(m_pMyRoot, [&](const CItemInfo& info) { return IsDeviceRow(&info) && info.m_dwIp == ip; });
    if (!row) {
        *answer = 2;
        return nullptr;
    }
    const UINT text = m_nTreeNo == 2 ? IDS_TREE_DVR_EXISTS : IDS_TREE_CAMERA_EXISTS;
    if (MorrikMessageBox(text, MB_YESNO) == IDYES) {
        *answer = 0;
        return row;
    }
    *answer = 1;
    return nullptr;
}

// --- Discovery replies ------------------------------------------------------------------

void CMySuperGrid::ModifyNodeOfTreeCtrl(Item* row, const RES_DISCOVER_OVEL* rec, bool saved, bool)
{
    CItemInfo* info = GetItemInfo(row);
    if (!info || !rec)
        return;
    bool changed = false;
    auto take = [&](auto& field, const auto& value) {
        if (std::memcmp(field, value, sizeof field) != 0) {
            std::memcpy(field, value, sizeof field);
            changed = true;
        }
    };
    auto takeText = [&](auto& field, const auto& value) {
        char fresh[sizeof field];
        CutText(fresh, sizeof fresh, FieldText(value).GetString());
        take(field, fresh);
    };
    takeText(info->m_szModel, rec->model);
    takeText(info->m_szVersion1, rec->version1);
    takeText(info->m_szVersion2, rec->version2);
    take(info->m_szSerial, rec->serial);
    takeText(info->m_szText, rec->title);
    take(info->m_byMac, rec->mac);
    if (info->m_dwIp != rec->ipAddress) {
        info->m_dwIp = rec->ipAddress;
        changed = true;
    }
    if (!(info->m_bLookup && info->m_szAddress[0]))
        CutText(info->m_szAddress, DottedIp(rec->ipAddress).GetString());
    FormatMac(rec->mac, info->m_szMacText);
    if (rec->port && rec->port != info->m_dwConfigPort) {
        info->m_dwConfigPort = info->m_dwService1Port = info->m_dwService2Port = rec->port;
        changed = true;
    }
    info->m_bOnline = true;
    if (saved) {
        if (m_nOwnerMode != 2)
            info->SetImage(IMAGE_SEEN);
        info->m_bInFile = true;
    } else {
        info->SetImage(IMAGE_SEEN);
        info->m_bInFile = false;
        info->m_bLookup = 0;
        info->SetItemText(DottedIp(rec->ipAddress));
        info->m_szLookupServer[0] = 0;
        std::memset(info->m_byGroupId, 0, sizeof info->m_byGroupId);
    }
    ShowKey(info);
    RefreshRow(row);
    // Only saved rows are in the file.
    if (changed && saved)
        ConsistLlistAndUpdateFile();
}

void CMySuperGrid::ResDiscoverProc(const RES_DISCOVER_OVEL* rec)
{
    if (!rec || m_bSampleTree)
        return;
    m_bChangePending = 1;
    Item* saved = SearchMacOfMyTreeCtrl(rec);
    if (!saved) {
        if (Item* found = SearchMacOfNotTreeCtrl(rec))
            ModifyNodeOfTreeCtrl(found, rec, false, false);
        else if (m_pLocalRoot)
            InsertOvelNodeOfListCtrl(m_pLocalRoot, rec);
        return;
    }
    // The registration server owns the address of a device looked up there.
    if (saved->m_lpNodeInfo->m_bLookup)
        return;
    ModifyNodeOfTreeCtrl(saved, rec, true, false);
    if (m_bLastCamSearch && MacText(rec->mac) == m_strFindMac)
        m_bLastCamSearch = false;
}

BOOL CMySuperGrid::SelectIpChange(const RES_DISCOVER_OVEL* rec)
{
    if (!rec || !m_bWaitIpChange || DottedIp(rec->ipAddress) != m_strWaitIp)
        return FALSE;
    m_bWaitIpChange = false;
    return TRUE;
}

void CMySuperGrid::SendIpMsgOfMyOvel()
{
    if (m_bMyRootOnly || !m_pOwner)
        return;
    EachRow(m_pMyRoot, [&](Item* row) {
        CItemInfo* info = row->m_lpNodeInfo;
        if (!IsDeviceRow(info))
            return;
        if (!info->m_bLookup) {
            m_pOwner->ReqUniQuestMsg(DottedIp(info->m_dwIp));
            return;
        }
        // A looked-up device is asked at the address the lookup gave last.
        if (!m_bLookupDone)
            ReqFindMsg(info);
        m_pOwner->ReqUniQuestMsg(FieldText(info->m_szAddress));
    });
}

void CMySuperGrid::ResetCamOfRoots()
{
    for (Item* root : { m_pMyRoot, m_pLocalRoot })
        EachRow(root, [](Item* row) {
            if (row->m_lpNodeInfo && !row->m_lpNodeInfo->m_bFolder)
                row->m_lpNodeInfo->m_bOnline = false;
        });
}

void CMySuperGrid::ConfirmCamOfRoots()
{
    if (m_nOwnerMode != 2)
        EachRow(m_pMyRoot, [](Item* row) {
            if (IsDeviceRow(row->m_lpNodeInfo) && !row->m_lpNodeInfo->m_bOnline)
                row->m_lpNodeInfo->SetImage(IMAGE_NOT_SEEN);
        });
    // Found devices that no longer answer leave the local area.
    if (!m_pLocalRoot)
        return;
    std::vector<Item*> gone;
    EachRow(m_pLocalRoot, [&](Item* row) {
        if (IsDeviceRow(row->m_lpNodeInfo) && !row->m_lpNodeInfo->m_bOnline)
            gone.push_back(row);
    });
    for (Item* row : gone)
        if (OnDeleteItem(row, GetCurIndex(row)))
            DeleteItem(row, GetCurIndex(row), FALSE);
    InvalidateList();
}

// --- The registration servers --------------------------------------------------------------

Item* CMySuperGrid::SearchYemParent(const ZPT_NODE* node) const
{
    if (!node)
        return nullptr;
    const CString server = FieldText(node->szServer);
    // A group id keeps the first 16 bytes of the group's name.
    const CString group(node->szName, int(strnlen(node->szName, sizeof(CItemInfo::m_byGroupId))));
    return FirstRow(m_pYemRoot, [&](const CItemInfo& row) {
        return row.m_bGroupFolder && FieldText(row.m_szLookupServer) == server && GroupIdText(row) == group;
    });
}

Item* CMySuperGrid::ExistYemItem(const ZPT_NODE* node, const Item* folder) const
{
    if (!node || !folder)
        return nullptr;
    const CString mac = Upper(FieldText(node->szMac));
    for (Item* child : folder->m_listChild)
        if (child->m_lpNodeInfo && Upper(FieldText(child->m_lpNodeInfo->m_szMacText)) == mac)
            return child;
    return nullptr;
}

void CMySuperGrid::ModifyYem(Item* row, const ZPT_NODE* node)
{
    CItemInfo* info = row->m_lpNodeInfo;
    if (info->GetItemText().IsEmpty())
        info->SetItemText(YemRowText(*node));
    CopyText(info->m_szModel, node->szModel);
    CopyText(info->m_szSerial, node->szKey32);
    CopyText(info->m_szAddress, node->szAddress);
    CopyText(info->m_szMacText, node->szMac);
    CopyText(info->m_szText, node->szText256);
    ZptKey(*node, &info->m_dwIp, info->m_byMac);
    const uint32_t port = node->dwPort ? node->dwPort : 80;
    info->m_dwConfigPort = info->m_dwService1Port = info->m_dwService2Port = port;
    ShowKey(info);
    RefreshRow(row);
}

Item* CMySuperGrid::HowToInsertYemItem(Item* folder, const ZPT_NODE* node)
{
    const CItemInfo* group = folder->m_lpNodeInfo;
    auto* info = new CItemInfo;
    info->SetItemText(YemRowText(*node));
    info->SetImage(IMAGE_SEEN);
    info->m_bLookup = 1;
    std::memcpy(info->m_szLookupServer, group->m_szLookupServer, sizeof info->m_szLookupServer);
    std::memcpy(info->m_byGroupId, group->m_byGroupId, sizeof info->m_byGroupId);
    CopyText(info->m_szAddress, node->szAddress);
    CopyText(info->m_szMacText, node->szMac);
    CopyText(info->m_szModel, node->szModel);
    CopyText(info->m_szSerial, node->szKey32);
    ZptKey(*node, &info->m_dwIp, info->m_byMac);
    info->m_dwConfigPort = node->dwPort ? node->dwPort : DEFAULT_CONFIG_PORT;
    info->m_dwService1Port = node->dwPort ? node->dwPort : DEFAULT_SERVICE1_PORT;
    info->m_dwService2Port = node->dwPort ? node->dwPort : DEFAULT_SERVICE2_PORT;
    info->m_bOnline = true;
    info->m_nTreeNo = m_nTreeNo;
    ShowKey(info);
    Item* row = InsertItem(folder, info, TRUE);
    if (!row)
        delete info;
    return row;
}

void CMySuperGrid::ModifyYemNodeOfMyTreeCtrl(Item* saved, const CItemInfo& yem)
{
    CItemInfo* info = saved->m_lpNodeInfo;
    info->m_bLookup = 1;
    info->m_bYemFolder = info->m_bGroupFolder = 0;
    std::memcpy(info->m_szLookupServer, yem.m_szLookupServer, sizeof info->m_szLookupServer);
    std::memcpy(info->m_byGroupId, yem.m_byGroupId, sizeof info->m_byGroupId);
    std::memcpy(info->m_byGroupRest, yem.m_byGroupRest, sizeof info->m_byGroupRest);
    std::memcpy(info->m_szAddress, yem.m_szAddress, sizeof info->m_szAddress);
    std::memcpy(info->m_szMacText, yem.m_szMacText, sizeof info->m_szMacText);
    info->m_dwIp = yem.m_dwIp;
    std::memcpy(info->m_byMac, yem.m_byMac, 6);
    std::memcpy(info->m_szText, yem.m_szText, sizeof info->m_szText);
    for (auto [mine, theirs] : { std::pair { &info->m_dwConfigPort, yem.m_dwConfigPort },
             std::pair { &info->m_dwService1Port, yem.m_dwService1Port },
             std::pair { &info->m_dwService2Port, yem.m_dwService2Port } })
        if (*mine == 0)
            *mine = theirs;
    std::memset(info->m_szModel, 0, sizeof info->m_szModel);
    ShowKey(info);
    RefreshRow(saved);
}

void CMySuperGrid::RetYemMsg(const ZPT_NODE* node)
{
    if (!node || m_bYemQuery || m_bSampleTree)
        return;
    Item* folder = SearchYemParent(node);
    if (!folder)
        return;
    if (Item* row = ExistYemItem(node, folder)) {
        ModifyYem(row, node);
    } else if (Item* added = HowToInsertYemItem(folder, node)) {
        if (Item* saved = SearchMacOfMyTreeCtrl(added)) {
            ModifyYemNodeOfMyTreeCtrl(saved, *added->m_lpNodeInfo);
            ConsistLlistAndUpdateFile();
        } else {
            RedrawTree();
        }
    }
    ModifyCamIp(node);
}

void CMySuperGrid::ModifyCamIp(const ZPT_NODE* node)
{
    if (!node)
        return;
    uint32_t ip = 0;
    uint8_t mac[6];
    ZptKey(*node, &ip, mac);
    if (!IsMacSet(mac))
        return;
    Item* row = FirstRow(m_pMyRoot,
        [&](const CItemInfo& info) { return IsDeviceRow(&info) && std::memcmp(info.m_byMac, mac, 6) == 0; });
    if (!row)
        return;
    CItemInfo* info = row->m_lpNodeInfo;
    info->m_dwIp = ip;
    std::memset(info->m_szAddress, 0, sizeof info->m_szAddress);
    std::memcpy(info->m_szAddress, node->szAddress, strnlen(node->szAddress, sizeof node->szAddress));
    CopyText(info->m_szLookupServer, node->szServer);
    std::memcpy(info->m_byGroupId, node->szName, sizeof info->m_byGroupId);
    info->SetIp(m_nTreeNo);
    ShowKey(info);
    RefreshRow(row);
}

void CMySuperGrid::ModifyYemNodeOfTreeCtrl(Item* row, const RES_DISCOVER_OVEL* rec)
{
    CItemInfo* info = row->m_lpNodeInfo;
    info->m_bOnline = true;
    if (m_nOwnerMode != 2)
        info->SetImage(IMAGE_SEEN);
    CopyText(info->m_szModel, rec->model);
    CopyText(info->m_szVersion1, rec->version1);
    CopyText(info->m_szVersion2, rec->version2);
    std::memcpy(info->m_szSerial, rec->serial, sizeof info->m_szSerial);
    CopyText(info->m_szText, rec->title);
    info->m_dwIp = rec->ipAddress;
    std::memcpy(info->m_byMac, rec->mac, 6);
    CutText(info->m_szAddress, DottedIp(rec->ipAddress).GetString());
    FormatMac(rec->mac, info->m_szMacText);
    info->m_dwConfigPort = rec->port ? rec->port : DEFAULT_CONFIG_PORT;
    info->m_dwService1Port = rec->port ? rec->port : DEFAULT_SERVICE1_PORT;
    info->m_dwService2Port = rec->port ? rec->port : DEFAULT_SERVICE2_PORT;
    ShowKey(info);
    RefreshRow(row);
}

void CMySuperGrid::SetYemItem(const RES_DISCOVER_OVEL* rec)
{
    if (!rec || m_bSampleTree)
        return;
    if (Item* saved = SearchMacOfMyTreeCtrl(rec)) {
        ModifyYemNodeOfTreeCtrl(saved, rec);
        saved->m_lpNodeInfo->SetIp(m_nTreeNo);
    }
    if (Item* yem = SearchMacOfYemTreeCtrl(rec))
        ModifyYemNodeOfTreeCtrl(yem, rec);
}

void CMySuperGrid::SendYemMsg()
{
    // A new round of lists: what the server sends now is wanted.
    m_bYemQuery = false;
    if (!m_pOwner)
        return;
    EachRow(m_pYemRoot, [&](Item* row) {
        const CItemInfo* info = row->m_lpNodeInfo;
        if (info && info->m_bGroupFolder)
            m_pOwner->ReqListMsg(FieldText(info->m_szLookupServer), GroupIdText(*info));
    });
}

void CMySuperGrid::DeleteYemItem(Item* folder)
{
    DeleteChildren(folder);
}

void CMySuperGrid::DeleteYem()
{
    std::vector<Item*> groups;
    EachRow(m_pYemRoot, [&](Item* row) {
        if (row->m_lpNodeInfo && row->m_lpNodeInfo->m_bGroupFolder)
            groups.push_back(row);
    });
    for (Item* group : groups)
        DeleteYemItem(group);
}

void CMySuperGrid::OpenYemServer()
{
    if (m_bYemExpand && m_pYemRoot && IsCollapsed(m_pYemRoot) && GetCurIndex(m_pYemRoot) >= 0)
        Expand(m_pYemRoot, GetCurIndex(m_pYemRoot));
}

void CMySuperGrid::SetYemCam() { }

} // namespace morrik
