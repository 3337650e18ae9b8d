#include "platform/base/Time.h"

#include "platform/base/Services.h"

namespace
{

time_t FromLocal(int year, int month, int day, int hour, int minute, int second, int nDST)
{
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23 || minute < 0
        || minute > 59 || second < 0 || second > 61)
        return time_t(-1);
    tm t {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = nDST < 0 ? -1 : nDST > 0 ? 1 : 0;
    return mktime(&t);
}

} // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int nDST)
    : m_time(FromLocal(year, month, day, hour, minute, second, nDST))
{
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : m_time(FromLocal(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST))
{
}

CTime CTime::GetCurrentTime()
{
    return CTime(Service<IClock>().Now());
}

bool CTime::GetLocalTm(struct tm* out) const
{
    return out && localtime_r(&m_time, out) != nullptr;
}

int CTime::Field(int tm::*field, int offset) const
{
    tm t {};
    return GetLocalTm(&t) ? t.*field + offset : 0;
}

int CTime::GetYear() const
{
    return Field(&tm::tm_year, 1900);
}
int CTime::GetMonth() const
{
    return Field(&tm::tm_mon, 1);
}
int CTime::GetDay() const
{
    return Field(&tm::tm_mday, 0);
}
int CTime::GetHour() const
{
    return Field(&tm::tm_hour, 0);
}
int CTime::GetMinute() const
{
    return Field(&tm::tm_min, 0);
}
int CTime::GetSecond() const
{
    return Field(&tm::tm_sec, 0);
}
int CTime::GetDayOfWeek() const
{
    return Field(&tm::tm_wday, 1);
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const
{
    tm t {};
    if (!GetLocalTm(&t))
        return false;
    st = { WORD(t.tm_year + 1900), WORD(t.tm_mon + 1), WORD(t.tm_wday), WORD(t.tm_mday), WORD(t.tm_hour),
        WORD(t.tm_min), WORD(t.tm_sec), 0 };
    return true;
}

namespace
{

CString FormatTm(const tm& t, LPCTSTR format)
{
    if (!format || !*format)
        return CString();
    char text[512];
    size_t n = strftime(text, sizeof text, format, &t);
    return CString(text, int(n));
}

} // namespace

CString CTime::Format(LPCTSTR format) const
{
    tm t {};
    return GetLocalTm(&t) ? FormatTm(t, format) : CString();
}

CString CTime::FormatGmt(LPCTSTR format) const
{
    tm t {};
    return gmtime_r(&m_time, &t) ? FormatTm(t, format) : CString();
}

void GetLocalTime(LPSYSTEMTIME st)
{
    if (st && !CTime::GetCurrentTime().GetAsSystemTime(*st))
        *st = {};
}
