#include "controls/SkinSliderCtrl.h"

#include "platform/base/Services.h"

#include <cstring>

namespace
{

constexpr int kShade = 51;
constexpr int kFontHeight = 11;

int ChannelLighter(int c)
{
    return c + kShade <= 255 ? c + kShade : c;
}

int ChannelDarker(int c)
{
    return c >= kShade ? c - kShade : c;
}

// Halving the signed difference, keeping the low eight bits.
int ChannelMix(int from, int to)
{
    return (from + (to - from) / 2) & 0xFF;
}

void Recreate(CPen& pen, COLORREF color)
{
    pen.DeleteObject();
    pen.CreatePen(PS_SOLID, 1, color);
}

} // namespace

COLORREF CSkinSliderCtrl::Lighter(COLORREF c)
{
    return RGB(ChannelLighter(GetRValue(c)), ChannelLighter(GetGValue(c)), ChannelLighter(GetBValue(c)));
}

COLORREF CSkinSliderCtrl::Darker(COLORREF c)
{
    return RGB(ChannelDarker(GetRValue(c)), ChannelDarker(GetGValue(c)), ChannelDarker(GetBValue(c)));
}

COLORREF CSkinSliderCtrl::Mix(COLORREF from, COLORREF to)
{
    return RGB(ChannelMix(GetRValue(from), GetRValue(to)), ChannelMix(GetGValue(from), GetGValue(to)),
        ChannelMix(GetBValue(from), GetBValue(to)));
}

CSkinSliderCtrl::CSkinSliderCtrl()
    : m_szFaceName { "MS Shell Dlg", "ＭＳ Ｐゴシック" }
    , m_crHighlight(GetSysColor(COLOR_HIGHLIGHT))
    , m_crChannel(RGB(255, 255, 255))
    , m_crBase(GetSysColor(COLOR_BTNFACE))
{
    // Japanese systems get their own dialog face.
    char language[64] = {};
    GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, language, sizeof language);
    m_nFace = std::strcmp(language, "Japanese") == 0 ? 1 : 0;
    UpdateShades();
}

CSkinSliderCtrl::~CSkinSliderCtrl() = default;

void CSkinSliderCtrl::UpdateShades()
{
    m_crLighter1 = Lighter(m_crBase);
    m_crLighter2 = Lighter(m_crLighter1);
    m_crDarker1 = Darker(m_crBase);
    m_crDarker2 = Darker(m_crDarker1);
    m_crShadow = Mix(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW));
    m_crDarkShadow = Mix(GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DDKSHADOW));
    m_crButtonHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    Recreate(m_penBase, m_crBase);
    Recreate(m_penLighter1, m_crLighter1);
    Recreate(m_penLighter2, m_crLighter2);
    Recreate(m_penDarker1, m_crDarker1);
    Recreate(m_penDarker2, m_crDarker2);
    Recreate(m_penOutline, RGB(40, 40, 40));
    Recreate(m_penShadow, m_crShadow);
    Recreate(m_penHighlight, m_crButtonHighlight);
}

void CSkinSliderCtrl::SetBaseColor(COLORREF color)
{
    m_crBase = color;
    UpdateShades();
}

void CSkinSliderCtrl::SetChannelColor(COLORREF color)
{
    m_crChannel = color;
    UpdateShades();
}

void CSkinSliderCtrl::SetHighlightColor(COLORREF color)
{
    m_crHighlight = color;
    UpdateShades();
    if (!m_hWnd)
        return;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EnableWindow(FALSE);
    EnableWindow(TRUE);
}

void CSkinSliderCtrl::MakeFont(CFont& font, int weight) const
{
    font.CreateFont(kFontHeight, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, GetFaceName());
}

void CSkinSliderCtrl::DrawChannel(CDC* pDC, const CRect& rect)
{
    if (!pDC)
        return;
    CRect channel = rect;
    channel.DeflateRect(1, 1);
    CBrush brush(m_crChannel);
    CPen* oldPen = pDC->SelectObject(&m_penOutline);
    CBrush* oldBrush = pDC->SelectObject(&brush);
    pDC->RoundRect(&channel, CPoint(2, 2));

    pDC->SelectObject(&m_penShadow);
    pDC->MoveTo(rect.left + 1, rect.bottom - 1);
    pDC->LineTo(rect.right - 1, rect.bottom - 1);
    const int middle = (rect.top + rect.bottom) / 2;
    pDC->MoveTo(rect.left + 1, middle);
    pDC->LineTo(rect.right - 1, middle);

    CFont font;
    MakeFont(font, FW_BOLD);
    CFont* oldFont = pDC->SelectObject(&font);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(6, 1, "+");
    pDC->TextOut(7, rect.bottom - 15, "-");
    pDC->SetBkMode(oldMode);
    pDC->SelectObject(oldFont);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}

void CSkinSliderCtrl::DrawThumb(CDC* pDC, const CRect& rect, LPCTSTR lpszLabel)
{
    if (!pDC)
        return;
    CPen pen(PS_SOLID, 1, RGB(20, 10, 90));
    CBrush brush(m_crBase);
    CPen* oldPen = pDC->SelectObject(&pen);
    CBrush* oldBrush = pDC->SelectObject(&brush);
    pDC->RoundRect(&rect, CPoint(2, 2));

    CRect face = rect;
    face.DeflateRect(1, 1);
    pDC->Draw3dRect(&face, m_crLighter1, m_crDarker1);
    pDC->SetPixel(face.left, face.top, m_crLighter2);
    pDC->SetPixel(face.right - 1, face.top, m_crBase);
    pDC->SetPixel(face.left, face.bottom - 1, m_crBase);
    pDC->SetPixel(face.right - 1, face.bottom - 1, m_crDarker2);

    CFont font;
    MakeFont(font, FW_NORMAL);
    CFont* oldFont = pDC->SelectObject(&font);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    if (lpszLabel)
        pDC->TextOut(6, rect.top + 2, lpszLabel);
    pDC->SetBkMode(oldMode);
    pDC->SelectObject(oldFont);
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}
