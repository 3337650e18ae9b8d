#include "pages/common/ToolTipDlg.h"

#include "platform/base/Services.h"

#include <cstring>

namespace
{

constexpr COLORREF kHintColor = RGB(255, 255, 225);
constexpr DWORD kLocaleEnglishLanguage = 0x1001;

// A Japanese system gets a face that has its glyphs.
const char* HintFace()
{
    char language[64] = {};
    GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, kLocaleEnglishLanguage, language, sizeof language);
    return std::strcmp(language, "Japanese") == 0
        ? "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF"
        : "Arial";
}

} // namespace

BEGIN_MESSAGE_MAP(CToolTipDlg, CDialog)
ON_WM_PAINT()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CToolTipDlg::CToolTipDlg(CWnd* pParent)
    : CDialog(IDD, pParent)
{
}

BOOL CToolTipDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brush.CreateSolidBrush(kHintColor);
    return TRUE;
}

HBRUSH CToolTipDlg::OnCtlColor(CDC*, CWnd*, UINT)
{
    return static_cast<HBRUSH>(m_brush.GetSafeHandle());
}

void CToolTipDlg::OnPaint()
{
    CPaintDC dc(this);
    CFont font;
    font.CreateFont(-11, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, HintFace());
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    // One character more than the text, and a pixel above and below.
    CString measured = m_strText + "W";
    const CSize size = dc.GetTextExtent(measured);
    MoveWindow(m_nX, m_nY, size.cx, size.cy + 2, FALSE);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kHintColor);
    dc.TextOut(1, 0, m_strText);
    dc.SelectObject(oldFont);
}
