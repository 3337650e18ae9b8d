// The single-line edit control.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/Controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace
{

Qt::Alignment EditAlignment(DWORD style)
{
    if (style & ES_RIGHT)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (style & ES_CENTER)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool EditProc(QLineEdit* edit, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_SETTEXT:
        edit->setText(FromText(lParam));
        *result = TRUE;
        return true;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return AnswerTextQuery(edit->text(), message, wParam, lParam, result);
    case EM_LIMITTEXT:
        edit->setMaxLength(wParam == 0 ? 0x7FFFFFFE : int(std::min<WPARAM>(wParam, 0x7FFFFFFE)));
        *result = 0;
        return true;
    case EM_GETLIMITTEXT:
        *result = edit->maxLength();
        return true;
    case EM_SETSEL: {
        int start = int(intptr_t(wParam));
        int end = int(lParam);
        int length = int(edit->text().size());
        if (start < 0) {
            edit->deselect();
        } else {
            if (end < 0 || end > length)
                end = length;
            start = std::min(start, length);
            if (end < start)
                std::swap(start, end);
            edit->setSelection(start, end - start);
        }
        *result = 0;
        return true;
    }
    case EM_GETSEL: {
        int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        int end = edit->hasSelectedText() ? int(edit->selectionEnd()) : start;
        if (auto* p = reinterpret_cast<DWORD*>(wParam))
            *p = DWORD(start);
        if (auto* p = reinterpret_cast<DWORD*>(lParam))
            *p = DWORD(end);
        *result = LRESULT(MAKELONG(WORD(start), WORD(end)));
        return true;
    }
    case EM_REPLACESEL:
        edit->insert(FromText(lParam));
        *result = 0;
        return true;
    case EM_SETPASSWORDCHAR:
        edit->setEchoMode(wParam ? QLineEdit::Password : QLineEdit::Normal);
        *result = 0;
        return true;
    case WM_CHAR:
        // A typed character: backspace deletes, any other is entered.
        if (!edit->isReadOnly()) {
            if (wParam == '\b')
                edit->backspace();
            else if (wParam >= 0x20)
                edit->insert(QString(QChar(char16_t(wParam))));
        }
        *result = 0;
        return true;
    case EM_SETREADONLY:
        edit->setReadOnly(wParam != 0);
        *result = TRUE;
        return true;
    default:
        return false;
    }
}

// A multi-line edit: the text with its line breaks ("\r\n" as the program
// writes and reads them).
bool MultiLineProc(QPlainTextEdit* edit, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_SETTEXT:
        edit->setPlainText(FromText(lParam).replace("\r\n", "\n"));
        *result = TRUE;
        return true;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return AnswerTextQuery(edit->toPlainText().replace("\n", "\r\n"), message, wParam, lParam, result);
    case EM_SETREADONLY:
        edit->setReadOnly(wParam != 0);
        *result = TRUE;
        return true;
    case EM_SETSEL:
        if (int(intptr_t(wParam)) == 0 && int(lParam) < 0)
            edit->selectAll();
        *result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace

QWidget* CreateEditWidget(const QString& text, DWORD style, QWidget* parent, CWnd* wnd)
{
    if (style & ES_MULTILINE) {
        auto* edit = new QPlainTextEdit(QString(text).replace("\r\n", "\n"), parent);
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [wnd] { NotifyParent(wnd, EN_CHANGE); });
        return edit;
    }
    auto* edit = new QLineEdit(text, parent);
    // The window object is looked up when the text changes: a subclassing
    // object may have taken the edit over since it was made.
    (void)wnd;
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] {
        CWnd* owner = WndOfWidget(edit);
        if (owner && owner->GetWidget() == edit)
            NotifyParent(owner, EN_CHANGE);
    });
    return edit;
}

bool EditWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (auto* multi = qobject_cast<QPlainTextEdit*>(wnd->GetWidget()))
        return MultiLineProc(multi, message, wParam, lParam, result);
    return EditProc(static_cast<QLineEdit*>(wnd->GetWidget()), message, wParam, lParam, result);
}

void ApplyEditStyle(CWnd* wnd)
{
    if (auto* multi = qobject_cast<QPlainTextEdit*>(wnd->GetWidget())) {
        multi->setReadOnly(wnd->GetStyle() & ES_READONLY);
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(wnd->GetWidget());
    if (!edit)
        return;
    DWORD style = wnd->GetStyle();
    edit->setEchoMode(style & ES_PASSWORD ? QLineEdit::Password : QLineEdit::Normal);
    edit->setReadOnly(style & ES_READONLY);
    edit->setAlignment(EditAlignment(style));
    if (style & ES_NUMBER) {
        if (!edit->validator())
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
    } else if (edit->validator()) {
        delete edit->validator();
        edit->setValidator(nullptr);
    }
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(WC_EDIT, nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    ApplyControlStyle(this);
    return TRUE;
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL)
{
    SendMessage(EM_SETSEL, WPARAM(nStartChar), LPARAM(nEndChar));
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD start = 0, end = 0;
    const_cast<CEdit*>(this)->SendMessage(
        EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = int(start);
    nEndChar = int(end);
}

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
    SendMessage(EM_REPLACESEL, WPARAM(bCanUndo), reinterpret_cast<LPARAM>(lpszNewText ? lpszNewText : ""));
}
