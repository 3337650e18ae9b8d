#include "pages/PropertyConfig.h"

#include "link/CurrentDevice.h"
#include "pages/ConfigPage.h"
#include "pages/SheetAssembly.h"
#include "platform/ui/TabCtrl.h"
#include "resources/setup/Resource.h"

namespace
{

// The streaming server's screen-adjustment tab carries audio as well.
constexpr int kVideoAudioTab = 5;

} // namespace

CPropertyConfig::CPropertyConfig(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
}

CPropertyConfig::CPropertyConfig(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
}

CPropertyConfig::~CPropertyConfig() = default;

void CPropertyConfig::PlaceActivePage()
{
    CTabCtrl* pTab = GetTabControl();
    CPropertyPage* pPage = GetActivePage();
    if (!pTab || !pPage || !pPage->GetSafeHwnd())
        return;
    const int top = pTab->GetRowCount() * SHEET_TAB_HEIGHT + 5;
    pTab->SetItemSize(CSize(10, SHEET_TAB_HEIGHT));
    pPage->MoveWindow(0, top, SHEET_PAGE_WIDTH, SHEET_HEIGHT - top);
}

BOOL CPropertyConfig::OnInitDialog()
{
    const BOOL bResult = CPropertySheet::OnInitDialog();
    PlaceActivePage();

    CTabCtrl* pTab = GetTabControl();
    if (!pTab)
        return bResult;
    if (m_ImageList.Create(IDB_SMALL_ICONS, 16, 16, RGB(255, 255, 255)))
        pTab->SetImageList(&m_ImageList);
    const std::vector<int> icons = TabIconsFor(g_CurrentDevice.dwFamily, g_nRecorderModel);
    for (int tab = 0; tab < int(icons.size()) && tab < pTab->GetItemCount(); ++tab) {
        TCITEM item {};
        item.mask = TCIF_IMAGE;
        item.iImage = icons[tab];
        pTab->SetItem(tab, &item);
    }
    if (g_CurrentDevice.dwFamily == DEVICE_FAMILY_STREAM_SERVER && pTab->GetItemCount() > kVideoAudioTab) {
        CString caption;
        caption.LoadString(IDS_VIDEO_AUDIO_ADJUSTMENT);
        TCITEM item {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>(static_cast<LPCTSTR>(caption));
        pTab->SetItem(kVideoAudioTab, &item);
    }
    return bResult;
}
