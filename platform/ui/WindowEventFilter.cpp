// Keys and focus changes of every window's widget, seen before Qt hands
// them on: keys go to PreTranslateMessage, focus changes become messages.
#include "platform/ui/WndInternal.h"

#include "platform/ui/KeyTranslation.h"

#include <QApplication>
#include <QKeyEvent>

namespace
{

class WindowEventFilter : public QObject
{
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::FocusIn
            && type != QEvent::FocusOut)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        CWnd* wnd = widget ? FocusWndOfWidget(widget) : nullptr;
        if (!wnd || !wnd->m_hWnd)
            return false;
        if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
            // Only the control's own widget or its focus proxy speaks for it.
            QWidget* own = wnd->GetWidget();
            if (widget != own && widget != own->focusProxy() && widget->parentWidget() != own)
                return false;
            NotifyFocusChange(wnd, type == QEvent::FocusIn);
            return false;
        }
        // Keys reach parents of an unhandled receiver too; only the first counts.
        if (widget != QApplication::focusWidget() && QApplication::focusWidget())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        UINT vk = VirtualKeyOf(key);
        if (vk) {
            MSG msg { wnd->m_hWnd, type == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP, vk, 1, 0, { 0, 0 } };
            NoteKeyMessage(msg.message, vk);
            for (CWnd* w = wnd; w; w = w->GetParent()) {
                if (w->PreTranslateMessage(&msg))
                    return true;
                if (!wnd->m_hWnd)
                    return true; // the window went away while handling the key
            }
        }
        // A character typed into an edit (or into the combo that hands it to
        // its edit part) reaches the edit's window as WM_CHAR, whose default
        // handling enters it; a class may refuse it.
        const QString text = key->text();
        QWidget* own = wnd->GetWidget();
        const bool typedIntoIt = own && (widget == own || widget == own->focusProxy());
        if (type == QEvent::KeyPress && typedIntoIt && KindOf(wnd) == WndKind::Edit && text.size() == 1
            && (text[0].unicode() >= 0x20 || text[0] == QChar('\b'))) {
            wnd->SendMessage(WM_CHAR, WPARAM(text[0].unicode()), 1);
            return true;
        }
        return false;
    }
};

} // namespace

void InstallWindowEventFilter()
{
    static WindowEventFilter* filter = nullptr;
    if (!filter && qApp) {
        filter = new WindowEventFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}
