#include "dialogs/ScheduleTimePickers.h"

#include "platform/ui/DateTimeCtrl.h"
#include "resources/setup/Resource.h"

const int kScheduleStartIds[SCHEDULE_ROWS] = { IDC_SCHEDULE_START1, IDC_SCHEDULE_START2, IDC_SCHEDULE_START3,
    IDC_SCHEDULE_START4, IDC_SCHEDULE_START5 };
const int kScheduleEndIds[SCHEDULE_ROWS]
    = { IDC_SCHEDULE_END1, IDC_SCHEDULE_END2, IDC_SCHEDULE_END3, IDC_SCHEDULE_END4, IDC_SCHEDULE_END5 };

void ShowScheduleTimes(CWnd* dlg, const CScheduleRows& rows, const CTime& reference)
{
    for (int r = 0; r < SCHEDULE_ROWS; ++r) {
        if (auto* start = static_cast<CDateTimeCtrl*>(dlg->GetDlgItem(kScheduleStartIds[r]))) {
            const CTime time = reference + CTimeSpan(time_t(rows.Start(r)));
            start->SetTime(&time);
        }
        if (auto* end = static_cast<CDateTimeCtrl*>(dlg->GetDlgItem(kScheduleEndIds[r]))) {
            const CTime time = reference + CTimeSpan(time_t(rows.End(r)));
            end->SetTime(&time);
        }
    }
}
