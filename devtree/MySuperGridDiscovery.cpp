// What the device tree does with discovery replies, registration-server
// records and the add-device dialog's answer.
#include "devtree/MySuperGrid.h"

#include "devtree/TreeFile.h"
#include "devtree/TreeStrings.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "platform/base/Services.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <strings.h>

namespace
{

CString Dotted(uint32_t ip)
{
    return FormatIpAddress(ip).c_str();
}

} // namespace

bool CMySuperGrid::MatchesReply(const CItemInfo* info, const RES_DISCOVER_OVEL& reply)
{
    if (info->m_bFolder)
        return false;
    const uint32_t port = reply.port ? reply.port : DEFAULT_CONFIG_PORT;
    const bool itemHasSerial = info->m_szSerial[0] != 0;
    const bool itemHasMac = IsMacAddressSet(info->m_byMac);
    if ((!itemHasSerial || !itemHasMac) && info->m_dwIpAddress == reply.ipAddress
        && info->m_dwConfigPort == port)
        return true;
    if (itemHasMac && IsMacAddressSet(reply.mac) && std::memcmp(info->m_byMac, reply.mac, 6) == 0)
        return true;
    return itemHasSerial && reply.serial[0]
        && std::strncmp(info->m_szSerial, reply.serial, sizeof(reply.serial)) == 0;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::SearchReply(CTreeItem* root, const RES_DISCOVER_OVEL& reply)
{
    if (!root)
        return nullptr;
    // Every device the reply can match is filed under one of its keys.
    const uint32_t port = reply.port ? reply.port : DEFAULT_CONFIG_PORT;
    std::vector<CTreeItem*> candidates = DeviceIndex().ByAddress(reply.ipAddress, port);
    if (IsMacAddressSet(reply.mac))
        for (CTreeItem* node : DeviceIndex().ByMac(reply.mac))
            candidates.push_back(node);
    for (CTreeItem* node : DeviceIndex().BySerial(reply.serial, sizeof(reply.serial)))
        candidates.push_back(node);
    return FirstUnder(
        root, candidates, [&](CTreeItem* node) { return MatchesReply(node->m_lpNodeInfo, reply); });
}

namespace
{

// What the tree file keeps of an item, to tell whether a reply changed it.
FILE_NODE SavedFields(const CItemInfo* info)
{
    FILE_NODE rec;
    std::memset(&rec, 0, sizeof rec);
    CMySuperGrid::FillFileNode(info, rec);
    return rec;
}

} // namespace

void CMySuperGrid::ModifyNodeOfTreeCtrl(CTreeItem* node, const RES_DISCOVER_OVEL& reply, int known,
    uint32_t httpPort, uint32_t streamPort, uint32_t configPort)
{
    CItemInfo* info = node->m_lpNodeInfo;
    const bool saved = TopOfNode(node) == m_pMyRoot;
    FILE_NODE before;
    if (saved)
        before = SavedFields(info);
    CopyField(info->m_szModel, reply.model);
    CopyField(info->m_szVersion1, reply.version1);
    CopyField(info->m_szVersion2, reply.version2);
    CopySerial(info->m_szSerial, reply.serial);
    CopyField(info->m_szInfo, reply.title);
    std::memcpy(info->m_byMac, reply.mac, 6);
    info->m_dwIpAddress = reply.ipAddress;
    CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), Dotted(reply.ipAddress));
    FormatMacText(reply.mac, info->m_szKey, sizeof(info->m_szKey));
    if (reply.port) {
        info->m_dwHttpPort = info->m_dwStreamPort = info->m_dwConfigPort = reply.port;
    } else {
        info->m_dwConfigPort = DEFAULT_CONFIG_PORT;
    }
    if (httpPort)
        info->m_dwHttpPort = httpPort;
    if (streamPort)
        info->m_dwStreamPort = streamPort;
    if (configPort)
        info->m_dwConfigPort = configPort;
    info->m_bOnline = 1;
    info->SetImage(TREE_IMAGE_ONLINE);
    if (known) {
        info->m_bKnown = 1;
    } else {
        info->m_bKnown = 0;
        info->m_bLookup = 0;
        info->SetItemText(info->m_szAddress);
        std::memset(info->m_szLookupHost, 0, sizeof(info->m_szLookupHost));
        std::memset(info->m_byLookup, 0, sizeof(info->m_byLookup));
        RepositionNode(node);
        RefreshRow(node);
    }
    ReindexNode(node);
    // Only "My DVR" is kept in the file, and only a change is written: a
    // known device answering as before costs no write.
    if (saved) {
        const FILE_NODE after = SavedFields(info);
        if (std::memcmp(&before, &after, sizeof before) != 0)
            MarkTreeChanged();
    }
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::InsertOvelNodeOfListCtrl(const RES_DISCOVER_OVEL& reply)
{
    if (!m_pLocalRoot || !LocalAreaHasRoom())
        return nullptr;
    auto info = std::make_unique<CItemInfo>();
    const CString name = Dotted(reply.ipAddress);
    info->SetItemText(name);
    info->m_dwFamily = m_nFamily;
    CopyField(info->m_szModel, reply.model);
    CopyField(info->m_szVersion1, reply.version1);
    CopyField(info->m_szVersion2, reply.version2);
    CopySerial(info->m_szSerial, reply.serial);
    CopyField(info->m_szInfo, reply.title);
    info->m_dwIpAddress = reply.ipAddress;
    std::memcpy(info->m_byMac, reply.mac, 6);
    CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), name);
    FormatMacText(reply.mac, info->m_szKey, sizeof(info->m_szKey));
    info->m_bOnline = 1;
    info->SetImage(TREE_IMAGE_ONLINE);
    if (reply.port) {
        info->m_dwHttpPort = info->m_dwStreamPort = info->m_dwConfigPort = reply.port;
    } else if (m_nFamily == DEVICE_FAMILY_STREAM_SERVER) {
        info->m_dwHttpPort = 80;
        info->m_dwStreamPort = 554;
        info->m_dwConfigPort = DEFAULT_CONFIG_PORT;
    } else {
        info->m_dwHttpPort = 8001;
        info->m_dwStreamPort = 8105;
        info->m_dwConfigPort = DEFAULT_CONFIG_PORT;
    }
    const int rootRow = RowOfNode(m_pLocalRoot);
    CTreeItem* node = InsertNode(m_pLocalRoot, info.get(), rootRow >= 0 && !m_pLocalRoot->m_bHideChildren);
    if (node)
        info.release();
    return node;
}

