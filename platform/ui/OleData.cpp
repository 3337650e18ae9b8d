// The clipboard through Qt's clipboard, drag and drop as a loop that
// follows the mouse over the registered drop targets.
#include "platform/ui/OleData.h"

#include "platform/ui/WndInternal.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include <unordered_map>

namespace
{

// The drop target of each registered window; touched on the user
// interface thread only.
std::unordered_map<HWND, COleDropTarget*>& Targets()
{
    static std::unordered_map<HWND, COleDropTarget*> targets;
    return targets;
}

// The registered window under a widget (the widget's own window or the
// nearest ancestor that has a target), with its target.
COleDropTarget* TargetOf(QWidget* widget, CWnd** wnd)
{
    for (CWnd* w = widget ? WndOfWidget(widget) : nullptr; w; w = w->GetParent()) {
        auto found = Targets().find(w->m_hWnd);
        if (found != Targets().end()) {
            *wnd = w;
            return found->second;
        }
    }
    *wnd = nullptr;
    return nullptr;
}

// Follows the mouse from the start of a drag to the release of the button.
class DragLoop : public QObject
{
public:
    DragLoop(const COleDataSource* source, DWORD effects)
        : m_effects(effects)
    {
        m_data.Attach(source);
    }

    DROPEFFECT Run()
    {
        qApp->installEventFilter(this);
        m_loop.exec();
        qApp->removeEventFilter(this);
        return m_result;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint global = mouse->globalPosition().toPoint();
            QWidget* under = QApplication::widgetAt(global);
            if (!under)
                under = qobject_cast<QWidget*>(watched);
            DWORD keys = MK_LBUTTON;
            if (mouse->modifiers() & Qt::ControlModifier)
                keys |= MK_CONTROL;
            if (mouse->modifiers() & Qt::ShiftModifier)
                keys |= MK_SHIFT;
            Over(under, global, keys);
            if (event->type() == QEvent::MouseButtonRelease)
                Drop(global);
            return true;
        }
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                Leave();
                m_loop.quit();
            }
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyRelease:
            return true;
        default:
            return false;
        }
    }

private:
    CPoint ClientPoint(QPoint global) const
    {
        QWidget* widget = m_wnd ? m_wnd->GetWidget() : nullptr;
        QPoint p = widget ? widget->mapFromGlobal(global) : global;
        return CPoint(p.x(), p.y());
    }

    void Over(QWidget* widget, QPoint global, DWORD keys)
    {
        CWnd* wnd = nullptr;
        COleDropTarget* target = TargetOf(widget, &wnd);
        if (target != m_target || (wnd && wnd->m_hWnd != m_hWnd))
            Leave();
        if (!target) {
            m_effect = DROPEFFECT_NONE;
            return;
        }
        const bool entering = !m_target;
        m_target = target;
        m_wnd = wnd;
        m_hWnd = wnd->m_hWnd;
        const CPoint point = ClientPoint(global);
        m_effect = entering ? target->OnDragEnter(wnd, &m_data, keys, point)
                            : target->OnDragOver(wnd, &m_data, keys, point);
        m_effect &= m_effects;
    }

    void Leave()
    {
        if (m_target && ::IsWindow(m_hWnd))
            m_target->OnDragLeave(m_wnd);
        m_target = nullptr;
        m_wnd = nullptr;
        m_hWnd = nullptr;
    }

    void Drop(QPoint global)
    {
        if (m_target && m_effect != DROPEFFECT_NONE && ::IsWindow(m_hWnd)) {
            COleDropTarget* target = m_target;
            CWnd* wnd = m_wnd;
            m_target = nullptr;
            if (target->OnDrop(wnd, &m_data, m_effect, ClientPoint(global)))
                m_result = m_effect;
        } else {
            Leave();
        }
        m_loop.quit();
    }

    DWORD m_effects;
    COleDataObject m_data;
    QEventLoop m_loop;
    COleDropTarget* m_target = nullptr;
    CWnd* m_wnd = nullptr;
    HWND m_hWnd = nullptr;
    DROPEFFECT m_effect = DROPEFFECT_NONE;
    DROPEFFECT m_result = DROPEFFECT_NONE;
};

} // namespace

void COleDataSource::CacheText(const std::string& text)
{
    m_text = text.substr(0, text.find('\0'));
    m_bHasText = TRUE;
}

void COleDataSource::SetClipboard()
{
    if (m_bHasText && qApp)
        QGuiApplication::clipboard()->setText(QString::fromUtf8(m_text.data(), qsizetype(m_text.size())));
    delete this;
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects)
{
    if (!qApp)
        return DROPEFFECT_NONE;
    DragLoop loop(this, dwEffects);
    return loop.Run();
}

BOOL COleDataObject::AttachClipboard()
{
    m_pSource = nullptr;
    m_bClipboard = qApp != nullptr;
    return m_bClipboard;
}

BOOL COleDataObject::IsDataAvailable(UINT cfFormat) const
{
    if (cfFormat != CF_TEXT)
        return FALSE;
    if (m_pSource)
        return m_pSource->HasText();
    if (!m_bClipboard)
        return FALSE;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

BOOL COleDataObject::GetText(std::string& text, size_t maxBytes) const
{
    if (!IsDataAvailable(CF_TEXT))
        return FALSE;
    if (m_pSource) {
        text = m_pSource->GetText().substr(0, maxBytes);
    } else {
        const QByteArray bytes = QGuiApplication::clipboard()->text().toUtf8();
        text.assign(bytes.constData(), std::min(size_t(bytes.size()), maxBytes));
    }
    text = text.substr(0, text.find('\0'));
    return TRUE;
}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    if (!pWnd || !pWnd->m_hWnd || m_pWnd)
        return FALSE;
    auto [it, added] = Targets().emplace(pWnd->m_hWnd, this);
    if (!added)
        return FALSE;
    m_pWnd = pWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_pWnd)
        return;
    for (auto it = Targets().begin(); it != Targets().end(); ++it) {
        if (it->second == this) {
            Targets().erase(it);
            break;
        }
    }
    m_pWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*) { }

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}
