#include "platform/ui/TabCtrl.h"

#include "platform/ui/ImageListInternal.h"
#include "platform/ui/TabCtrlInternal.h"

#include <QPixmap>
#include <QTabBar>

#include <cstring>

namespace
{

class TabWidget : public QTabBar
{
public:
    TabWidget(QWidget* parent, CWnd* owner)
        : QTabBar(parent)
        , m_owner(owner)
    {
        setDrawBase(true);
        setExpanding(false);
        setUsesScrollButtons(true);
        connect(this, &QTabBar::currentChanged, this, [this](int index) { Changed(index); });
    }

    HIMAGELIST images = nullptr;
    QSize itemSize;
    int quiet = 0;
    int last = -1;
    std::vector<LPARAM> params;

    void ShowImage(int index, int image)
    {
        QImage picture = ImageListImage(images, image);
        setTabIcon(index, picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
        setTabData(index, image);
    }

    void SetItemHeight(int height)
    {
        setStyleSheet(height > 0 ? QStringLiteral("QTabBar::tab { height: %1px; }").arg(height) : QString());
    }

private:
    // A change the user makes asks the parent first; a refusal puts the old tab back.
    void Changed(int index)
    {
        if (quiet) {
            last = index;
            return;
        }
        NMHDR hdr { m_owner->m_hWnd, UINT_PTR(m_owner->GetDlgCtrlID()), TCN_SELCHANGING };
        HWND parent = m_owner->GetParentHandle();
        if (parent && ::SendMessage(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr))) {
            ++quiet;
            setCurrentIndex(last);
            --quiet;
            return;
        }
        last = index;
        hdr.code = TCN_SELCHANGE;
        if (parent)
            ::SendMessage(parent, WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
    }

    CWnd* m_owner;
};

void SetItem(TabWidget* tabs, int index, const TCITEM* item)
{
    if (item->mask & TCIF_TEXT)
        tabs->setTabText(index, QString::fromUtf8(item->pszText ? item->pszText : ""));
    if (item->mask & TCIF_IMAGE)
        tabs->ShowImage(index, item->iImage);
    if (item->mask & TCIF_PARAM)
        tabs->params[size_t(index)] = item->lParam;
}

} // namespace

QWidget* CreateTabWidget(QWidget* parent, CWnd* wnd)
{
    return new TabWidget(parent, wnd);
}

bool TabCtrlWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* tabs = static_cast<TabWidget*>(wnd->GetWidget());
    int count = tabs->count();
    bool valid = int(wParam) >= 0 && int(wParam) < count;
    auto* item = reinterpret_cast<TCITEM*>(lParam);
    switch (message) {
    case TCM_GETITEMCOUNT:
        *result = count;
        return true;
    case TCM_INSERTITEM: {
        if (!item) {
            *result = -1;
            return true;
        }
        int at = int(wParam) < 0 || int(wParam) > count ? count : int(wParam);
        ++tabs->quiet;
        tabs->insertTab(at, QString());
        tabs->params.insert(tabs->params.begin() + at, 0);
        tabs->setTabData(at, -1);
        SetItem(tabs, at, item);
        --tabs->quiet;
        *result = at;
        return true;
    }
    case TCM_SETITEM:
        if (valid && item)
            SetItem(tabs, int(wParam), item);
        *result = valid && item;
        return true;
    case TCM_GETITEM:
        if (!valid || !item) {
            *result = FALSE;
            return true;
        }
        if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
            QByteArray text = tabs->tabText(int(wParam)).toUtf8();
            int n = std::min<int>(int(text.size()), item->cchTextMax - 1);
            std::memcpy(item->pszText, text.constData(), size_t(n));
            item->pszText[n] = '\0';
        }
        if (item->mask & TCIF_IMAGE)
            item->iImage = tabs->tabData(int(wParam)).toInt();
        if (item->mask & TCIF_PARAM)
            item->lParam = tabs->params[wParam];
        *result = TRUE;
        return true;
    case TCM_DELETEITEM:
        if (valid) {
            ++tabs->quiet;
            tabs->removeTab(int(wParam));
            tabs->params.erase(tabs->params.begin() + int(wParam));
            --tabs->quiet;
        }
        *result = valid;
        return true;
    case TCM_DELETEALLITEMS:
        ++tabs->quiet;
        while (tabs->count())
            tabs->removeTab(0);
        tabs->params.clear();
        --tabs->quiet;
        *result = TRUE;
        return true;
    case TCM_GETCURSEL:
        *result = tabs->currentIndex();
        return true;
    case TCM_SETCURSEL: {
        int old = tabs->currentIndex();
        if (valid) {
            ++tabs->quiet;
            tabs->setCurrentIndex(int(wParam));
            --tabs->quiet;
        }
        *result = valid ? old : -1;
        return true;
    }
    case TCM_GETITEMRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (!valid || !r) {
            *result = FALSE;
            return true;
        }
        QRect q = tabs->tabRect(int(wParam));
        *r = RECT { q.left(), q.top(), q.right() + 1, q.bottom() + 1 };
        *result = TRUE;
        return true;
    }
    case TCM_SETITEMSIZE: {
        QSize old = tabs->itemSize;
        tabs->itemSize = QSize(LOWORD(uintptr_t(lParam)), HIWORD(uintptr_t(lParam)));
        tabs->SetItemHeight(tabs->itemSize.height());
        *result = LRESULT(MAKELONG(WORD(old.width()), WORD(old.height())));
        return true;
    }
    case TCM_GETROWCOUNT:
        // The tabs stay on one row and scroll when they do not fit.
        *result = 1;
        return true;
    case TCM_SETIMAGELIST: {
        HIMAGELIST old = tabs->images;
        tabs->images = reinterpret_cast<HIMAGELIST>(lParam);
        for (int i = 0; i < count; ++i)
            tabs->ShowImage(i, tabs->tabData(i).toInt());
        *result = reinterpret_cast<LRESULT>(old);
        return true;
    }
    case TCM_GETIMAGELIST:
        *result = reinterpret_cast<LRESULT>(tabs->images);
        return true;
    case TCM_ADJUSTRECT: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        int h = tabs->count() ? tabs->sizeHint().height() : 0;
        if (r)
            r->top += wParam ? -h : h;
        *result = 0;
        return true;
    }
    default:
        return false;
    }
}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, "SysTabControl32", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