void CMySuperGrid::ResDiscoverProc(const RES_DISCOVER_OVEL* reply)
{
    if (!reply)
        return;
    m_bRedrawNeeded = 1;
    if (m_bExpectChange && reply->ipAddress == m_dwExpectedAddress) {
        // The device answers at the address it was given.
        m_bExpectChange = 0;
        ChangedIpReply(reply);
        if (m_pOwnerView)
            m_pOwnerView->ClearAddressChanged();
        return;
    }
    if (CTreeItem* node = SearchReply(m_pMyRoot, *reply)) {
        const uint32_t oldPort = node->m_lpNodeInfo->m_dwConfigPort;
        ModifyNodeOfTreeCtrl(node, *reply, 1);
        char mac[24];
        FormatMacText(reply->mac, mac, sizeof(mac));
        const bool selected = SelectedNode() == node;
        if (m_bWaitSelection && std::strcmp(mac, m_szWaitMac) == 0) {
            m_bWaitSelection = 0;
            if (selected)
                SendDeviceUpdate(node, 1);
        } else if (selected && node->m_lpNodeInfo->m_dwConfigPort != oldPort) {
            // The login bar follows the port the device now answers on.
            SendDeviceUpdate(node, 0);
        }
        return;
    }
    if (CTreeItem* node = SearchReply(m_pLocalRoot, *reply))
        ModifyNodeOfTreeCtrl(node, *reply, 0);
    else
        InsertOvelNodeOfListCtrl(*reply);
}

