#include "explorer/ItemInfo.h"

#include <cstring>

namespace morrik
{

namespace
{

// Sets the entry of column i. Entries are made whole (never piecewise), so
// that no object of the standard library is exported with the class.
template <class Map, class Value> void Put(Map& map, int i, const Value& value)
{
    const auto it = map.find(i);
    if (it != map.end())
        it->second = value;
    else
        map.emplace(i, value);
}

} // namespace

void CItemInfo::SetControlType(CONTROLTYPE type, int i)
{
    Put(m_controlType, i, type);
}

void CItemInfo::SetSubItemImage(int i, int image)
{
    Put(m_subItemImages, i, image);
}

void CItemInfo::SetItemText(const CString& text, COLORREF color)
{
    m_strItemName = text;
    m_clf = color;
}

void CItemInfo::AddSubItemText(const CString& text, COLORREF color)
{
    Put(m_colors, int(m_SubItems.size()), color);
    m_SubItems.push_back(text);
}

void CItemInfo::SetSubItemText(int i, const CString& text)
{
    if (i < 0)
        return;
    if (i >= int(m_SubItems.size()))
        m_SubItems.resize(size_t(i) + 1);
    m_SubItems[size_t(i)] = text;
}

void CItemInfo::SetSubItemText(int i, const CString& text, COLORREF color)
{
    SetSubItemText(i, text);
    if (i >= 0)
        Put(m_colors, i, color);
}

void CItemInfo::SetSubItemText(int i, const CString& text, int image)
{
    SetSubItemText(i, text);
    if (i >= 0)
        Put(m_subItemImages, i, image);
}

CString CItemInfo::GetSubItem(int i) const
{
    return i >= 0 && i < int(m_SubItems.size()) ? m_SubItems[size_t(i)] : CString();
}

BOOL CItemInfo::GetControlType(int i, CONTROLTYPE& type) const
{
    const auto it = m_controlType.find(i);
    type = it == m_controlType.end() ? edit : it->second;
    return it != m_controlType.end();
}

void CItemInfo::SetListData(int i, const CStringList* list)
{
    Put(m_listdata, i, list ? *list : CStringList());
}

BOOL CItemInfo::GetListData(int i, const CStringList*& list) const
{
    const auto it = m_listdata.find(i);
    if (it == m_listdata.end())
        return FALSE;
    list = &it->second;
    return TRUE;
}

int CItemInfo::GetSubItemImage(int i) const
{
    const auto it = m_subItemImages.find(i);
    return it == m_subItemImages.end() ? -1 : it->second;
}

COLORREF CItemInfo::GetBkColor(int i) const
{
    const auto it = m_colors.find(i);
    return it == m_colors.end() ? COLORREF(-1) : it->second;
}

void CItemInfo::CopySubItemImageList(const CItemInfo* src)
{
    for (const auto& [i, image] : src->m_subItemImages)
        if (image != -1)
            Put(m_subItemImages, i, image);
}

void CItemInfo::CopyControls(const CItemInfo* src)
{
    for (int i = 0; i < src->GetItemCount(); ++i) {
        CONTROLTYPE type;
        if (src->GetControlType(i, type))
            Put(m_controlType, i, type);
        const CStringList* list = nullptr;
        if (src->GetListData(i, list))
            SetListData(i, list);
    }
}

void CItemInfo::CopyColors(const CItemInfo* src)
{
    for (const auto& [i, color] : src->m_colors)
        if (color != COLORREF(-1))
            Put(m_colors, i, color);
}

void CItemInfo::CopyObjects(const CItemInfo* src)
{
    if (!src || src == this)
        return;
    m_strItemName = src->m_strItemName;
    m_SubItems = src->m_SubItems;
    for (const auto& [i, type] : src->m_controlType) {
        Put(m_controlType, i, type);
        const CStringList* list = nullptr;
        if (src->GetListData(i, list))
            SetListData(i, list);
    }
    CopyColors(src);
    m_bCheck = src->m_bCheck;
    m_iImage = src->m_iImage;
    m_lParam = src->m_lParam;
    m_clf = src->m_clf;
    m_strName = src->m_strName;
    m_strExtra = src->m_strExtra;
    m_bFolder = src->m_bFolder;
    m_bOnline = src->m_bOnline;
    m_bInFile = src->m_bInFile;
    m_nChannel = src->m_nChannel;
    m_bExpanded = src->m_bExpanded;
    m_bLookup = src->m_bLookup;
    m_bYemFolder = src->m_bYemFolder;
    m_bGroupFolder = src->m_bGroupFolder;
    m_nTreeNo = src->m_nTreeNo;
    m_dwRecordNo = src->m_dwRecordNo;
    m_wKept = src->m_wKept;
    std::memcpy(m_szLookupServer, src->m_szLookupServer, sizeof m_szLookupServer);
    std::memcpy(m_byGroupId, src->m_byGroupId, sizeof m_byGroupId);
    std::memcpy(m_byGroupRest, src->m_byGroupRest, sizeof m_byGroupRest);
    std::memcpy(m_szLookupText2, src->m_szLookupText2, sizeof m_szLookupText2);
    if (!src->m_bFolder) {
        std::memcpy(m_szModel, src->m_szModel, sizeof m_szModel);
        std::memcpy(m_szVersion1, src->m_szVersion1, sizeof m_szVersion1);
        std::memcpy(m_szVersion2, src->m_szVersion2, sizeof m_szVersion2);
        std::memcpy(m_szSerial, src->m_szSerial, sizeof m_szSerial);
        m_dwIp = src->m_dwIp;
        std::memcpy(m_byMac, src->m_byMac, sizeof m_byMac);
        std::memcpy(m_szText, src->m_szText, sizeof m_szText);
        std::memcpy(m_szMacText, src->m_szMacText, sizeof m_szMacText);
        std::memcpy(m_szAddress, src->m_szAddress, sizeof m_szAddress);
        m_login = src->m_login;
        std::memcpy(m_service1, src->m_service1, sizeof m_service1);
        std::memcpy(m_service2, src->m_service2, sizeof m_service2);
        m_dwConfigPort = src->m_dwConfigPort;
        m_dwService1Port = src->m_dwService1Port;
        m_dwService2Port = src->m_dwService2Port;
    }
    CopySubItemImageList(src);
}

RowIdentity CItemInfo::Identity() const
{
    RowIdentity row {};
    std::memcpy(row.szSerial, m_szSerial, sizeof row.szSerial);
    std::memcpy(row.byMac, m_byMac, sizeof row.byMac);
    std::memcpy(row.szAddress, m_szAddress, sizeof row.szAddress - 1);
    row.dwConfigPort = m_dwConfigPort;
    return row;
}

void CItemInfo::GetPortNo(int kind, int* out) const
{
    if (kind == 1)
        *out = int(m_dwService1Port);
    else if (kind == 2)
        *out = int(m_dwService2Port);
}

} // namespace morrik
