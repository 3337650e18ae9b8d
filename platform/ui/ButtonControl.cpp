// Push buttons, check boxes, radio buttons and group boxes.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/Controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace
{

class CheckWidget : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;
    bool autoCheck = true;

protected:
    void nextCheckState() override
    {
        if (autoCheck)
            QCheckBox::nextCheckState();
    }
};

class RadioWidget : public QRadioButton
{
public:
    RadioWidget(const QString& text, QWidget* parent)
        : QRadioButton(text, parent)
    {
        setAutoExclusive(false);
    }
    bool autoCheck = true;

protected:
    // An automatic radio button checks itself and clears the others of its group.
    void nextCheckState() override
    {
        if (!autoCheck)
            return;
        setChecked(true);
        // The window this button speaks for now (a subclassed one has another).
        CWnd* owner = WndOfWidget(this);
        CWnd* parent = owner ? owner->GetParent() : nullptr;
        if (!parent)
            return;
        for (CWnd* w = parent->GetNextDlgGroupItem(owner); w && w != owner;
             w = parent->GetNextDlgGroupItem(w)) {
            if (KindOf(w) == WndKind::RadioButton)
                w->SendMessage(BM_SETCHECK, BST_UNCHECKED);
        }
    }
};

bool ButtonProc(QAbstractButton* button, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_SETTEXT:
        button->setText(FromText(lParam));
        *result = TRUE;
        return true;
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return AnswerTextQuery(button->text(), message, wParam, lParam, result);
    case BM_GETCHECK:
        if (auto* check = qobject_cast<QCheckBox*>(button))
            *result = check->checkState() == Qt::PartiallyChecked ? BST_INDETERMINATE
                : check->isChecked()                              ? BST_CHECKED
                                                                  : BST_UNCHECKED;
        else
            *result = button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        return true;
    case BM_SETCHECK:
        if (auto* check = qobject_cast<QCheckBox*>(button))
            check->setCheckState(wParam == BST_INDETERMINATE ? Qt::PartiallyChecked
                    : wParam == BST_CHECKED                  ? Qt::Checked
                                                             : Qt::Unchecked);
        else if (button->isCheckable())
            button->setChecked(wParam == BST_CHECKED);
        *result = 0;
        return true;
    case BM_CLICK:
        if (button->isEnabled())
            button->click();
        *result = 0;
        return true;
    case BM_SETSTYLE:
    case BM_GETSTATE:
    case BM_SETSTATE:
        *result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace

QWidget* CreateButtonWidget(WndKind kind, const QString& text, DWORD style, QWidget* parent, CWnd*)
{
    switch (kind) {
    case WndKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        QObject::connect(
            button, &QPushButton::clicked, button, [button] { NotifyOwner(button, BN_CLICKED); });
        return button;
    }
    case WndKind::CheckBox: {
        auto* check = new CheckWidget(text, parent);
        UINT type = style & BS_TYPEMASK;
        check->autoCheck = type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE;
        check->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
        QObject::connect(check, &QCheckBox::clicked, check, [check] { NotifyOwner(check, BN_CLICKED); });
        return check;
    }
    case WndKind::RadioButton: {
        auto* radio = new RadioWidget(text, parent);
        radio->autoCheck = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        QObject::connect(radio, &QRadioButton::clicked, radio, [radio] { NotifyOwner(radio, BN_CLICKED); });
        return radio;
    }
    case WndKind::GroupBox: {
        auto* group = new QGroupBox(text, parent);
        // A group box only frames its siblings; clicks pass through.
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->setFocusPolicy(Qt::NoFocus);
        return group;
    }
    default:
        return nullptr;
    }
}

bool ButtonWindowProc(CWnd* wnd, WndKind kind, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    QWidget* widget = wnd->GetWidget();
    if (kind != WndKind::GroupBox)
        return ButtonProc(static_cast<QAbstractButton*>(widget), message, wParam, lParam, result);
    auto* group = static_cast<QGroupBox*>(widget);
    if (message == WM_SETTEXT) {
        group->setTitle(FromText(lParam));
        *result = TRUE;
        return true;
    }
    return AnswerTextQuery(group->title(), message, wParam, lParam, result);
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_BUTTON, lpszCaption, dwStyle, rect, pParentWnd, nID);
}