void CMySuperGrid::ChangedIpReply(const RES_DISCOVER_OVEL* reply)
{
    if (!reply)
        return;
    for (CTreeItem* root : { m_pMyRoot, m_pLocalRoot }) {
        CTreeItem* node = SearchReply(root, *reply);
        if (!node)
            continue;
        ModifyNodeOfTreeCtrl(node, *reply, root == m_pMyRoot ? 1 : 0);
        FlushTreeFile();
        if (node == m_pCurrentItem || node == SelectedNode()) {
            auto rec = std::make_unique<SELECTED_DEVICE>();
            BuildSelectedDevice(node->m_lpNodeInfo, rec.get());
            if (node->m_lpNodeInfo->m_bLookup)
                FormatMacText(node->m_lpNodeInfo->m_byMac, rec->szKey, sizeof(rec->szKey));
            SendToOwner(WM_DEVICE_UPDATE, WPARAM(rec.get()), 0);
        }
    }
}

void CMySuperGrid::SendDeviceUpdate(CTreeItem* node, LPARAM setAddress)
{
    auto rec = std::make_unique<SELECTED_DEVICE>();
    BuildSelectedDevice(node->m_lpNodeInfo, rec.get());
    rec->bMacText = 1;
    SendToOwner(WM_DEVICE_UPDATE, WPARAM(rec.get()), setAddress);
}

