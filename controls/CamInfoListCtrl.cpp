#include "controls/CamInfoListCtrl.h"

#include "controls/DeviceInfoText.h"
#include "link/CurrentDevice.h"
#include "platform/base/String.h"
#include "platform/ui/DC.h"
#include "platform/ui/ImageList.h"
#include "resources/setup/Resource.h"

#include <algorithm>

namespace
{

// Titles come from the string table, so that a language pack names the rows.
void AddRow(CListCtrl& list, int row, UINT title, int image)
{
    const CString text = title ? LoadText(title) : CString();
    LVITEM item {};
    item.mask = LVIF_TEXT | (image >= 0 ? LVIF_IMAGE : 0);
    item.iItem = row;
    item.pszText = const_cast<char*>(text.GetString());
    item.iImage = image;
    list.InsertItem(&item);
}

// Half of it pads a label on the left, all of it each text on the right.
int InsetUnit(CDC* dc)
{
    return int(dc->GetTextExtent(" ").cx) * 2;
}

constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS;

} // namespace

BEGIN_MESSAGE_MAP(CCamInfoListCtrl, CListCtrl)
ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CCamInfoListCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    // Whatever the creator asked for, the rows are owner drawn in a report.
    ModifyListStyle(LVS_SMALLICON | LVS_SHOWSELALWAYS, LVS_REPORT | LVS_OWNERDRAWFIXED);
    return CListCtrl::PreCreateWindow(cs);
}

int CCamInfoListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_nValueColumnWidth = 360;
    m_nEditColumn = 1;
    return 0;
}

void CCamInfoListCtrl::InitColumns()
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    InsertColumn(0, LoadText(IDS_INFO_TITLE), LVCFMT_LEFT, 150);
    InsertColumn(1, LoadText(IDS_CONTENT_TITLE), LVCFMT_LEFT, m_nValueColumnWidth);
    const UINT titles[] = { IDS_ROW_MODEL, IDS_ROW_HW_VERSION, IDS_ROW_SW_VERSION, IDS_COLUMN_SERIAL,
        IDS_COLUMN_MAC, IDS_ROW_DESCRIPTION, IDS_COLUMN_ADDRESS, IDS_ROW_TIME, IDS_ROW_USERS };
    const int images[] = { 0, 0, 0, 0, 0, 9, 2, 1, 3 };
    for (int row = 0; row < 9; ++row)
        AddRow(*this, row, titles[row], images[row]);
    AddRow(*this, CAMINFO_ROW_CHANNELS, family == 4 ? IDS_ROW_CAMERAS : IDS_ROW_CHANNELS, 4);
    if (family == 4)
        return;
    if (family == 2) {
        AddRow(*this, 10, IDS_ROW_SECURITY, 8);
        AddRow(*this, 11, IDS_ROW_STREAMING_SERVER, 10);
        for (int row = 12; row <= 20; ++row)
            AddRow(*this, row, 0, -1);
    } else {
        AddRow(*this, 10, IDS_ROW_HDD, 5);
        AddRow(*this, 11, IDS_ROW_SECURITY, 8);
    }
}

void CCamInfoListCtrl::ShowCommonRows(const CAM_INFO_RECORD& info)
{
    SetItemText(0, 1, InfoFieldText(info.szModel, sizeof info.szModel).c_str());
    SetItemText(1, 1, InfoFieldText(info.szVersion1, sizeof info.szVersion1).c_str());
    SetItemText(2, 1, InfoFieldText(info.szVersion2, sizeof info.szVersion2).c_str());
    SetItemText(3, 1, InfoFieldText(info.szSerial, sizeof info.szSerial).c_str());
    SetItemText(4, 1, InfoMacText(info.byMac).c_str());
    SetItemText(
        CAMINFO_ROW_DESCRIPTION, 1, InfoFieldText(info.szDescription, sizeof info.szDescription).c_str());
    // First octet first, as every other address of the program.
    const std::string address = info.bHostName ? InfoFieldText(info.szHostName, sizeof info.szHostName)
                                               : InfoIpText(info.dwIpAddress);
    SetItemText(CAMINFO_ROW_IP, 1, address.c_str());
}

