// CDoubleBufferWnd: a black video surface behind an off-screen picture; a
// viewer paints video into its window, and a repaint shows the picture.
#pragma once

#include "platform/ui/Wnd.h"

#include <memory>

constexpr int DOUBLE_BUFFER_WIDTH = 330;
constexpr int DOUBLE_BUFFER_HEIGHT = 215;

class CDoubleBufferWnd : public CWnd
{
public:
    CDoubleBufferWnd();
    ~CDoubleBufferWnd() override;

    // The off-screen picture (null before the window is created).
    CDC* GetBufferDC() const { return m_pMemDC.get(); }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CDC> m_pMemDC;
    std::unique_ptr<CBitmap> m_pBitmap;
    CBitmap* m_pOldBitmap = nullptr;
};
