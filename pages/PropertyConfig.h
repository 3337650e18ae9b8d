// The settings sheet: a child window of the configuration view without
// buttons of its own (every page has OK, Cancel and Apply), whose tabs show
// an icon chosen by the device family and recorder class.
#pragma once

#include "platform/ui/ImageList.h"
#include "platform/ui/PropertySheet.h"

class CPropertyConfig : public CPropertySheet
{
public:
    CPropertyConfig(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    CPropertyConfig(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertyConfig() override;

    BOOL OnInitDialog() override;
    // Places the active page under the tab rows.
    void PlaceActivePage();

protected:
    CImageList m_ImageList;
};

// Tab row height, and the page's room below the tabs.
constexpr int SHEET_TAB_HEIGHT = 20;
constexpr int SHEET_PAGE_WIDTH = 540;
constexpr int SHEET_HEIGHT = 643;
