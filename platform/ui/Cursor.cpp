// Cursors: the standard shapes, the cursor over the window under the mouse
// and the counted wait cursor.
#include "platform/ui/WndInternal.h"

#include <QApplication>
#include <QCursor>

struct HCURSOR__ {
    Qt::CursorShape shape;
};

namespace
{

HCURSOR g_current = nullptr;
int g_waiting = 0;

} // namespace

HCURSOR LoadCursor(HINSTANCE, LPCTSTR lpCursorName)
{
    static HCURSOR__ arrow { Qt::ArrowCursor }, ibeam { Qt::IBeamCursor }, wait { Qt::WaitCursor },
        cross { Qt::CrossCursor }, nwse { Qt::SizeFDiagCursor }, nesw { Qt::SizeBDiagCursor },
        we { Qt::SizeHorCursor }, ns { Qt::SizeVerCursor }, all { Qt::SizeAllCursor },
        no { Qt::ForbiddenCursor }, hand { Qt::PointingHandCursor };
    switch (reinterpret_cast<uintptr_t>(lpCursorName)) {
    case 32512:
        return &arrow;
    case 32513:
        return &ibeam;
    case 32514:
        return &wait;
    case 32515:
        return &cross;
    case 32642:
        return &nwse;
    case 32643:
        return &nesw;
    case 32644:
        return &we;
    case 32645:
        return &ns;
    case 32646:
        return &all;
    case 32648:
        return &no;
    case 32649:
        return &hand;
    default:
        return nullptr; // cursors of our own resources are not kept
    }
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    HCURSOR old = g_current;
    g_current = hCursor;
    CWnd* target = CWnd::GetCapture();
    QWidget* widget = target ? target->GetWidget() : QApplication::widgetAt(QCursor::pos());
    if (widget) {
        if (hCursor)
            widget->setCursor(QCursor(hCursor->shape));
        else
            widget->setCursor(QCursor(Qt::BlankCursor));
    }
    return old;
}

HCURSOR GetCursor()
{
    return g_current;
}

void BeginWaitCursor()
{
    if (g_waiting++ == 0 && qApp)
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void EndWaitCursor()
{
    if (g_waiting <= 0)
        return;
    if (--g_waiting == 0 && qApp)
        QApplication::restoreOverrideCursor();
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
    if (!lpPoint)
        return FALSE;
    const QPoint at = QCursor::pos();
    lpPoint->x = at.x();
    lpPoint->y = at.y();
    return TRUE;
}
