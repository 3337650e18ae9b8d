#include "pages/Page1InfoList.h"

#include "controls/DeviceInfoText.h"
#include "controls/ListInPlaceEdit.h"
#include "link/CurrentDevice.h"
#include "pages/Page1CamInfo.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr UINT kInPlaceEditId = 4660;
// The device keeps 31 characters of a description.
constexpr size_t kDescriptionLength = 31;

} // namespace

BEGIN_MESSAGE_MAP(CPage1InfoList, CCamInfoListCtrl)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEditNotify)
END_MESSAGE_MAP()

void CPage1InfoList::ShowInfo(const CAMERA_INFO& info, int channelCount)
{
    CAM_INFO_RECORD r {};
    std::memcpy(r.szModel, info.szModel, sizeof r.szModel);
    std::memcpy(r.szVersion1, info.szVersion1, sizeof r.szVersion1);
    std::memcpy(r.szVersion2, info.szVersion2, sizeof r.szVersion2);
    std::memcpy(r.szSerial, info.szSerial, sizeof r.szSerial);
    r.dwIpAddress = info.dwIpAddress;
    std::memcpy(r.byMac, info.byMac, sizeof r.byMac);
    std::memcpy(r.szDescription, info.szInfo, sizeof r.szDescription);
    r.bHostName = info.bAddressText;
    std::memcpy(r.szHostName, info.szAddress, sizeof info.szAddress);
    r.nDeviceTime = info.nDeviceTime;
    r.nGmtOffset = info.nGmtOffset;
    r.bDaylightSaving = info.bDaylightSaving;
    std::memcpy(r.byUserPresent, info.byUserShown, sizeof info.byUserShown);
    std::memcpy(r.szUserName, info.szUserName, sizeof info.szUserName);
    std::memcpy(r.byChannelEnable, info.byChannelEnabled, sizeof r.byChannelEnable);
    // The disk value as the device sends it: first byte on or off, last
    // byte 0x80 when no disk is fitted.
    r.bHddEnabled = uint8_t(info.dwHdd >> 24);
    r.byHddStatus = (info.dwHdd & 0x80) ? 128 : uint8_t(info.dwHdd & 0xFF);
    r.bAddressFilter = info.bSecurity;
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR)
        ShowCamInfoEx(r, std::min(channelCount, 16));
    else
        ShowCamInfo(r);
}

void CPage1InfoList::SetContent(int index, const tagContentInfo& c)
{
    SetContentRow(index, InfoFieldText(c.szUrl, sizeof c.szUrl), InfoFieldText(c.szName, sizeof c.szName),
        InfoFieldText(c.szCodec, sizeof c.szCodec), int(c.dwValue1), int(c.dwValue2),
        InfoFieldText(c.szText, sizeof c.szText), int(c.dwValues[0]));
}

void CPage1InfoList::OnLButtonDown(UINT nFlags, CPoint point)
{
    LVHITTESTINFO hit {};
    hit.pt = point;
    SubItemHitTest(&hit);
    // A click beside the rows does nothing at all.
    if (hit.iItem < 0)
        return;
    // A recorder's description is not edited here.
    if (hit.iItem == CAMINFO_ROW_DESCRIPTION && hit.iSubItem == m_nEditColumn
        && g_CurrentDevice.dwFamily != DEVICE_FAMILY_DVR) {
        EditSubLabel(hit.iItem, hit.iSubItem);
        return;
    }
    CCamInfoListCtrl::OnLButtonDown(nFlags, point);
}

void CPage1InfoList::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    LVHITTESTINFO hit {};
    hit.pt = point;
    SubItemHitTest(&hit);
    const int page = hit.iItem >= 0 ? PageOfRow(hit.iItem, int(g_CurrentDevice.dwFamily)) : -1;
    if (page >= 0 && m_pPage && m_pPage->GetSheet())
        m_pPage->GetSheet()->SetActivePage(page);
    CCamInfoListCtrl::OnLButtonDblClk(nFlags, point);
}

CListInPlaceEdit* CPage1InfoList::EditSubLabel(int row, int column)
{
    if (!EnsureVisible(row, FALSE))
        return nullptr;
    CRect cell;
    if (!GetSubItemRect(row, column, LVIR_BOUNDS, cell))
        return nullptr;
    CRect client;
    GetClientRect(&client);
    cell.right = std::min(cell.left + GetColumnWidth(column), client.right);
    auto* edit = new CListInPlaceEdit(row, column, GetItemText(row, column));
    if (!edit->Create(
            WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_LEFT, cell, this, kInPlaceEditId)) {
        delete edit;
        return nullptr;
    }
    edit->SetFocus();
    return edit;
}

void CPage1InfoList::OnEndLabelEditNotify(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* info = reinterpret_cast<NMLVDISPINFO*>(pNMHDR);
    EndLabelEdit(info->item.iItem, info->item.pszText);
    *pResult = 0;
}

void CPage1InfoList::EndLabelEdit(int row, const char* text)
{
    if (!text || row != CAMINFO_ROW_DESCRIPTION || g_CurrentDevice.dwFamily == DEVICE_FAMILY_DVR)
        return;
    const std::string kept = std::string(text).substr(0, kDescriptionLength);
    SetItemText(row, 1, kept.c_str());
    if (m_pPage)
        m_pPage->SetDescription(kept.c_str());
}
