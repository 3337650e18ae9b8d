// The list box: single or multiple selection, sorted or in order.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/Controls.h"

#include <QListWidget>

namespace
{

// Selection changes the program makes send no notification.
class ListWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;
    int quiet = 0;
};

QStringList ListItems(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

bool ListProc(ListWidget* list, CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    int count = list->count();
    auto valid = [count](WPARAM i) { return int(i) >= 0 && int(i) < count; };
    bool multiple = list->selectionMode() != QAbstractItemView::SingleSelection;
    struct Quiet {
        explicit Quiet(ListWidget* l)
            : list(l)
        {
            ++list->quiet;
        }
        ~Quiet() { --list->quiet; }
        ListWidget* list;
    } quiet(list);
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        QString text = FromText(lParam);
        int at = count;
        if (message == LB_ADDSTRING && (wnd->GetStyle() & LBS_SORT))
            at = SortedPosition(ListItems(list), text);
        else if (message == LB_INSERTSTRING && valid(wParam))
            at = int(wParam);
        list->insertItem(at, text);
        *result = at;
        return true;
    }
    case LB_DELETESTRING:
        if (!valid(wParam)) {
            *result = LB_ERR;
            return true;
        }
        delete list->takeItem(int(wParam));
        *result = list->count();
        return true;
    case LB_RESETCONTENT:
        list->clear();
        *result = 0;
        return true;
    case LB_GETCOUNT:
        *result = count;
        return true;
    case LB_GETCURSEL:
        if (multiple)
            *result = list->currentRow();
        else
            *result = list->selectedItems().isEmpty() ? LB_ERR : list->row(list->selectedItems().first());
        return true;
    case LB_SETCURSEL:
        if (multiple) {
            *result = LB_ERR;
            return true;
        }
        if (!valid(wParam)) {
            list->clearSelection();
            list->setCurrentRow(-1);
            *result = int(intptr_t(wParam)) == -1 ? 0 : LB_ERR;
            return true;
        }
        list->setCurrentRow(int(wParam), QItemSelectionModel::ClearAndSelect);
        *result = int(wParam);
        return true;
    case LB_GETSEL:
        *result = valid(wParam) ? (list->item(int(wParam))->isSelected() ? 1 : 0) : LB_ERR;
        return true;
    case LB_SETSEL: {
        if (!multiple) {
            *result = LB_ERR;
            return true;
        }
        int index = int(lParam);
        if (index == -1) {
            for (int i = 0; i < count; ++i)
                list->item(i)->setSelected(wParam != 0);
        } else if (index >= 0 && index < count) {
            list->item(index)->setSelected(wParam != 0);
        } else {
            *result = LB_ERR;
            return true;
        }
        *result = 0;
        return true;
    }
    case LB_GETSELCOUNT: {
        if (!multiple) {
            *result = LB_ERR;
            return true;
        }
        *result = list->selectedItems().size();
        return true;
    }
    case LB_GETSELITEMS: {
        if (!multiple) {
            *result = LB_ERR;
            return true;
        }
        auto* out = reinterpret_cast<int*>(lParam);
        int room = int(wParam);
        int n = 0;
        for (int i = 0; i < count && n < room && out; ++i) {
            if (list->item(i)->isSelected())
                out[n++] = i;
        }
        *result = n;
        return true;
    }
    case LB_GETTEXT:
        *result = valid(wParam) ? CopyItem(list->item(int(wParam))->text(), lParam) : LB_ERR;
        return true;
    case LB_GETTEXTLEN:
        *result = valid(wParam) ? list->item(int(wParam))->text().toUtf8().size() : LB_ERR;
        return true;
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
        *result = FindItem(ListItems(list), wParam, FromText(lParam), message == LB_FINDSTRINGEXACT);
        return true;
    case LB_SELECTSTRING: {
        int found = FindItem(ListItems(list), wParam, FromText(lParam), false);
        if (found >= 0 && !multiple)
            list->setCurrentRow(found, QItemSelectionModel::ClearAndSelect);
        *result = found;
        return true;
    }
    case LB_SETITEMDATA:
        if (!valid(wParam)) {
            *result = LB_ERR;
            return true;
        }
        list->item(int(wParam))->setData(Qt::UserRole, QVariant::fromValue(qlonglong(lParam)));
        *result = 0;
        return true;
    case LB_GETITEMDATA:
        *result = valid(wParam) ? LRESULT(list->item(int(wParam))->data(Qt::UserRole).toLongLong()) : LB_ERR;
        return true;
    case LB_GETTOPINDEX: {
        QListWidgetItem* top = list->itemAt(0, 0);
        *result = top ? list->row(top) : 0;
        return true;
    }
    case LB_SETTOPINDEX:
        if (!valid(wParam)) {
            *result = LB_ERR;
            return true;
        }
        list->scrollToItem(list->item(int(wParam)), QAbstractItemView::PositionAtTop);
        *result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace

QWidget* CreateListBoxWidget(DWORD style, QWidget* parent, CWnd*)
{
    auto* list = new ListWidget(parent);
    list->setSelectionMode(style & LBS_EXTENDEDSEL ? QAbstractItemView::ExtendedSelection
            : style & LBS_MULTIPLESEL              ? QAbstractItemView::MultiSelection
                                                   : QAbstractItemView::SingleSelection);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] {
        CWnd* owner = WndOfWidget(list);
        if (owner && !list->quiet && (owner->GetStyle() & LBS_NOTIFY))
            NotifyParent(owner, LBN_SELCHANGE);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [list] {
        CWnd* owner = WndOfWidget(list);
        if (owner && (owner->GetStyle() & LBS_NOTIFY))
            NotifyParent(owner, LBN_DBLCLK);
    });
    return list;
}

bool ListBoxWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return ListProc(static_cast<ListWidget*>(wnd->GetWidget()), wnd, message, wParam, lParam, result);
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_LISTBOX, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    int n = GetTextLen(nIndex);
    if (n < 0) {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBuffer(n));
    rString.ReleaseBuffer();
}
