// CTime and CTimeSpan: seconds since 1970-01-01 UTC, broken down in local
// time, as the pickers and schedules use them. The current time comes from
// the clock service, so tests fix it.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/base/String.h"
#include "platform/base/Types.h"

#include <ctime>

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
using LPSYSTEMTIME = SYSTEMTIME*;

class PLATFORM_API CTimeSpan
{
public:
    CTimeSpan() = default;
    CTimeSpan(time_t seconds)
        : m_span(seconds)
    {
    }
    CTimeSpan(LONG days, int hours, int minutes, int seconds)
        : m_span(((time_t(days) * 24 + hours) * 60 + minutes) * 60 + seconds)
    {
    }
    time_t GetTotalSeconds() const { return m_span; }
    time_t GetTotalMinutes() const { return m_span / 60; }
    time_t GetTotalHours() const { return m_span / 3600; }
    time_t GetDays() const { return m_span / 86400; }
    int GetHours() const { return int(m_span / 3600 % 24); }
    int GetMinutes() const { return int(m_span / 60 % 60); }
    int GetSeconds() const { return int(m_span % 60); }
    CTimeSpan operator+(CTimeSpan o) const { return CTimeSpan(m_span + o.m_span); }
    CTimeSpan operator-(CTimeSpan o) const { return CTimeSpan(m_span - o.m_span); }
    bool operator==(CTimeSpan o) const { return m_span == o.m_span; }
    bool operator!=(CTimeSpan o) const { return m_span != o.m_span; }
    bool operator<(CTimeSpan o) const { return m_span < o.m_span; }
    bool operator>(CTimeSpan o) const { return m_span > o.m_span; }

private:
    time_t m_span = 0;
};

class PLATFORM_API CTime
{
public:
    CTime() = default;
    CTime(time_t t)
        : m_time(t)
    {
    }
    // Local time; nDST < 0 lets the system decide on daylight saving. A
    // date that cannot be represented gives the time -1.
    CTime(int year, int month, int day, int hour, int minute, int second, int nDST = -1);
    explicit CTime(const SYSTEMTIME& st, int nDST = -1);

    static CTime GetCurrentTime();

    time_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const;
    bool GetLocalTm(struct tm* out) const;
    bool GetAsSystemTime(SYSTEMTIME& st) const;
    // strftime formats of the local time, and of UTC.
    CString Format(LPCTSTR format) const;
    CString FormatGmt(LPCTSTR format) const;

    CTimeSpan operator-(CTime o) const { return CTimeSpan(m_time - o.m_time); }
    CTime operator+(CTimeSpan s) const { return CTime(m_time + s.GetTotalSeconds()); }
    CTime operator-(CTimeSpan s) const { return CTime(m_time - s.GetTotalSeconds()); }
    CTime& operator+=(CTimeSpan s)
    {
        m_time += s.GetTotalSeconds();
        return *this;
    }
    CTime& operator-=(CTimeSpan s)
    {
        m_time -= s.GetTotalSeconds();
        return *this;
    }
    bool operator==(CTime o) const { return m_time == o.m_time; }
    bool operator!=(CTime o) const { return m_time != o.m_time; }
    bool operator<(CTime o) const { return m_time < o.m_time; }
    bool operator<=(CTime o) const { return m_time <= o.m_time; }
    bool operator>(CTime o) const { return m_time > o.m_time; }
    bool operator>=(CTime o) const { return m_time >= o.m_time; }

private:
    int Field(int tm::*field, int offset) const;
    time_t m_time = 0;
};

// The clock service's current local time.
PLATFORM_API void GetLocalTime(LPSYSTEMTIME st);
