// The standard controls on Qt widgets: each answers its documented
// messages and sends its notifications to its parent.
#include "platform/ui/WndInternal.h"

#include "platform/ui/Controls.h"

#include "platform/ui/KeyTranslation.h"
#include "platform/ui/TabCtrlInternal.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <algorithm>
#include <cstring>

namespace
{

QString FromText(LPARAM lParam)
{
    return QString::fromUtf8(reinterpret_cast<LPCTSTR>(lParam));
}

// WM_GETTEXT into the caller's buffer: at most room-1 bytes and a terminator.
LRESULT CopyOut(const QString& text, WPARAM room, LPARAM buffer)
{
    QByteArray bytes = text.toUtf8();
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || room == 0)
        return 0;
    int n = std::min<int>(int(bytes.size()), int(room) - 1);
    std::memcpy(out, bytes.constData(), size_t(n));
    out[n] = '\0';
    return n;
}

// Copies an item text for CB_GETLBTEXT / LB_GETTEXT, whose buffer the caller
// sized with the matching length message.
LRESULT CopyItem(const QString& text, LPARAM buffer)
{
    QByteArray bytes = text.toUtf8();
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out)
        return -1;
    std::memcpy(out, bytes.constData(), size_t(bytes.size()));
    out[bytes.size()] = '\0';
    return bytes.size();
}

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
    RadioWidget(const QString& text, QWidget* parent, CWnd* owner)
        : QRadioButton(text, parent)
        , m_owner(owner)
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
        CWnd* parent = m_owner->GetParent();
        if (!parent)
            return;
        for (CWnd* w = parent->GetNextDlgGroupItem(m_owner); w && w != m_owner;
             w = parent->GetNextDlgGroupItem(w)) {
            if (KindOf(w) == WndKind::RadioButton)
                w->SendMessage(BM_SETCHECK, BST_UNCHECKED);
        }
    }

private:
    CWnd* m_owner;
};

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

// Selection changes the program makes send no notification.
class ListWidget : public QListWidget
{
public:
    using QListWidget::QListWidget;
    int quiet = 0;
};

Qt::Alignment EditAlignment(DWORD style)
{
    if (style & ES_RIGHT)
        return Qt::AlignRight | Qt::AlignVCenter;
    if (style & ES_CENTER)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

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

// Where a new string goes in a sorted list: after the entries that do not
// compare greater, without regard to case.
int SortedPosition(const QStringList& items, const QString& text)
{
    auto it = std::upper_bound(items.begin(), items.end(), text,
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return int(it - items.begin());
}

// CB_FINDSTRING / LB_FINDSTRING: from the item after `start`, wrapping.
int FindItem(const QStringList& items, WPARAM start, const QString& text, bool exact)
{
    int n = int(items.size());
    int first = int(start) < 0 || int(start) >= n ? 0 : int(start) + 1;
    for (int k = 0; k < n; ++k) {
        int i = (first + k) % n;
        bool match = exact ? items[i].compare(text, Qt::CaseInsensitive) == 0
                           : items[i].startsWith(text, Qt::CaseInsensitive);
        if (match)
            return i;
    }
    return -1;
}

QStringList ComboItems(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

QStringList ListItems(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

bool ButtonProc(QAbstractButton* button, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_SETTEXT:
        button->setText(FromText(lParam));
        *result = TRUE;
        return true;
    case WM_GETTEXT:
        *result = CopyOut(button->text(), wParam, lParam);
        return true;
    case WM_GETTEXTLENGTH:
        *result = button->text().toUtf8().size();
        return true;
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

bool EditProc(QLineEdit* edit, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_SETTEXT:
        edit->setText(FromText(lParam));
        *result = TRUE;
        return true;
    case WM_GETTEXT:
        *result = CopyOut(edit->text(), wParam, lParam);
        return true;
    case WM_GETTEXTLENGTH:
        *result = edit->text().toUtf8().size();
        return true;
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
    case EM_SETREADONLY:
        edit->setReadOnly(wParam != 0);
        *result = TRUE;
        return true;
    default:
        return false;
    }
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
    case CB_GETDROPPEDSTATE:
        *result = combo->view() && combo->view()->isVisible();
        return true;
    default:
        return false;
    }
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

QWidget* CreateControlWidget(WndKind kind, const CREATESTRUCT& cs, QWidget* parent, CWnd* wnd)
{
    QString text = cs.lpszName ? QString::fromUtf8(cs.lpszName) : QString();
    DWORD style = DWORD(cs.style);
    switch (kind) {
    case WndKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, button, [wnd] { NotifyParent(wnd, BN_CLICKED); });
        return button;
    }
    case WndKind::CheckBox: {
        auto* check = new CheckWidget(text, parent);
        UINT type = style & BS_TYPEMASK;
        check->autoCheck = type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE;
        check->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
        QObject::connect(check, &QCheckBox::clicked, check, [wnd] { NotifyParent(wnd, BN_CLICKED); });
        return check;
    }
    case WndKind::RadioButton: {
        auto* radio = new RadioWidget(text, parent, wnd);
        radio->autoCheck = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        QObject::connect(radio, &QRadioButton::clicked, radio, [wnd] { NotifyParent(wnd, BN_CLICKED); });
        return radio;
    }
    case WndKind::GroupBox: {
        auto* group = new QGroupBox(text, parent);
        // A group box only frames its siblings; clicks pass through.
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->setFocusPolicy(Qt::NoFocus);
        return group;
    }
    case WndKind::Edit: {
        auto* edit = new QLineEdit(text, parent);
        QObject::connect(edit, &QLineEdit::textChanged, edit, [wnd] { NotifyParent(wnd, EN_CHANGE); });
        return edit;
    }
    case WndKind::Static: {
        auto* label = new StaticWidget((style & SS_TYPEMASK) == SS_ICON ? QString() : text, parent, wnd);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap((style & SS_TYPEMASK) <= SS_RIGHT);
        return label;
    }
    case WndKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable((style & 0x3) != CBS_DROPDOWNLIST);
        combo->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(combo, &QComboBox::activated, combo, [wnd] { NotifyParent(wnd, CBN_SELCHANGE); });
        if (combo->lineEdit())
            QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                [wnd] { NotifyParent(wnd, CBN_EDITCHANGE); });
        return combo;
    }
    case WndKind::ListBox: {
        auto* list = new ListWidget(parent);
        list->setSelectionMode(style & LBS_EXTENDEDSEL ? QAbstractItemView::ExtendedSelection
                : style & LBS_MULTIPLESEL              ? QAbstractItemView::MultiSelection
                                                       : QAbstractItemView::SingleSelection);
        QObject::connect(list, &QListWidget::itemSelectionChanged, list, [wnd, list] {
            if (!list->quiet && (wnd->GetStyle() & LBS_NOTIFY))
                NotifyParent(wnd, LBN_SELCHANGE);
        });
        QObject::connect(list, &QListWidget::itemDoubleClicked, list, [wnd] {
            if (wnd->GetStyle() & LBS_NOTIFY)
                NotifyParent(wnd, LBN_DBLCLK);
        });
        return list;
    }
    case WndKind::TabCtrl:
        return CreateTabWidget(parent, wnd);
    case WndKind::Surface:
        break;
    }
    return nullptr;
}

