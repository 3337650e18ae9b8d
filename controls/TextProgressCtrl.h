// CTextProgressCtrl: a progress bar that paints itself, a bar of one colour
// over a background of another, with a centred text (its window text, or
// the position as a percentage) drawn once over each part in a colour that
// stands out there.
#pragma once

#include "platform/base/String.h"
#include "platform/ui/Controls.h"

class CTextProgressCtrl : public CProgressCtrl
{
public:
    CTextProgressCtrl();

    void SetBarColor(COLORREF color) { m_crBar = color; }
    COLORREF GetBarColor() const { return m_crBar; }
    void SetBgColor(COLORREF color) { m_crBackground = color; }
    COLORREF GetBgColor() const { return m_crBackground; }
    // The text's colour over the background.
    void SetTextColor(COLORREF color) { m_crText = color; }
    COLORREF GetTextColor() const { return m_crText; }
    // The text's colour over the bar.
    void SetTextBkColor(COLORREF color) { m_crTextOverBar = color; }
    COLORREF GetTextBkColor() const { return m_crTextOverBar; }

    void SetShowText(BOOL bShow);
    void SetRange(int nLower, int nUpper);
    // The previous position, or -1 without a window.
    int SetPos(int nPos);
    int GetPos() const { return m_nPos; }
    int OffsetPos(int nPos) { return SetPos(m_nPos + nPos); }
    int SetStep(int nStep);
    int StepIt() { return SetPos(m_nPos + m_nStepSize); }

    // How many pixels of a client `width` the bar fills at a position.
    int BarWidth(int width) const;

protected:
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    // The part of the way from the lower to the upper bound (0 when the
    // range is empty).
    double Fraction() const;

    int m_nPos = 0;
    int m_nStepSize = 1;
    int m_nMax = 100;
    int m_nMin = 0;
    CString m_strText;
    BOOL m_bShowText = TRUE;
    int m_nBarWidth = -1;
    COLORREF m_crBar;
    COLORREF m_crBackground;
    COLORREF m_crText;
    COLORREF m_crTextOverBar;
};
