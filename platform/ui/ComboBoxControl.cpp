// The combo box: drop-down list or editable, sorted or in order.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/Controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace
{

QStringList ComboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

bool ComboProc(QComboBox* combo, CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    int count = combo->count();
    auto valid = [count](WPARAM i) { return int(i) >= 0 && int(i) < count; };
    switch (message) {
    case WM_SETTEXT:
        if (combo->isEditable()) {
            combo->setEditText(FromText(lParam));
            *result = TRUE;
        } else {
            *result = CB_ERR;
        }
        return true;
    case WM_GETTEXT:
        *result = CopyOut(combo->currentText(), wParam, lParam);
        return true;
    case WM_GETTEXTLENGTH:
        *result = combo->currentText().toUtf8().size();
        return true;
    case CB_ADDSTRING: {
        QString text = FromText(lParam);
        int at = (wnd->GetStyle() & CBS_SORT) ? SortedPosition(ComboItems(combo), text) : count;
        QSignalBlocker block(combo);
        combo->insertItem(at, text);
        if (combo->currentIndex() >= 0 && count == 0)
            combo->setCurrentIndex(-1); // adding does not select
        *result = at;
        return true;
    }
    case CB_INSERTSTRING: {
        int at = int(intptr_t(wParam)) < 0 || int(wParam) > count ? count : int(wParam);
        QSignalBlocker block(combo);
        int current = combo->currentIndex();
        combo->insertItem(at, FromText(lParam));
        if (current < 0)
            combo->setCurrentIndex(-1);
        *result = at;
        return true;
    }
    case CB_DELETESTRING:
        if (!valid(wParam)) {
            *result = CB_ERR;
            return true;
        }
        {
            QSignalBlocker block(combo);
            combo->removeItem(int(wParam));
        }
        *result = combo->count();
        return true;
    case CB_RESETCONTENT: {
        QSignalBlocker block(combo);
        combo->clear();
        *result = 0;
        return true;
    }
    case CB_GETCOUNT:
        *result = count;
        return true;
    case CB_GETCURSEL:
        *result = combo->currentIndex();
        return true;
    case CB_SETCURSEL: {
        QSignalBlocker block(combo);
        if (!valid(wParam)) {
            combo->setCurrentIndex(-1);
            if (combo->isEditable())
                combo->setEditText(QString());
            *result = CB_ERR;
            return true;
        }
        combo->setCurrentIndex(int(wParam));
        *result = int(wParam);
        return true;
    }
    case CB_GETLBTEXT:
        *result = valid(wParam) ? CopyItem(combo->itemText(int(wParam)), lParam) : CB_ERR;
        return true;
    case CB_GETLBTEXTLEN:
        *result = valid(wParam) ? combo->itemText(int(wParam)).toUtf8().size() : CB_ERR;
        return true;
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
        *result = FindItem(ComboItems(combo), wParam, FromText(lParam), message == CB_FINDSTRINGEXACT);
        return true;
    case CB_SELECTSTRING: {
        int found = FindItem(ComboItems(combo), wParam, FromText(lParam), false);
        if (found >= 0) {
            QSignalBlocker block(combo);
            combo->setCurrentIndex(found);
        }
        *result = found;
        return true;
    }
    case CB_SETITEMDATA:
        if (!valid(wParam)) {
            *result = CB_ERR;
            return true;
        }
        combo->setItemData(int(wParam), QVariant::fromValue(qlonglong(lParam)));
        *result = 0;
        return true;
    case CB_GETITEMDATA:
        *result = valid(wParam) ? LRESULT(combo->itemData(int(wParam)).toLongLong()) : CB_ERR;
        return true;
    case CB_LIMITTEXT:
        if (combo->lineEdit())
            combo->lineEdit()->setMaxLength(
                wParam == 0 ? 0x7FFFFFFE : int(std::min<WPARAM>(wParam, 0x7FFFFFFE)));
        *result = TRUE;
        return true;
    case CB_SHOWDROPDOWN:
        if (wParam)
            combo->showPopup();
        else
            combo->hidePopup();
        *result = TRUE;
        return true;
    case CB_SETHORIZONTALEXTENT:
        // The list is at least as wide as its widest entry needs.
        combo->setProperty("horizontalExtent", qulonglong(wParam));
        if (combo->view())
            combo->view()->setMinimumWidth(int(std::min<WPARAM>(wParam, 0x7FFF)));
        *result = 0;
        return true;
    case CB_GETHORIZONTALEXTENT:
        *result = LRESULT(combo->property("horizontalExtent").toULongLong());
        return true;
    case CB_GETDROPPEDSTATE:
        *result = combo->view() && combo->view()->isVisible();
        return true;
    default:
        return false;
    }
}

} // namespace

