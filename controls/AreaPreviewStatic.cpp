#include "controls/AreaPreviewStatic.h"

BEGIN_MESSAGE_MAP(CAreaPreviewStatic, CStatic)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

COLORREF CAreaPreviewStatic::ModeColor(int nMode)
{
    switch (nMode) {
    case 0:
    case 3:
        return 0x9E9E9E;
    case 1:
        return 0xB2B2B2;
    case 2:
        return 0xA6A6A6;
    case 4:
        return 0x8C8C8C;
    case 5:
        return 0x848284;
    default:
        return 0xCED3D6;
    }
}

CRect CAreaPreviewStatic::ScaleArea(int x1, int y1, int x2, int y2, int width, int height)
{
    // In double precision, cut toward zero.
    return CRect(int(double(x1) * width / AREA_FIELD_WIDTH + 1),
        int(double(y1) * height / AREA_FIELD_HEIGHT + 1), int(double(x2) * width / AREA_FIELD_WIDTH - 1),
        int(double(y2) * height / AREA_FIELD_HEIGHT - 1));
}

void CAreaPreviewStatic::Refresh()
{
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CAreaPreviewStatic::DrawFace(CDC* pDC, UINT nEdge)
{
    CRect client;
    GetClientRect(&client);
    CRect face = client;
    face.InflateRect(3, 3);
    pDC->FillSolidRect(&face, GetSysColor(COLOR_BTNFACE));
    pDC->DrawEdge(&client, nEdge, BF_RECT | BF_MIDDLE);
}

void CAreaPreviewStatic::DrawBox(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    const CRect area = ScaleArea(m_nX1, m_nY1, m_nX2, m_nY2, client.Width(), client.Height());
    m_nLeft = area.left;
    m_nTop = area.top;
    m_nRight = area.right;
    m_nBottom = area.bottom;

    CPen pen(PS_SOLID, 1, ModeColor(m_nMode));
    CBrush brush(ModeColor(m_nMode));
    CPen* oldPen = pDC->SelectObject(&pen);
    CBrush* oldBrush = pDC->SelectObject(&brush);
    pDC->Rectangle(client.left + 2, client.top + 2, client.right - 2, client.bottom - 2);
    if (m_nX1 != m_nX2 || m_nY1 != m_nY2) {
        CPen black(PS_SOLID, 1, RGB(0, 0, 0));
        CBrush white(RGB(255, 255, 255));
        pDC->SelectObject(&black);
        pDC->SelectObject(&white);
        pDC->Rectangle(m_nLeft + 1, m_nTop + 1, m_nRight, m_nBottom);
    }
    pDC->SelectObject(oldBrush);
    pDC->SelectObject(oldPen);
}

void CAreaPreviewStatic::OnPaint()
{
    CPaintDC dc(this);
    DrawFace(&dc, m_bReleased ? EDGE_SUNKEN : EDGE_RAISED);
    if (m_bShowArea)
        DrawBox(&dc);
}

void CAreaPreviewStatic::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bShowArea) {
        CClientDC dc(this);
        DrawFace(&dc, EDGE_SUNKEN);
        DrawBox(&dc);
        m_bReleased = false;
    }
    CStatic::OnLButtonDown(nFlags, point);
}

void CAreaPreviewStatic::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bShowArea) {
        CClientDC dc(this);
        DrawFace(&dc, EDGE_RAISED);
        DrawBox(&dc);
        m_bReleased = true;
    }
    CStatic::OnLButtonUp(nFlags, point);
}
