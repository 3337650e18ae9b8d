// The start and end time pickers of the five day-plan rows, which the
// day-plan dialogs and the relay time tables lay out with the same ids.
#pragma once

#include "dialogs/ScheduleRows.h"
#include "platform/base/Time.h"
#include "platform/ui/Wnd.h"

extern const int kScheduleStartIds[SCHEDULE_ROWS];
extern const int kScheduleEndIds[SCHEDULE_ROWS];

// Shows each row's start and end as times of the day after `reference`.
void ShowScheduleTimes(CWnd* dlg, const CScheduleRows& rows, const CTime& reference);
