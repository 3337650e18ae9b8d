// CAreaPreviewStatic: a button-like box that shows a video area, scaled
// from the device's 720 x 243 field into the box, in a colour for its mode.
// On a template it is a static with SS_OWNERDRAW (it paints itself) and
// SS_NOTIFY (its clicks reach the dialog as BN_CLICKED).
#pragma once

#include "platform/ui/Controls.h"

constexpr int AREA_FIELD_WIDTH = 720;
constexpr int AREA_FIELD_HEIGHT = 243;

class CAreaPreviewStatic : public CStatic
{
public:
    // Invalidates the whole box and paints it now.
    void Refresh();
    // The box colour of a mode.
    static COLORREF ModeColor(int nMode);
    // The area in client pixels of a box of the given size.
    static CRect ScaleArea(int x1, int y1, int x2, int y2, int width, int height);

    int m_nMode = 0;
    bool m_bShowArea = false;
    // The area in client pixels, worked out before each drawing.
    int m_nLeft = 0, m_nTop = 0, m_nRight = 0, m_nBottom = 0;
    // The area in device coordinates.
    int m_nX1 = 0, m_nY1 = 0, m_nX2 = 0, m_nY2 = 0;
    bool m_bReleased = false;

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void DrawFace(CDC* pDC, UINT nEdge);
    void DrawBox(CDC* pDC);
};
