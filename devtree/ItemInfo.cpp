#include "devtree/ItemInfo.h"

#include <cstring>

CItemInfo::CItemInfo(const CItemInfo& other) = default;
CItemInfo& CItemInfo::operator=(const CItemInfo& other) = default;

CString CItemInfo::GetSubItem(int index) const
{
    return index >= 0 && index < int(m_subItems.size()) ? m_subItems[size_t(index)] : CString();
}

void CItemInfo::SetSubItemText(int index, const CString& text)
{
    if (index < 0)
        return;
    if (index >= int(m_subItems.size()))
        m_subItems.resize(size_t(index) + 1);
    m_subItems[size_t(index)] = text;
}

int CItemInfo::GetSubItemImage(int index) const
{
    const auto it = m_subItemImages.find(index);
    return it == m_subItemImages.end() ? -1 : it->second;
}

COLORREF CItemInfo::GetCellColor(int index) const
{
    const auto it = m_cellColors.find(index);
    return it == m_cellColors.end() ? COLORREF(-1) : it->second;
}

CONTROLTYPE CItemInfo::GetControlType(int index) const
{
    const auto it = m_controlTypes.find(index);
    return it == m_controlTypes.end() ? -1 : it->second;
}

const std::vector<CString>* CItemInfo::GetListData(int index) const
{
    const auto it = m_listData.find(index);
    return it == m_listData.end() ? nullptr : &it->second;
}

void CItemInfo::SetText(char* field, size_t width, const char* text)
{
    if (width == 0)
        return;
    std::memset(field, 0, width);
    if (text)
        std::strncpy(field, text, width - 1);
}

uint32_t CItemInfo::LookupWord(int i) const
{
    uint32_t value = 0;
    std::memcpy(&value, m_byLookup + 4 * i, 4);
    return value;
}

void CItemInfo::SetLookupWord(int i, uint32_t value)
{
    std::memcpy(m_byLookup + 4 * i, &value, 4);
}
