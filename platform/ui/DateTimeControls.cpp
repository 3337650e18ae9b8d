// The month calendar and the date-time picker on Qt's calendar and
// date-time edit. Both keep plain wall-clock fields: the edit counts in UTC
// so that no local daylight-saving gap can refuse a value.
#include "platform/ui/ControlsInternal.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/DateTimeCtrl.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>

namespace
{

QDate DateOf(const SYSTEMTIME& st)
{
    return QDate(st.wYear, st.wMonth, st.wDay);
}

void Fill(SYSTEMTIME* st, const QDate& date, const QTime& time)
{
    *st = SYSTEMTIME {};
    st->wYear = WORD(date.year());
    st->wMonth = WORD(date.month());
    st->wDay = WORD(date.day());
    st->wDayOfWeek = WORD(date.dayOfWeek() % 7);
    st->wHour = WORD(time.hour());
    st->wMinute = WORD(time.minute());
    st->wSecond = WORD(time.second());
}

// Changes the program makes send no notification.
template <class Widget> class Quietable : public Widget
{
public:
    using Widget::Widget;
    int quiet = 0;
};
using CalendarWidget = Quietable<QCalendarWidget>;
using PickerWidget = Quietable<QDateTimeEdit>;

void Notify(CWnd* wnd, UINT code, NMHDR* hdr)
{
    hdr->hwndFrom = wnd->m_hWnd;
    hdr->idFrom = UINT_PTR(wnd->GetDlgCtrlID());
    hdr->code = code;
    if (HWND parent = wnd->GetParentHandle())
        ::SendMessage(parent, WM_NOTIFY, hdr->idFrom, reinterpret_cast<LPARAM>(hdr));
}

} // namespace

QWidget* CreateMonthCalWidget(QWidget* parent, CWnd* wnd)
{
    auto* calendar = new CalendarWidget(parent);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    QObject::connect(calendar, &QCalendarWidget::selectionChanged, calendar, [calendar, wnd] {
        if (calendar->quiet)
            return;
        NMHDR hdr {};
        Notify(wnd, MCN_SELCHANGE, &hdr);
    });
    return calendar;
}

bool MonthCalWindowProc(CWnd* wnd, UINT message, WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* calendar = static_cast<CalendarWidget*>(wnd->GetWidget());
    auto* st = reinterpret_cast<SYSTEMTIME*>(lParam);
    switch (message) {
    case MCM_GETCURSEL:
        if (st)
            Fill(st, calendar->selectedDate(), QTime(0, 0));
        *result = st != nullptr;
        return true;
    case MCM_SETCURSEL: {
        if (!st || !DateOf(*st).isValid()) {
            *result = FALSE;
            return true;
        }
        ++calendar->quiet;
        calendar->setSelectedDate(DateOf(*st));
        --calendar->quiet;
        *result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

QWidget* CreateDateTimePickWidget(DWORD style, QWidget* parent, CWnd* wnd)
{
    auto* picker = new PickerWidget(parent);
    picker->setTimeSpec(Qt::UTC);
    picker->setDateTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC));
    picker->setDisplayFormat((style & DTS_TIMEFORMAT) == DTS_TIMEFORMAT ? "HH:mm:ss" : "yyyy-MM-dd");
    QObject::connect(picker, &QDateTimeEdit::dateTimeChanged, picker, [picker, wnd] {
        if (picker->quiet)
            return;
        NMDATETIMECHANGE change {};
        change.dwFlags = GDT_VALID;
        const QDateTime value = picker->dateTime();
        Fill(&change.st, value.date(), value.time());
        Notify(wnd, DTN_DATETIMECHANGE, &change.nmhdr);
    });
    return picker;
}

bool DateTimePickWindowProc(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* picker = static_cast<PickerWidget*>(wnd->GetWidget());
    switch (message) {
    case DTM_GETSYSTEMTIME: {
        auto* st = reinterpret_cast<SYSTEMTIME*>(lParam);
        const QDateTime value = picker->dateTime();
        if (st)
            Fill(st, value.date(), value.time());
        *result = st ? GDT_VALID : GDT_ERROR;
        return true;
    }
    case DTM_SETSYSTEMTIME: {
        auto* st = reinterpret_cast<const SYSTEMTIME*>(lParam);
        const QTime time = st ? QTime(st->wHour, st->wMinute, st->wSecond) : QTime();
        if (wParam != GDT_VALID || !st || !DateOf(*st).isValid() || !time.isValid()) {
            *result = FALSE;
            return true;
        }
        ++picker->quiet;
        picker->setDateTime(QDateTime(DateOf(*st), time, Qt::UTC));
        --picker->quiet;
        *result = TRUE;
        return true;
    }
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        // The text is the time as the picker shows it.
        return AnswerTextQuery(picker->text(), message, wParam, lParam, result);
    case DTM_SETFORMAT:
        picker->setDisplayFormat(FromText(lParam));
        *result = TRUE;
        return true;
    default:
        return false;
    }
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew)
{
    SYSTEMTIME st {};
    if (!pTimeNew || !pTimeNew->GetAsSystemTime(st))
        return FALSE;
    return SetTime(&st);
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const
{
    SYSTEMTIME st {};
    const DWORD result = GetTime(&st);
    if (result == GDT_VALID)
        timeDest = CTime(st);
    return result;
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (!hWnd)
        return;
    SYSTEMTIME st {};
    if (pDX->m_bSaveAndValidate) {
        if (::SendMessage(hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) == LRESULT(GDT_VALID))
            value = CTime(st);
    } else if (value.GetAsSystemTime(st)) {
        ::SendMessage(hWnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    }
}
