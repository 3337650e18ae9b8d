// CCamScheduleDlg2: the day plan of one channel of a three-channel camera.
// Its triggers are motion detection, the sensor and the relay output; an
// end time is refused at once when it is not after its row's start, and
// amending moves every later row in use up.
#pragma once

#include "pages/DayPlanDlg.h"

class CPage8Schedule2;

class CCamScheduleDlg2 : public CDayPlanDlg
{
public:
    enum { IDD = IDD_CAM_SCHEDULE2 };

    explicit CCamScheduleDlg2(CWnd* pParent = nullptr);

    void SetSheetLink(SheetLinkRole role, CWnd* pTarget) override;

    BYTE m_bSensorAvailable = 0;
    BYTE m_bRelayAvailable = 0;

protected:
    void ChooseTriggerColumns() override;
    bool IsTriggerAvailable(const TriggerColumn& column) const override;
    tagScheduleEntry* SlotRows() override;
    void MarkSlotChanged() override;
    UINT TitleString() const override;
    const ScheduleRowRules& Rules() const override;
    uint32_t LevelOfFlags(uint8_t flags) const override;
    uint8_t FlagsOfLevel(uint32_t level) const override;
    // The level goes to the quality box as it is.
    uint32_t OpeningLevel(uint32_t level) const override { return level; }

private:
    CPage8Schedule2* m_pPage = nullptr;
};
