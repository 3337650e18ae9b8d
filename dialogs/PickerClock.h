// The hour and minute of a time picker that shows a time of day: the date
// it stands on is a fixed one, only the clock travels.
#pragma once

#include "platform/ui/DateTimeCtrl.h"

inline void ShowPickerClock(CWnd* pParent, int id, BYTE hour, BYTE minute)
{
    auto* picker = static_cast<CDateTimeCtrl*>(pParent->GetDlgItem(id));
    if (!picker)
        return;
    SYSTEMTIME time {};
    time.wYear = 2003;
    time.wMonth = 1;
    time.wDay = 1;
    // A value a clock cannot show would leave the picker as it was.
    time.wHour = hour < 24 ? hour : 0;
    time.wMinute = minute < 60 ? minute : 0;
    picker->SetTime(&time);
}

inline void TakePickerClock(CWnd* pParent, int id, BYTE* pHour, BYTE* pMinute)
{
    auto* picker = static_cast<CDateTimeCtrl*>(pParent->GetDlgItem(id));
    SYSTEMTIME time {};
    if (!picker || picker->GetTime(&time) != GDT_VALID)
        return;
    *pHour = BYTE(time.wHour);
    *pMinute = BYTE(time.wMinute);
}
