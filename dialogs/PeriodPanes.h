// The period panes of a recorder's settings pages: four daily time zones,
// and a daylight-saving period from a weekday and time to a weekday and
// time. Both edit parts of one 27-byte record and hand the rest back as it
// came; each tells its page of every edit.
#pragma once

#include "dialogs/PagePane.h"

struct PERIOD_RECORD {
    BYTE bytes[27];
};

class CZonePeriodsDlg : public CPagePane
{
public:
    explicit CZonePeriodsDlg(CWnd* pParent = nullptr);

    void SetZones(PERIOD_RECORD record);
    // The record from the controls; true when any byte differs from the
    // one kept, which then takes it.
    bool GetZones(PERIOD_RECORD* pRecord);

    BOOL OnInitDialog() override;

protected:
    void ShowZones();
    void OnClockChanged(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    PERIOD_RECORD m_Record {};

    DECLARE_MESSAGE_MAP()
};

class CDstPeriodDlg : public CPagePane
{
public:
    explicit CDstPeriodDlg(CWnd* pParent = nullptr);

    void SetDstPeriod(PERIOD_RECORD record);
    bool GetDstPeriod(PERIOD_RECORD* pRecord);

    BOOL OnInitDialog() override;

protected:
    void ShowPeriod();
    void OnDayChanged();
    void OnClockChanged(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    PERIOD_RECORD m_Record {};

    DECLARE_MESSAGE_MAP()
};