int CTabCtrl::GetItemCount() const
{
    return int(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETITEMCOUNT));
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    TCITEM item {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPSTR>(lpszItem);
    return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem)
{
    return LONG(SendMessage(TCM_INSERTITEM, WPARAM(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::DeleteItem(int nItem)
{
    return BOOL(SendMessage(TCM_DELETEITEM, WPARAM(nItem)));
}
BOOL CTabCtrl::DeleteAllItems()
{
    return BOOL(SendMessage(TCM_DELETEALLITEMS));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const
{
    return BOOL(const_cast<CTabCtrl*>(this)->SendMessage(
        TCM_GETITEM, WPARAM(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem)
{
    return BOOL(SendMessage(TCM_SETITEM, WPARAM(nItem), reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

int CTabCtrl::GetCurSel() const
{
    return int(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETCURSEL));
}
int CTabCtrl::SetCurSel(int nItem)
{
    return int(SendMessage(TCM_SETCURSEL, WPARAM(nItem)));
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    return BOOL(const_cast<CTabCtrl*>(this)->SendMessage(
        TCM_GETITEMRECT, WPARAM(nItem), reinterpret_cast<LPARAM>(lpRect)));
}

CSize CTabCtrl::SetItemSize(CSize size)
{
    auto old = uintptr_t(SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(WORD(size.cx), WORD(size.cy))));
    return CSize(LOWORD(old), HIWORD(old));
}

int CTabCtrl::GetRowCount() const
{
    return int(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETROWCOUNT));
}

HIMAGELIST CTabCtrl::SetImageList(CImageList* pImageList)
{
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr)));
}

HIMAGELIST CTabCtrl::GetImageList() const
{
    return reinterpret_cast<HIMAGELIST>(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETIMAGELIST));
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    SendMessage(TCM_ADJUSTRECT, WPARAM(bLarger), reinterpret_cast<LPARAM>(lpRect));
}
