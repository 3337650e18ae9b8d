// What the tree-in-list control knows of devices: the selection records it
// sends to its owner and the searches over the device branches.
#include "devtree/SuperGridCtrl.h"

#include "devtree/TreeFileIdentity.h"
#include "devtree/TreeStrings.h"
#include "platform/base/Services.h"

#include <cstring>
#include <memory>

LRESULT CSuperGridCtrl::SendToOwner(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND owner = m_hOwner ? m_hOwner : GetParentHandle();
    return owner ? ::SendMessage(owner, message, wParam, lParam) : 0;
}

void CSuperGridCtrl::BuildSelectedDevice(const CItemInfo* info, SELECTED_DEVICE* rec) const
{
    std::memset(rec, 0, sizeof(*rec));
    CItemInfo::SetText(rec->szName, sizeof(rec->szName), info->GetItemText());
    // A device that is offline and was never seen this run has no texts.
    if (info->m_bOnline || info->GetImage() != 3) {
        CItemInfo::SetText(rec->szModel, sizeof(rec->szModel), info->m_szModel);
        CItemInfo::SetText(rec->szVersion1, sizeof(rec->szVersion1), info->m_szVersion1);
        CItemInfo::SetText(rec->szVersion2, sizeof(rec->szVersion2), info->m_szVersion2);
        CItemInfo::SetText(rec->szInfo, sizeof(rec->szInfo), info->m_szInfo);
    }
    CopySerial(rec->szSerial, info->m_szSerial);
    rec->dwIpAddress = info->m_dwIpAddress;
    std::memcpy(rec->byMac, info->m_byMac, 6);
    if (info->m_szUser[0]) {
        rec->bPasswordSaved = 1;
        std::memcpy(rec->byPassword, info->m_byPassword, 16);
    }
    rec->bMacText = info->m_bKnown;
    rec->bLookup = info->m_bLookup;
    rec->dwStreamPort = info->m_dwStreamPort;
    rec->dwHttpPort = info->m_dwHttpPort;
    rec->dwConfigPort = info->m_dwConfigPort;
    CItemInfo::SetText(rec->szAddress, sizeof(rec->szAddress), info->m_szAddress);
    if (info->m_bLookup) {
        CItemInfo::SetText(rec->szLookupHost, sizeof(rec->szLookupHost), info->m_szLookupHost);
        for (int i = 0; i < 4; ++i)
            rec->dwLookup[i] = info->LookupWord(i);
        CItemInfo::SetText(rec->szKey, sizeof(rec->szKey), info->m_szKey);
    }
    rec->dwFamily = m_nFamily;
}

void CSuperGridCtrl::SendDeviceSelect(CItemInfo* lpInfo)
{
    if (!lpInfo)
        return;
    auto rec = std::make_unique<SELECTED_DEVICE>();
    BuildSelectedDevice(lpInfo, rec.get());
    SendToOwner(WM_DEVICE_SELECT, WPARAM(rec.get()), 0);
}

void CSuperGridCtrl::NotifySelection()
{
    CItemInfo* info = GetItemInfo(m_pCurItem);
    if (!info)
        SendToOwner(WM_DEVICE_CLEAR, 0, 0);
    else if (info->m_bFolder)
        SendToOwner(WM_DEVICE_CLEAR, WPARAM(m_pCurItem), 0);
    else
        SendDeviceSelect(info);
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::FindDeviceByAddress(
    const char* serial, const uint8_t* mac, uint32_t ipAddress, uint32_t port)
{
    (void)serial;
    (void)mac;
    return FindMyDevice(ipAddress, port, nullptr);
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::FindMyDevice(
    uint32_t ipAddress, uint32_t port, const CTreeItem* except)
{
    return FirstUnder(m_pMyRoot, m_deviceIndex.ByAddress(ipAddress, port), [&](const CTreeItem* node) {
        const CItemInfo* info = node->m_lpNodeInfo;
        return node != except && info && !info->m_bFolder && info->m_dwIpAddress == ipAddress
            && info->m_dwConfigPort == port;
    });
}

CSuperGridCtrl::CTreeItem* CSuperGridCtrl::FindDevice(const SELECTED_DEVICE* rec)
{
    if (!rec)
        return nullptr;
    const uint32_t port = rec->dwConfigPort ? rec->dwConfigPort : DEFAULT_CONFIG_PORT;
    return FindDeviceByAddress(rec->szSerial, rec->byMac, rec->dwIpAddress, port);
}

BOOL CSuperGridCtrl::IsGroupIdUsed(const CTreeItem* pParent, const char* groupId) const
{
    if (!pParent || !groupId)
        return FALSE;
    for (const CTreeItem* child : pParent->m_listChild) {
        char text[17] = {};
        std::memcpy(text, child->m_lpNodeInfo->m_byLookup, 16);
        if (std::strcmp(text, groupId) == 0) {
            AfxMessageBox(LoadText(IDS_GROUP_ID_EXISTS), MB_OK);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CSuperGridCtrl::IsServerUsed(const CTreeItem* pParent, const CItemInfo* lpInfo) const
{
    if (!pParent || !lpInfo)
        return FALSE;
    for (const CTreeItem* child : pParent->m_listChild)
        if (std::strcmp(child->m_lpNodeInfo->m_szLookupHost, lpInfo->GetItemText()) == 0) {
            AfxMessageBox(LoadText(IDS_SERVER_EXISTS), MB_OK);
            return TRUE;
        }
    return FALSE;
}

void CSuperGridCtrl::MarkFoldersClosed(CTreeItem* pItem)
{
    if (!pItem)
        return;
    for (CTreeItem* child : pItem->m_listChild) {
        if (child->m_lpNodeInfo && child->m_lpNodeInfo->m_bFolder)
            child->m_lpNodeInfo->m_bExpanded = 0;
        MarkFoldersClosed(child);
    }
}
