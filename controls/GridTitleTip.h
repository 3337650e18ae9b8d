// CTitleTipWnd: a borderless top-most pop-up over a grid cell that shows the
// whole text of a cell whose text does not fit. It hides itself as soon as
// the mouse leaves the hovered cell and hands the mouse on to the grid.
#pragma once

#include "platform/ui/Wnd.h"

class CTitleTipWnd : public CWnd
{
public:
    CTitleTipWnd() = default;
    ~CTitleTipWnd() override;

    BOOL Create(CWnd* pParentWnd);
    // rectTitle and lpHoverRect are in the grid's client coordinates; shows
    // the tip only when the text does not fit rectTitle.
    void Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset = 0, LPRECT lpHoverRect = nullptr,
        const LOGFONT* lpLogFont = nullptr);
    void Hide();
    const CString& GetTitleText() const { return m_strTitle; }

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnPaint();

private:
    // Hands a mouse or key message on to the grid, in its client coordinates.
    void ForwardToGrid(UINT message, WPARAM wParam, CPoint tipPoint);

    CWnd* m_pParentWnd = nullptr;
    CRect m_rectTitle;
    CRect m_rectHover; // in the tip's client coordinates
    CString m_strTitle;
    LOGFONT m_logFont {};
    BOOL m_bHasFont = FALSE;
    DECLARE_MESSAGE_MAP()
};
