// CCamScheduleDlg: the day plan of one channel of a four-channel camera
// (families 0 and 3), with the trigger columns of the device's family and
// firmware; in family 3 each relay output is driven by one slot at most.
#pragma once

#include "pages/DayPlanDlg.h"

class CPage8Schedule;

class CCamScheduleDlg : public CDayPlanDlg
{
public:
    enum { IDD = IDD_CAM_SCHEDULE };

    explicit CCamScheduleDlg(CWnd* pParent = nullptr);

    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;

    BYTE m_byAvailable[8] {}; // sensors 1 to 4, then relay outputs 1 to 4

protected:
    void ChooseTriggerColumns() override;
    bool IsTriggerAvailable(const TriggerColumn& column) const override;
    tagScheduleEntry* SlotRows() override;
    void MarkSlotChanged() override;
    UINT TitleString() const override;
    const ScheduleRowRules& Rules() const override;
    bool FollowsPreviousEnabling() const override;
    void AfterStore(const tagScheduleEntry* rows) override;

private:
    CPage8Schedule* m_pPage = nullptr;
};
