// The static control: text, frames and the clicks SS_NOTIFY reports.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/Controls.h"
#include "platform/ui/IconInternal.h"
#include "platform/ui/ResourceModule.h"

#include <QLabel>
#include <QPixmap>

namespace
{

class StaticWidget : public QLabel
{
public:
    StaticWidget(const QString& text, QWidget* parent, CWnd* owner)
        : QLabel(text, parent)
        , m_owner(owner)
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (m_owner->GetStyle() & SS_NOTIFY)
            NotifyParent(m_owner, STN_CLICKED);
        QLabel::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (m_owner->GetStyle() & SS_NOTIFY)
            NotifyParent(m_owner, STN_DBLCLK);
        QLabel::mouseDoubleClickEvent(event);
    }

private:
    CWnd* m_owner;
};

Qt::Alignment StaticAlignment(DWORD style)
{
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        return Qt::AlignHCenter | Qt::AlignTop;
    case SS_RIGHT:
        return Qt::AlignRight | Qt::AlignTop;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

// An icon static shows the icon its text names ("#128") from the resource
// module at the icon's own size, whatever its rectangle says.
void ShowNamedIcon(QLabel* label, const QString& name)
{
    bool numeric = false;
    const uint id = name.startsWith(u'#') ? name.mid(1).toUInt(&numeric) : 0;
    HICON icon = numeric ? LoadIcon(AfxGetResourceHandle(), id) : nullptr;
    if (!icon)
        return;
    label->setPixmap(QPixmap::fromImage(icon->large));
    label->setFixedSize(icon->large.size());
}

} // namespace

QWidget* CreateStaticWidget(const QString& text, DWORD style, QWidget* parent, CWnd* wnd)
{
    const bool icon = (style & SS_TYPEMASK) == SS_ICON;
    auto* label = new StaticWidget(icon ? QString() : text, parent, wnd);
    if (icon)
        ShowNamedIcon(label, text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap((style & SS_TYPEMASK) <= SS_RIGHT);
    return label;
}

bool StaticWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* label = static_cast<QLabel*>(wnd->GetWidget());
    if (message == WM_SETTEXT) {
        label->setText(FromText(lParam));
        *result = TRUE;
        return true;
    }
    return AnswerTextQuery(label->text(), message, wParam, lParam, result);
}

void ApplyStaticStyle(CWnd* wnd)
{
    auto* label = qobject_cast<QLabel*>(wnd->GetWidget());
    if (!label)
        return;
    DWORD style = wnd->GetStyle();
    label->setAlignment(StaticAlignment(style));
    DWORD type = style & SS_TYPEMASK;
    label->setFrameStyle(type == SS_BLACKFRAME ? QFrame::Box | QFrame::Plain
            : type == SS_ETCHEDFRAME           ? QFrame::Box | QFrame::Sunken
            : (style & SS_SUNKEN)              ? QFrame::Panel | QFrame::Sunken
                                               : QFrame::NoFrame);
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(WC_STATIC, lpszText, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    ApplyControlStyle(this);
    return TRUE;
}