// Gives a part of a control's widget a window object of its own.
class WndWidgetAccess
{
public:
    static CWnd* AdoptPart(
        QWidget* widget, WndKind kind, LPCTSTR className, DWORD style, CWnd* parent, int nID)
    {
        auto* part = new CWnd;
        part->m_bAutoDelete = TRUE; // deleted with its handle, as template controls are
        part->m_dwStyle = style;
        part->m_pWidget = widget;
        widget->setProperty(kPartProperty, true);
        BindWidget(widget, part, kind);
        QObject::connect(widget, &QObject::destroyed, widget, [part, widget] {
            if (part->m_pWidget == widget)
                part->m_pWidget = nullptr;
        });
        CREATESTRUCT cs {};
        cs.hwndParent = parent->m_hWnd;
        cs.hMenu = reinterpret_cast<HMENU>(uintptr_t(UINT(nID)));
        cs.style = LONG(style);
        cs.lpszClass = className;
        const QRect place = widget->geometry();
        cs.x = place.x();
        cs.y = place.y();
        cs.cx = place.width();
        cs.cy = place.height();
        // A failed creation destroys the handle, and the object with it.
        return part->CreateHandle(cs) ? part : nullptr;
    }
    static constexpr const char* kPartProperty = "suite.partOfControl";
};

bool IsPartWidget(const QWidget* widget)
{
    return widget->property(WndWidgetAccess::kPartProperty).toBool();
}

CWnd* FocusWndOfWidget(const QWidget* widget)
{
    // The combo widget holds Qt's focus and hands the keys to its edit.
    if (auto* combo = qobject_cast<const QComboBox*>(widget); combo && combo->lineEdit())
        return WndOfWidget(combo->lineEdit());
    return WndOfWidget(widget);
}

CWnd* ComboEditPart(const CWnd* combo)
{
    if (!combo || !combo->m_hWnd || KindOf(combo) != WndKind::ComboBox)
        return nullptr;
    auto* box = qobject_cast<QComboBox*>(combo->GetWidget());
    QLineEdit* edit = box ? box->lineEdit() : nullptr;
    if (!edit)
        return nullptr;
    if (CWnd* part = WndOfWidget(edit); part && part != combo)
        return part;
    return WndWidgetAccess::AdoptPart(edit, WndKind::Edit, WC_EDIT, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
        const_cast<CWnd*>(combo), COMBO_EDIT_ID);
}

QWidget* CreateComboBoxWidget(DWORD style, QWidget* parent, CWnd*)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable((style & 0x3) != CBS_DROPDOWNLIST);
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::activated, combo, [combo] { NotifyOwner(combo, CBN_SELCHANGE); });
    if (combo->lineEdit())
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
            [combo] { NotifyOwner(combo, CBN_EDITCHANGE); });
    return combo;
}

bool ComboBoxWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ComboProc(static_cast<QComboBox*>(wnd->GetWidget()), wnd, message, wParam, lParam, result);
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_COMBOBOX, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int n = GetLBTextLen(nIndex);
    if (n < 0) {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBuffer(n));
    rString.ReleaseBuffer();
}
