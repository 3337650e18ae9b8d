// The current device's entry in the tree: what the views change of it after
// a login, an address change or a page's settings, kept in the tree file.
#include "devtree/MySuperGrid.h"

#include "devtree/TreeFile.h"
#include "link/ByteOrder.h"
#include "link/DeviceHelpers.h"

#include <cstring>

TreeItemKey CMySuperGrid::ItemKey(const CItemInfo* info)
{
    TreeItemKey key {};
    CopySerial(key.szSerial, info->m_szSerial);
    std::memcpy(key.byMac, info->m_byMac, 6);
    CopyFixedText(key.szAddress, sizeof(key.szAddress), info->m_szAddress, sizeof(info->m_szAddress));
    return key;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::FindCurrentItem(bool* underMyDvr)
{
    const SELECTED_DEVICE& current = g_CurrentDevice;
    const uint32_t port = current.dwConfigPort ? current.dwConfigPort : DEFAULT_CONFIG_PORT;
    std::vector<CTreeItem*> candidates = DeviceIndex().ByAddress(current.dwIpAddress, port);
    for (CTreeItem* node : DeviceIndex().ByMac(current.byMac))
        candidates.push_back(node);
    for (CTreeItem* root : { m_pMyRoot, m_pLocalRoot }) {
        CTreeItem* found = FirstUnder(root, candidates, [&](CTreeItem* node) {
            const CItemInfo* info = node->m_lpNodeInfo;
            if (info->m_bFolder)
                return false;
            // Without a serial or MAC the address and port tell the device.
            if (!info->m_szSerial[0] || !IsMacAddressSet(info->m_byMac))
                return info->m_dwIpAddress == current.dwIpAddress && info->m_dwConfigPort == port;
            return std::memcmp(info->m_byMac, current.byMac, 6) == 0;
        });
        if (found) {
            if (underMyDvr)
                *underMyDvr = root == m_pMyRoot;
            return found;
        }
    }
    return nullptr;
}

CSuperGridCtrl::CTreeItem* CMySuperGrid::FindLoggedInItem(bool* underMyDvr)
{
    // The selected row is the device of the login even when the login used
    // another port than the row knows, which the search by port would miss.
    CTreeItem* node = SelectedNode();
    if (node && node->m_lpNodeInfo && !node->m_lpNodeInfo->m_bFolder
        && node->m_lpNodeInfo->m_dwIpAddress == g_CurrentDevice.dwIpAddress) {
        if (underMyDvr)
            *underMyDvr = TopOfNode(node) == m_pMyRoot;
        return node;
    }
    return FindCurrentItem(underMyDvr);
}

bool CMySuperGrid::SetCurrentDevicePorts(uint32_t httpPort, uint32_t streamPort, uint32_t configPort)
{
    bool mine = false;
    CTreeItem* node = FindLoggedInItem(&mine);
    if (!node)
        return false;
    CItemInfo* info = node->m_lpNodeInfo;
    info->m_dwHttpPort = httpPort;
    info->m_dwStreamPort = streamPort;
    info->m_dwConfigPort = configPort;
    ReindexNode(node);
    return !mine
        || UpdateDevicePortsInFile(TreeFilePath(), ItemKey(info), httpPort, streamPort, configPort) >= 0;
}

bool CMySuperGrid::SetCurrentDeviceIp(uint32_t ipAddress)
{
    bool mine = false;
    CTreeItem* node = FindLoggedInItem(&mine);
    if (!node)
        return false;
    CItemInfo* info = node->m_lpNodeInfo;
    const TreeItemKey key = ItemKey(info); // as the file knows the device
    info->m_dwIpAddress = ipAddress;
    ReindexNode(node);
    return !mine || UpdateDeviceIpInFile(TreeFilePath(), key, ipAddress) >= 0;
}

bool CMySuperGrid::SetCurrentLookupSettings(const uint32_t lookup[4])
{
    bool mine = false;
    CTreeItem* node = FindLoggedInItem(&mine);
    if (!node)
        return false;
    for (int i = 0; i < 4; ++i)
        node->m_lpNodeInfo->SetLookupWord(i, lookup[i]);
    return !mine || UpdateLookupSettingsInFile(TreeFilePath(), ItemKey(node->m_lpNodeInfo), lookup) >= 0;
}

bool CMySuperGrid::SetCurrentInfoText(const char* text)
{
    CTreeItem* node = FindLoggedInItem(nullptr);
    if (!node)
        return false;
    CItemInfo::SetText(node->m_lpNodeInfo->m_szInfo, sizeof(node->m_lpNodeInfo->m_szInfo), text);
    return true;
}

void CMySuperGrid::DisconnectCurrentDevice()
{
    if (CTreeItem* node = FindCurrentItem(nullptr)) {
        node->m_lpNodeInfo->m_bOnline = 0;
        node->m_lpNodeInfo->SetImage(TREE_IMAGE_OFFLINE);
        RepaintRow(RowOfNode(node));
    }
}

bool CMySuperGrid::FindConnectedDevice(uint32_t ipAddress)
{
    const auto candidates = DeviceIndex().ByIp(ipAddress);
    for (CTreeItem* root : { m_pMyRoot, m_pLocalRoot })
        if (FirstUnder(root, candidates, [&](CTreeItem* node) {
                const CItemInfo* info = node->m_lpNodeInfo;
                return !info->m_bFolder && info->m_bOnline && info->GetImage() == TREE_IMAGE_ONLINE
                    && info->m_dwIpAddress == ipAddress;
            }))
            return true;
    return false;
}

void CMySuperGrid::SetChangedIp(uint32_t ipAddress)
{
    CTreeItem* node = SelectedNode();
    if (!node || node->m_lpNodeInfo->m_bFolder)
        return;
    CItemInfo* info = node->m_lpNodeInfo;
    info->m_dwIpAddress = ipAddress;
    CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), FormatIpAddress(ipAddress).c_str());
    if (TopOfNode(node) == m_pMyRoot)
        ConsistLlistAndUpdateFile();
}

void CMySuperGrid::RediscoverDevice(uint32_t ipAddress, uint8_t flag)
{
    m_dwExpectedAddress = ipAddress;
    m_bExpectChange = flag;
}

bool CMySuperGrid::SetLastCam(const char* serial, const uint8_t mac[6])
{
    CAM_SERIAL_MAC_INFO key {};
    if (serial)
        std::memcpy(key.szSerial, serial, strnlen(serial, sizeof(key.szSerial)));
    std::memcpy(key.byMac, mac, 6);
    return ::SetLastCam(TreeFilePath(), 0, key);
}
