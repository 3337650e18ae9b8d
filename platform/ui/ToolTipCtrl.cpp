#include "platform/ui/ToolTipCtrl.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

// Answers the tool windows' tooltip events with the tool's text.
class CToolTipCtrl::Filter : public QObject
{
public:
    explicit Filter(CToolTipCtrl* owner)
        : m_owner(owner)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* help = static_cast<QHelpEvent*>(event);
        for (const Tool& tool : m_owner->m_tools) {
            CWnd* wnd = CWnd::FromHandle(tool.hWnd);
            if (!wnd || wnd->GetWidget() != widget)
                continue;
            LPCTSTR text = m_owner->TextAt(wnd, POINT { help->pos().x(), help->pos().y() });
            if (text && *text)
                QToolTip::showText(help->globalPos(), QString::fromUtf8(text), widget);
            else
                QToolTip::hideText();
            return true;
        }
        return false;
    }

private:
    CToolTipCtrl* m_owner;
};

CToolTipCtrl::CToolTipCtrl() = default;

CToolTipCtrl::~CToolTipCtrl()
{
    delete m_pFilter;
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD)
{
    if (m_pFilter)
        return FALSE;
    m_pFilter = new Filter(this);
    return CreateMessageWindow(pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

CToolTipCtrl::Tool* CToolTipCtrl::Find(CWnd* pWnd, UINT_PTR nIDTool)
{
    auto it = std::find_if(m_tools.begin(), m_tools.end(),
        [&](const Tool& t) { return pWnd && t.hWnd == pWnd->m_hWnd && t.id == nIDTool; });
    return it == m_tools.end() ? nullptr : &*it;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    if (!m_pFilter || !pWnd || !pWnd->GetWidget())
        return FALSE;
    if (Tool* t = Find(pWnd, nIDTool)) {
        t->text = lpszText;
        return TRUE;
    }
    m_tools.push_back({ pWnd->m_hWnd, nIDTool, lpRectTool ? CRect(*lpRectTool) : CRect(),
        lpRectTool == nullptr, CString(lpszText) });
    pWnd->GetWidget()->installEventFilter(m_pFilter);
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    Tool* t = Find(pWnd, nIDTool);
    if (t)
        m_tools.erase(m_tools.begin() + (t - m_tools.data()));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    if (Tool* t = Find(pWnd, nIDTool))
        t->text = lpszText;
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    Tool* t = Find(pWnd, nIDTool);
    if (t && lpRect) {
        t->rect = *lpRect;
        t->whole = false;
    }
}

LPCTSTR CToolTipCtrl::TextAt(CWnd* pWnd, POINT point) const
{
    if (!m_bActive || !pWnd)
        return nullptr;
    // A rectangle tool wins over the window's own.
    const Tool* whole = nullptr;
    for (const Tool& t : m_tools) {
        if (t.hWnd != pWnd->m_hWnd)
            continue;
        if (!t.whole && t.rect.PtInRect(point))
            return t.text;
        if (t.whole)
            whole = &t;
    }
    return whole ? whole->text.GetString() : nullptr;
}
