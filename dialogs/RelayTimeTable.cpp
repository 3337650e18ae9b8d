#include "dialogs/RelayTimeTable.h"

#include "dialogs/ScheduleTimePickers.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"
#include "resources/setup/Resource.h"

#include <algorithm>

namespace
{

const ScheduleRowRules kRelayRules { ScheduleRowRules::MOVE_TIMES_CLIPPED, IDS_DELETE_SCHEDULE,
    IDS_REPLACE_SCHEDULE, 0, true };

int PeriodOfEnd(int id)
{
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        if (kScheduleEndIds[p] == id)
            return p;
    }
    return -1;
}

} // namespace

CRelayTimeTable::CRelayTimeTable(
    UINT nIDTemplate, CWnd* pParent, const RelayTriggerRow* rows, int rowCount, int relays)
    : CDialog(nIDTemplate, pParent)
    , m_pRows(rows)
    , m_nRowCount(rowCount)
    , m_nRelays(relays)
{
}

void CRelayTimeTable::EnableOk()
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(TRUE);
}

void CRelayTimeTable::EnablePeriod(int period)
{
    // The last period's end is never the user's to move.
    if (period + 1 < SCHEDULE_ROW_COUNT) {
        if (CWnd* end = GetDlgItem(kScheduleEndIds[period]))
            end->EnableWindow(TRUE);
    }
    for (int row = 0; row < m_nRowCount; ++row) {
        for (int relay = 0; relay < m_nRelays; ++relay) {
            if (CWnd* box = GetDlgItem(CheckId(row, period, relay)))
                box->EnableWindow(TRUE);
        }
    }
}

void CRelayTimeTable::DisablePeriod(int period)
{
    if (CWnd* end = GetDlgItem(kScheduleEndIds[period]))
        end->EnableWindow(FALSE);
    for (int row = 0; row < m_nRowCount; ++row) {
        for (int relay = 0; relay < m_nRelays; ++relay) {
            CheckDlgButton(CheckId(row, period, relay), BST_UNCHECKED);
            if (CWnd* box = GetDlgItem(CheckId(row, period, relay)))
                box->EnableWindow(FALSE);
        }
    }
}

void CRelayTimeTable::ShowPeriodTriggers(int period, bool show)
{
    for (int row = 0; row < m_nRowCount; ++row) {
        for (int relay = 0; relay < m_nRelays; ++relay) {
            const bool on = show && (m_RelayTable.period[period].trigger[relay] & m_pRows[row].mask);
            CheckDlgButton(CheckId(row, period, relay), on ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void CRelayTimeTable::ShowTimes()
{
    ShowScheduleTimes(this, m_Rows, m_Reference);
}

BOOL CRelayTimeTable::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        if (auto* start = static_cast<CDateTimeCtrl*>(GetDlgItem(kScheduleStartIds[p]))) {
            start->EnableWindow(FALSE);
            start->SetFormat("H:mm");
        }
        if (auto* end = static_cast<CDateTimeCtrl*>(GetDlgItem(kScheduleEndIds[p])))
            end->SetFormat("H:mm");
    }
    EnablePeriod(0);
    for (int p = 1; p < SCHEDULE_ROW_COUNT; ++p)
        DisablePeriod(p);
    m_Reference = CTime(2000, 1, 1, 0, 0, 0);

    uint32_t start[SCHEDULE_ROW_COUNT], end[SCHEDULE_ROW_COUNT];
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        start[p] = m_RelayTable.period[p].start;
        end[p] = m_RelayTable.period[p].end;
    }
    m_Rows.Load(start, end);
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        if (p > 0 && m_Rows.Enabled(p))
            EnablePeriod(p);
        // A period that ends before it starts shows no ticks.
        const bool empty = (start[p] == 0 && end[p] == 0) || start[p] > end[p];
        ShowPeriodTriggers(p, !empty);
    }
    ShowTimes();
    UpdateManualState();
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(FALSE);
    return TRUE;
}

