// CSkinSliderCtrl: a slider painted by hand, a rounded channel marked "+"
// and "-" and a shaded thumb with a one-letter label. The lever dialogs use
// it as a painter only: they draw with it into their own paint DC.
#pragma once

#include "platform/ui/Controls.h"

class CSkinSliderCtrl : public CSliderCtrl
{
public:
    CSkinSliderCtrl();
    ~CSkinSliderCtrl() override;

    void SetBaseColor(COLORREF color);
    void SetChannelColor(COLORREF color);
    // The spare colour; a slider window is repainted and its state redrawn.
    void SetHighlightColor(COLORREF color);
    COLORREF GetBaseColor() const { return m_crBase; }
    COLORREF GetChannelColor() const { return m_crChannel; }
    COLORREF GetHighlightColor() const { return m_crHighlight; }

    void DrawChannel(CDC* pDC, const CRect& rect);
    void DrawThumb(CDC* pDC, const CRect& rect, LPCTSTR lpszLabel);

    // The thumb's shades: each channel moves by 51 when it stays within 0..255.
    static COLORREF Lighter(COLORREF color);
    static COLORREF Darker(COLORREF color);
    // Halfway from one colour to another, channel by channel.
    static COLORREF Mix(COLORREF from, COLORREF to);

    // The face the texts are drawn in.
    const char* GetFaceName() const { return m_szFaceName[m_nFace]; }

private:
    void UpdateShades();
    // A font of the chosen face, 11 pixels high.
    void MakeFont(CFont& font, int weight) const;

    CPen m_penBase;
    CPen m_penLighter1;
    CPen m_penLighter2;
    CPen m_penDarker1;
    CPen m_penDarker2;
    CPen m_penOutline;
    CPen m_penShadow;
    CPen m_penHighlight;
    const char* m_szFaceName[2];
    int m_nFace;
    COLORREF m_crHighlight;
    COLORREF m_crChannel;
    COLORREF m_crBase;
    COLORREF m_crLighter1 = 0;
    COLORREF m_crLighter2 = 0;
    COLORREF m_crDarker1 = 0;
    COLORREF m_crDarker2 = 0;
    COLORREF m_crShadow = 0;
    COLORREF m_crDarkShadow = 0;
    COLORREF m_crButtonHighlight = 0;
};
