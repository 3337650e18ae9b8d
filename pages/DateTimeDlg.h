// CDateTimeDlg: the date and time pane of a recorder's system page. It shows
// the device's wall-clock time in a calendar and a time picker, its time
// zone and whether the clock follows daylight saving; the user only looks.
#pragma once

#include "platform/ui/Controls.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

#include <cstdint>
#include <string>
#include <vector>

class CDateTimeDlg : public CDialog
{
public:
    // The pane keeps this many of the device's zones.
    static constexpr int kMaxZones = 100;
    static constexpr int kZoneNameSize = 64;
    static constexpr int kZoneRuleSize = 15;

    explicit CDateTimeDlg(CWnd* pParent = nullptr);

    // The device's zone list of the 0x0112 / 0x010F replies: `count` names of
    // 64 bytes and rules of 15 bytes. The pane copies what it keeps, so the
    // caller may free the tables at once; null names leave the list empty.
    void SetZoneList(uint32_t count, const uint8_t* names, const uint8_t* rules);
    // The five words of the 0x0110 reply: clock, zone index, unused,
    // adjust automatically, daylight saving in effect.
    void SetDateTime(const int32_t words[5]);

    CDateTimeCtrl m_TimeCtrl;
    CMonthCalCtrl m_MonthCal;
    int32_t m_nDeviceTime = 0;
    BOOL m_bDaylightInEffect = FALSE;
    BOOL m_bAdjustAutomatically = FALSE;
    int32_t m_nZoneOffset = 0;
    int m_nZoneIndex = -1;
    // The shift of each of the device's zones, seconds.
    int32_t m_ZoneShift[kMaxZones] = {};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR nIDEvent);
    void OnSelchangeZone();
    // The pane has no OK or Cancel of its own.
    void OnOK() override { }
    void OnCancel() override { }

    DECLARE_MESSAGE_MAP()

private:
    void ShowTime(int64_t time);
    void ZoneChanged();

    uint32_t m_nZoneCount = 0;
    std::vector<uint8_t> m_ZoneNames;
    std::vector<uint8_t> m_ZoneRules;
    int32_t m_Words[5] = {};
};