void CCamInfoListCtrl::ShowCamInfo(const CAM_INFO_RECORD& info)
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    ShowCommonRows(info);
    SetItemText(CAMINFO_ROW_TIME, 1,
        InfoTimeText(info.nDeviceTime, info.nGmtOffset, info.bDaylightSaving != 0, true).c_str());
    SetItemText(CAMINFO_ROW_USERS, 1, InfoUsersText(info.byUserPresent, info.szUserName, 4).c_str());
    SetItemText(CAMINFO_ROW_CHANNELS, 1, InfoCameraChannelsText(info.byChannelEnable, int(family)).c_str());
    const std::string security = InfoAddressFilterText(info.bAddressFilter);
    if (family == 2) {
        SetItemText(10, 1, security.c_str());
    } else {
        SetItemText(10, 1, InfoHddText(info.byHddStatus, info.bHddEnabled).c_str());
        SetItemText(11, 1, security.c_str());
    }
}

void CCamInfoListCtrl::ShowCamInfoEx(const CAM_INFO_RECORD& info, int channels)
{
    const uint32_t family = g_CurrentDevice.dwFamily;
    ShowCommonRows(info);
    SetItemText(CAMINFO_ROW_TIME, 1,
        InfoTimeText(info.nDeviceTime, info.nGmtOffset, info.bDaylightSaving != 0, false).c_str());
    SetItemText(CAMINFO_ROW_USERS, 1, InfoUsersText(info.byUserPresent, info.szUserName, 10).c_str());
    const int count = std::clamp(channels, 0, int(sizeof info.byChannelEnable) - 1);
    SetItemText(CAMINFO_ROW_CHANNELS, 1, InfoChannelsText(info.byChannelEnable, count, int(family)).c_str());
    if (GetItemCount() > 11) {
        SetItemText(10, 1, InfoHddText(info.byHddStatus, info.bHddEnabled).c_str());
        SetItemText(11, 1, InfoAddressFilterText(info.bAddressFilter).c_str());
    }
}

void CCamInfoListCtrl::SetContentRow(int index, const std::string& name, const std::string& videoType,
    const std::string& resolution, int videoValue1, int videoValue2, const std::string& audioType,
    int audioBitRate)
{
    if (index < 0 || index >= CAMINFO_MAX_CONTENTS)
        return;
    const std::string text
        = InfoContentText(name, videoType, resolution, videoValue1, videoValue2, audioType, audioBitRate);
    SetItemText(CAMINFO_ROW_FIRST_CONTENT + index, 1, text.c_str());
    // The value column only grows, to the widest content.
    const int wanted = TextWidth(text) + 20;
    if (wanted > m_nValueColumnWidth) {
        m_nValueColumnWidth = wanted;
        SetColumnWidth(1, wanted);
    }
}

void CCamInfoListCtrl::TrimContentRows(int count)
{
    const int keep = std::max(count, 1);
    for (int i = keep; i < CAMINFO_MAX_CONTENTS; ++i)
        DeleteItem(CAMINFO_ROW_FIRST_CONTENT + keep);
}

void CCamInfoListCtrl::ShowNoContent()
{
    SetItemText(CAMINFO_ROW_FIRST_CONTENT, 1, LoadText(IDS_NO_CONTENT));
}

int CCamInfoListCtrl::PageOfRow(int row, int family)
{
    if (family < 0 || family > 4)
        return -1;
    switch (row) {
    case CAMINFO_ROW_IP:
        return 2;
    case CAMINFO_ROW_TIME:
        return 1;
    case CAMINFO_ROW_USERS:
        return 3;
    case CAMINFO_ROW_CHANNELS:
        return 4;
    case 10:
        return family == 2 ? 7 : 5;
    case 11:
        return family == 2 ? 6 : 8;
    default:
        return -1;
    }
}

int CCamInfoListCtrl::TextWidth(const std::string& text) const
{
    return GetStringWidth(text.c_str());
}

