#include "controls/DoubleBufferWnd.h"

BEGIN_MESSAGE_MAP(CDoubleBufferWnd, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
END_MESSAGE_MAP()

CDoubleBufferWnd::CDoubleBufferWnd() = default;

CDoubleBufferWnd::~CDoubleBufferWnd()
{
    if (m_pMemDC && m_pOldBitmap)
        m_pMemDC->SelectObject(m_pOldBitmap);
}

int CDoubleBufferWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pMemDC)
        return 0;
    CClientDC dc(this);
    auto memDC = std::make_unique<CDC>();
    auto bitmap = std::make_unique<CBitmap>();
    if (!memDC->CreateCompatibleDC(&dc)
        || !bitmap->CreateCompatibleBitmap(&dc, DOUBLE_BUFFER_WIDTH, DOUBLE_BUFFER_HEIGHT))
        return 0;
    m_pOldBitmap = memDC->SelectObject(bitmap.get());
    m_pMemDC = std::move(memDC);
    m_pBitmap = std::move(bitmap);
    m_pMemDC->BitBlt(0, 0, DOUBLE_BUFFER_WIDTH, DOUBLE_BUFFER_HEIGHT, nullptr, 0, 0, BLACKNESS);
    dc.BitBlt(0, 0, 320, 210, m_pMemDC.get(), 0, 0, SRCCOPY);
    return 0;
}

void CDoubleBufferWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_pMemDC)
        dc.BitBlt(0, 0, 360, 243, m_pMemDC.get(), 0, 0, SRCCOPY);
}