void CRelayTimeTable::ReadTimes()
{
    uint32_t start[SCHEDULE_ROW_COUNT], end[SCHEDULE_ROW_COUNT];
    m_Rows.Collect(start, end);
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        m_RelayTable.period[p].start = start[p];
        m_RelayTable.period[p].end = end[p];
    }
}

void CRelayTimeTable::UpdateManualState()
{
    ReadTimes();
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p)
        m_bInUse[p] = p == 0 || m_RelayTable.period[p].start != 0 || m_RelayTable.period[p].end != 0;
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        for (int relay = 0; relay < m_nRelays; ++relay) {
            bool manual = false;
            for (int row = 0; row < m_nRowCount; ++row) {
                if (m_pRows[row].manual && IsDlgButtonChecked(CheckId(row, p, relay)))
                    manual = true;
            }
            for (int row = 0; row < m_nRowCount; ++row) {
                if (m_pRows[row].manual)
                    continue;
                CWnd* box = GetDlgItem(CheckId(row, p, relay));
                if (!box)
                    continue;
                if (manual)
                    box->EnableWindow(FALSE);
                else if (m_bInUse[p])
                    box->EnableWindow(TRUE);
            }
        }
    }
}

void CRelayTimeTable::OnEndTimeChange(int period)
{
    EnableOk();
    auto* picker = static_cast<CDateTimeCtrl*>(GetDlgItem(kScheduleEndIds[period]));
    CTime value;
    if (!picker || picker->GetTime(value) != GDT_VALID)
        return;
    const uint32_t shown = uint32_t(((value - m_Reference).GetTotalSeconds() % 86400 + 86400) % 86400);
    std::vector<RowEvent> events;
    m_Rows.ChangeEnd(
        period, shown, kRelayRules,
        [](UINT id) { return AfxMessageBox(id, MB_YESNO | MB_ICONHAND) == IDYES; },
        [](UINT id) { AfxMessageBox(id); }, &events);
    for (const RowEvent& event : events) {
        if (event.kind == ROW_CLEARED)
            DisablePeriod(event.row);
        else
            EnablePeriod(event.row);
    }
    ShowTimes();
    UpdateManualState();
}

void CRelayTimeTable::ReadTriggerMasks()
{
    ReadTimes();
    for (int p = 0; p < SCHEDULE_ROW_COUNT; ++p) {
        for (int relay = 0; relay < m_nRelays; ++relay) {
            uint16_t mask = 0;
            for (int row = 0; row < m_nRowCount; ++row) {
                if (IsDlgButtonChecked(CheckId(row, p, relay)))
                    mask |= m_pRows[row].mask;
            }
            m_RelayTable.period[p].trigger[relay] = mask;
        }
    }
}

void CRelayTimeTable::OnOK()
{
    {
        CWaitCursor wait;
        const int misordered = m_Rows.FirstMisorderedRow();
        if (misordered > 0) {
            AfxMessageBox(MisorderedRowMessage(misordered));
            if (CWnd* end = GetDlgItem(kScheduleEndIds[misordered]))
                end->SetFocus();
            return;
        }
    }
    ReadTriggerMasks();
    CDialog::OnOK();
}

BOOL CRelayTimeTable::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && id != IDOK && id != IDCANCEL) {
        for (int row = 0; row < m_nRowCount; ++row) {
            const int* ids = m_pRows[row].ids;
            if (std::find(ids, ids + SCHEDULE_ROW_COUNT * m_nRelays, id)
                == ids + SCHEDULE_ROW_COUNT * m_nRelays)
                continue;
            EnableOk();
            if (m_pRows[row].manual)
                UpdateManualState();
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CRelayTimeTable::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    if (hdr && hdr->code == DTN_DATETIMECHANGE) {
        const int period = PeriodOfEnd(int(hdr->idFrom));
        // The last period's end changes nothing.
        if (period >= 0 && period + 1 < SCHEDULE_ROW_COUNT)
            OnEndTimeChange(period);
        *pResult = 0;
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}