COLORREF CCamInfoListCtrl::RowTextColor(int row, int family)
{
    if (row >= CAMINFO_ROW_IP)
        return GetSysColor(COLOR_HIGHLIGHT);
    if (row == CAMINFO_ROW_DESCRIPTION && family != int(DEVICE_FAMILY_DVR))
        return CAMINFO_DESCRIPTION_COLOR;
    return GetSysColor(COLOR_WINDOWTEXT);
}

void CCamInfoListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    auto* dc = static_cast<CDC*>(lpDrawItemStruct->hDC);
    const int row = int(lpDrawItemStruct->itemID);
    LVITEM item {};
    item.mask = LVIF_IMAGE | LVIF_STATE;
    item.iItem = row;
    item.stateMask = 0xFFFF;
    if (!GetItem(&item))
        return;
    const bool listFocused = m_hWnd && ::GetFocus() == m_hWnd;
    const bool highlighted = (item.state & LVIS_DROPHILITED)
        || ((item.state & LVIS_SELECTED) && (listFocused || (GetListStyle() & LVS_SHOWSELALWAYS)));

    CRect bounds, label, icon, client;
    GetItemRect(row, &bounds, LVIR_BOUNDS);
    GetItemRect(row, &label, LVIR_LABEL);
    GetItemRect(row, &icon, LVIR_ICON);
    GetListClientRect(&client);
    const int inset = InsetUnit(dc);
    const CString title = GetItemText(row, 0);

    CRect highlight = bounds;
    highlight.left = label.left;
    if (m_nHighlight == CAMINFO_HIGHLIGHT_LABEL) {
        highlight = label;
        const int width = int(dc->GetTextExtent(title).cx) + inset;
        if (label.left + width < label.right)
            highlight.right = label.left + width;
    } else if (m_nHighlight == CAMINFO_HIGHLIGHT_ROW) {
        highlight.right = client.right;
    }

    if (highlighted) {
        dc->SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
        dc->SetBkColor(GetSysColor(COLOR_HIGHLIGHT));
        dc->FillSolidRect(&highlight, GetSysColor(COLOR_HIGHLIGHT));
    } else {
        dc->SetTextColor(RowTextColor(row, int(g_CurrentDevice.dwFamily)));
        dc->SetBkColor(GetSysColor(COLOR_WINDOW));
        dc->FillSolidRect(&highlight, GetSysColor(COLOR_WINDOW));
    }
    dc->SetBkMode(TRANSPARENT);

    if (item.state & LVIS_STATEIMAGEMASK) {
        const int state = int((item.state & LVIS_STATEIMAGEMASK) >> 12);
        if (CImageList* states = GetImageList(LVSIL_STATE))
            states->Draw(dc, state - 1, CPoint(icon.left - m_stateImageSize.cx, icon.top), ILD_TRANSPARENT);
    }
    if (CImageList* images = GetImageList(LVSIL_SMALL); images && item.iImage >= 0)
        images->Draw(dc, item.iImage, icon.TopLeft(),
            ILD_TRANSPARENT | (highlighted ? ILD_BLEND50 : 0) | (item.state & LVIS_OVERLAYMASK));

    CRect text = label;
    text.left += inset / 2;
    text.right -= inset;
    dc->DrawText(title, -1, &text, kTextFormat | DT_LEFT);

    // The label alone is highlighted: the values keep the window's colours.
    if (m_nHighlight == CAMINFO_HIGHLIGHT_LABEL) {
        dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        dc->SetBkColor(GetSysColor(COLOR_WINDOW));
    }
    for (int col = 1; col < GetColumnCount(); ++col) {
        CRect cell;
        if (!GetSubItemRect(row, col, LVIR_BOUNDS, cell))
            continue;
        if (m_nHighlight == CAMINFO_HIGHLIGHT_LABEL)
            dc->FillSolidRect(&cell, GetSysColor(COLOR_WINDOW));
        LVCOLUMN column {};
        column.mask = LVCF_FMT;
        GetColumn(col, &column);
        cell.DeflateRect(inset, 0);
        dc->DrawText(GetItemText(row, col), -1, &cell, kTextFormat | ColumnTextAlignment(column.fmt));
    }

    if ((item.state & LVIS_FOCUSED) && listFocused)
        dc->DrawFocusRect(&highlight);
}
