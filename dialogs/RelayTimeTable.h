// The relay time table that both relay dialogs are: five consecutive periods
// of a day with an end picker each, and per period a grid of check boxes,
// one per trigger event and relay output. Times follow the shared row
// rules; ticking "Manual" locks the other events of its relay and period.
#pragma once

#include "dialogs/ScheduleRows.h"
#include "link/ScheduleBlocks.h"
#include "platform/base/Time.h"
#include "platform/ui/Dialog.h"

// One trigger event: its mask bit and its check boxes, period by period and
// within a period relay by relay.
struct RelayTriggerRow {
    const int* ids; // [period * relays + relay]
    uint16_t mask;
    bool manual;
};

class CRelayTimeTable : public CDialog
{
public:
    CRelayTimeTable(UINT nIDTemplate, CWnd* pParent, const RelayTriggerRow* rows, int rowCount, int relays);

    // Copies the table in before the dialog runs; after IDOK the caller
    // copies m_RelayTable out whole.
    void SetRelayTable(const tagRelayTable* pTable) { m_RelayTable = *pTable; }
    tagRelayTable m_RelayTable {};

    // 1 to 5.
    int PeriodsInUse() const { return m_Rows.LastInUse() + 1; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    int CheckId(int row, int period, int relay) const { return m_pRows[row].ids[period * m_nRelays + relay]; }
    void EnablePeriod(int period);
    void DisablePeriod(int period);
    void ShowPeriodTriggers(int period, bool show);
    void ShowTimes();
    // The pickers into the table's times.
    void ReadTimes();
    void UpdateManualState();
    void ReadTriggerMasks();
    void OnEndTimeChange(int period);
    void EnableOk();

    const RelayTriggerRow* m_pRows;
    int m_nRowCount;
    int m_nRelays;
    CTime m_Reference;
    CScheduleRows m_Rows;
    bool m_bInUse[SCHEDULE_ROW_COUNT] {};
};
