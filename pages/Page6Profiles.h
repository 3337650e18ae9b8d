// The "Profiles" tab: a recorder's working week and day time, as on the
// schedule zone page, with 30 exception days, each switching the recorder
// to a profile for a number of minutes from a start date and time.
#pragma once

#include "link/RecordingBlocks.h"
#include "pages/ConfigPage.h"
#include "platform/ui/ListCtrl.h"

class CPage6Profiles : public CConfigPage
{
public:
    enum Group { GROUP_ZONE, GROUP_DAYS, GROUP_COUNT };
    static constexpr int kShownDays = 30;

    CPage6Profiles();

    BOOL OnInitDialog() override;

    CFG_SCHEDULE_ZONE m_Zone {};
    CFG_EXCEPTION_DAYS m_Days {};
    CListCtrl m_List;
    int m_nSelected = -1;

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    ConfigResult WriteGroup(int group) override;

    void ShowRow(int row);
    void OnModify();
    void OnListClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnZoneEdited();
    void OnZoneClockChanged(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    void OnEntryEdited();
    void OnStartChanged(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};