void CMySuperGrid::StoreLookupAnswer(CItemInfo* info, const char* address)
{
    if (!info || !address)
        return;
    m_bLookupPending = 0;
    CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), address);
    // First octet in the most significant byte, as every reader of the
    // number expects.
    info->m_dwIpAddress = ParseIpAddress(info->m_szAddress);
    ReindexInfo(info);
    if (info->m_bKnown)
        UpdateDeviceIpInFile(TreeFilePath(), ItemKey(info), info->m_dwIpAddress);
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::AddDevice(const AddDeviceResult& result)
{
    CTreeItem* selected = SelectedNode();
    if (!selected)
        return nullptr;
    CTreeItem* parent = selected->m_lpNodeInfo->m_bFolder ? selected : selected->m_pParent;
    if (!parent || TopOfNode(parent) != m_pMyRoot)
        return nullptr;
    const uint32_t http = result.httpPort;
    const uint32_t stream = result.streamPort;
    const uint32_t config = result.configPort ? result.configPort : DEFAULT_CONFIG_PORT;

    CTreeItem* node = SearchReply(m_pMyRoot, result.reply);
    if (node && !result.probed && result.reply.ipAddress == 0)
        node = nullptr;
    if (node) {
        if (result.probed) {
            ModifyNodeOfTreeCtrl(node, result.reply, 1, http, stream, config);
            FlushTreeFile();
        }
        ShowAlreadyExists();
    } else {
        if (result.address.empty())
            return nullptr;
        CString name = Dotted(result.reply.ipAddress);
        for (int n = 2; ChildByText(parent, name); ++n) {
            name = Dotted(result.reply.ipAddress);
            name.AppendFormat("(%d)", n);
        }
        auto* info = new CItemInfo;
        info->SetItemText(name);
        CopyField(info->m_szModel, result.reply.model);
        CopyField(info->m_szVersion1, result.reply.version1);
        CopyField(info->m_szVersion2, result.reply.version2);
        CopySerial(info->m_szSerial, result.reply.serial);
        CopyField(info->m_szInfo, result.reply.title);
        info->m_dwIpAddress = result.reply.ipAddress;
        std::memcpy(info->m_byMac, result.reply.mac, 6);
        CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), Dotted(result.reply.ipAddress));
        info->m_dwHttpPort = http;
        info->m_dwStreamPort = stream;
        info->m_dwConfigPort = config;
        info->m_bOnline = result.probed ? 1 : 0;
        info->SetImage(result.probed ? TREE_IMAGE_ONLINE : TREE_IMAGE_OFFLINE);
        node = InsertDVR(parent, info);
        if (!node)
            return nullptr;
        DeleteCamNotRoot(result.reply.ipAddress);
    }
    SelectNode(node);
    SendIpMsgOfMyOvel();
    SendDeviceSelect(node->m_lpNodeInfo);
    return node;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::SearchYemParent(const ZPT_NODE& record)
{
    char server[65] = {};
    CopyField(server, record.szServer);
    CTreeItem* found = nullptr;
    ForEachNode(m_pServerRoot, [&](CTreeItem* node) {
        const CItemInfo* info = node->m_lpNodeInfo;
        if (info->m_bServer
            && (std::strcmp(info->m_szLookupHost, server) == 0 || info->GetItemText() == server))
            found = node;
        return !found;
    });
    return found;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::FindLookedUpDevice(const ZPT_NODE& record)
{
    char mac[25] = {};
    CopyField(mac, record.szMac);
    CTreeItem* found = nullptr;
    ForEachNode(m_pMyRoot, [&](CTreeItem* node) {
        const CItemInfo* info = node->m_lpNodeInfo;
        if (info->m_bFolder || !info->m_bLookup)
            return true;
        char key[25] = {};
        if (info->m_bKnown)
            FormatMacText(info->m_byMac, key, sizeof(key));
        else
            CopyField(key, info->m_szKey);
        if (key[0] && strcasecmp(key, mac) == 0)
            found = node;
        return !found;
    });
    return found;
}

void CMySuperGrid::RetYemMsg(ZPT_NODE* record)
{
    if (record && m_bLookupPending) {
        // The answer to a lookup of a "My DVR" device: where it is now.
        char address[25] = {};
        CopyField(address, record->szAddress);
        if (CTreeItem* device = FindLookedUpDevice(*record); device && address[0]) {
            StoreLookupAnswer(device->m_lpNodeInfo, address);
            RefreshRow(device);
            // The login bar and the next login go where the device is now.
            if (SelectedNode() == device)
                SendDeviceUpdate(device, 1);
        }
        return;
    }
    if (!record || !m_pServerRoot)
        return;
    CTreeItem* server = SearchYemParent(*record);
    if (!server)
        return;
    ParseDirectoryReply(record);
    char address[25] = {};
    CopyField(address, record->szAddress);
    char mac[25] = {};
    CopyField(mac, record->szMac);
    CTreeItem* device = nullptr;
    for (CTreeItem* child : server->m_listChild)
        if (!child->m_lpNodeInfo->m_bFolder && std::strcmp(child->m_lpNodeInfo->m_szKey, mac) == 0)
            device = child;
    const CItemInfo* serverInfo = server->m_lpNodeInfo;
    auto fill = [&](CItemInfo* info) {
        CopyField(info->m_szModel, record->szModel);
        CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), address);
        // First octet in the most significant byte, as every reader of the
        // number expects.
        info->m_dwIpAddress = ParseIpAddress(address);
        std::memcpy(info->m_byMac, record->byMac, 6);
        CItemInfo::SetText(info->m_szKey, sizeof(info->m_szKey), mac);
        CopyField(info->m_szLookupHost, serverInfo->m_szLookupHost);
        std::memcpy(info->m_byLookup, serverInfo->m_byLookup, 16);
        std::memcpy(info->m_byServerPassword, serverInfo->m_byServerPassword, 16);
        info->m_bLookup = 1; // transient: never saved
        info->m_bOnline = 1;
        info->SetImage(TREE_IMAGE_ONLINE);
    };
    if (device) {
        fill(device->m_lpNodeInfo);
        ReindexNode(device);
        RefreshRow(device);
    } else {
        auto info = std::make_unique<CItemInfo>();
        char name[48];
        CopyField(name, record->szName);
        info->SetItemText(name[0] ? name : address);
        info->m_dwFamily = m_nFamily;
        fill(info.get());
        if (InsertNode(server, info.get(), RowOfNode(server) >= 0 && !server->m_bHideChildren))
            info.release();
    }
    if (m_pOwnerView)
        m_pOwnerView->RegistrationAddress(address);
}
