// What the camera schedule pages share: a day chart with its hint window,
// the post-alarm edit with its up-down control, and controls placed in
// pixels when the page starts.
#pragma once

#include "pages/ConfigPage.h"
#include "pages/common/DayChart.h"
#include "pages/common/ScheduleHint.h"
#include "platform/ui/DataExchange.h"

class CDayChartPage : public CConfigPage
{
public:
    // `postAlarmGroup` is the settings group an edit of the post-alarm time changes.
    CDayChartPage(UINT nIDTemplate, SheetSlot slot, int groupCount, int postAlarmGroup);

    void SetScheduleBlock(const BYTE block[16]) override;
    void ReleaseChildDialogs() override;
    BOOL OnInitDialog() override;

    int m_nPostAlarm = 0; // seconds, 1 to 60
    float m_fTimeX = DAY_CHART_LEFT; // the current-time marker
    CScheduleHint m_Hint;

    // A control's place in pixels.
    struct Place {
        int id, x, y, cx, cy;
    };

protected:
    void PlaceControls(const Place* places, int count);

    // The chart's channels and, per channel, whether it uses the 30-frame list.
    virtual const DayChannel* ChartChannels(int* count, const BYTE** b30Frames) const = 0;
    // The hint of the cell under a point of the page; empty off the cells.
    virtual CString HintAt(CPoint point) const;

    void CloseHintWindow() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL ValidateSettings() override;

    void OnChangePostAlarm();
    void OnDeltaposSpin(NMHDR* pNMHDR, LRESULT* pResult);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    int m_nPostAlarmGroup;
    BYTE m_byScheduleBlock[16] {};
};
