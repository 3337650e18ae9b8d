// Tooltips: texts shown when the pointer rests over a window, or over a
// rectangle of it.
#pragma once

#include "platform/ui/Wnd.h"

#include <vector>

constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;

class PLATFORM_UI_API CToolTipCtrl : public CWnd
{
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
    // A tool is a window, or a rectangle of it in client coordinates with an id.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    int GetToolCount() const { return int(m_tools.size()); }
    void Activate(BOOL bActivate) { m_bActive = bActivate; }
    // Mouse messages reach the tips by themselves; kept for callers.
    void RelayEvent(MSG*) { }
    // The text the tip shows at a client point of a window, or null.
    LPCTSTR TextAt(CWnd* pWnd, POINT point) const;

private:
    struct Tool {
        HWND hWnd;
        UINT_PTR id;
        CRect rect;
        bool whole;
        CString text;
    };
    Tool* Find(CWnd* pWnd, UINT_PTR nIDTool);
    std::vector<Tool> m_tools;
    BOOL m_bActive = TRUE;
    class Filter;
    Filter* m_pFilter = nullptr;
};