void ApplyControlStyle(CWnd* wnd)
{
    QWidget* widget = wnd->GetWidget();
    DWORD style = wnd->GetStyle();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
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
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setAlignment(StaticAlignment(style));
        DWORD type = style & SS_TYPEMASK;
        label->setFrameStyle(type == SS_BLACKFRAME ? QFrame::Box | QFrame::Plain
                : type == SS_ETCHEDFRAME           ? QFrame::Box | QFrame::Sunken
                : (style & SS_SUNKEN)              ? QFrame::Panel | QFrame::Sunken
                                                   : QFrame::NoFrame);
    }
}

bool ControlWindowProc(CWnd* wnd, WndKind kind, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    QWidget* widget = wnd->GetWidget();
    switch (kind) {
    case WndKind::Button:
    case WndKind::CheckBox:
    case WndKind::RadioButton:
        return ButtonProc(static_cast<QAbstractButton*>(widget), message, wParam, lParam, result);
    case WndKind::GroupBox: {
        auto* group = static_cast<QGroupBox*>(widget);
        if (message == WM_SETTEXT) {
            group->setTitle(FromText(lParam));
            *result = TRUE;
            return true;
        }
        if (message == WM_GETTEXT || message == WM_GETTEXTLENGTH) {
            *result = message == WM_GETTEXT ? CopyOut(group->title(), wParam, lParam)
                                            : group->title().toUtf8().size();
            return true;
        }
        return false;
    }
    case WndKind::Edit:
        return EditProc(static_cast<QLineEdit*>(widget), message, wParam, lParam, result);
    case WndKind::Static: {
        auto* label = static_cast<QLabel*>(widget);
        if (message == WM_SETTEXT) {
            label->setText(FromText(lParam));
            *result = TRUE;
            return true;
        }
        if (message == WM_GETTEXT || message == WM_GETTEXTLENGTH) {
            *result = message == WM_GETTEXT ? CopyOut(label->text(), wParam, lParam)
                                            : label->text().toUtf8().size();
            return true;
        }
        return false;
    }
    case WndKind::ComboBox:
        return ComboProc(static_cast<QComboBox*>(widget), wnd, message, wParam, lParam, result);
    case WndKind::ListBox:
        return ListProc(static_cast<ListWidget*>(widget), wnd, message, wParam, lParam, result);
    case WndKind::TabCtrl:
        return TabCtrlWindowProc(wnd, message, wParam, lParam, result);
    case WndKind::Surface:
        break;
    }
    return false;
}

// ---------------------------------------------------------------- events

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
        CWnd* wnd = widget ? WndOfWidget(widget) : nullptr;
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
        if (!vk)
            return false;
        MSG msg { wnd->m_hWnd, type == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP, vk, 1, 0, { 0, 0 } };
        for (CWnd* w = wnd; w; w = w->GetParent()) {
            if (w->PreTranslateMessage(&msg))
                return true;
            if (!wnd->m_hWnd)
                return true; // the window went away while handling the key
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

// ---------------------------------------------------------------- control classes

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(WC_STATIC, lpszText, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    ApplyControlStyle(this);
    return TRUE;
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_BUTTON, lpszCaption, dwStyle, rect, pParentWnd, nID);
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
