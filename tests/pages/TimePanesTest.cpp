// The time panes and the small system dialogs on a window of their own: what
// each shows of a record, what it hands back, when it tells its page of an
// edit; and the device-time arithmetic they share.
#include "dialogs/NtpDlg.h"
#include "dialogs/NtpIpTypeDlg.h"
#include "dialogs/TimeSyncDlg.h"
#include "pages/DateTimeDlg.h"
#include "pages/PasswordInputDlg.h"
#include "pages/common/DeviceTime.h"
#include "pages/common/TimeZones.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "tests/pages/PageFixture.h"

#include <cstring>

namespace
{

class TimePanesTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ASSERT_TRUE(
            pane.CreateEx(0, nullptr, "Panes", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr));
        pane.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        if (pane.GetSafeHwnd())
            pane.DestroyWindow();
        PageTest::TearDown();
    }
    PaneHost pane;
};

tagNtpSetting Ntp(uint8_t b0, uint8_t b1, uint8_t b2, uint32_t address, uint32_t interval)
{
    return tagNtpSetting { { b0, b1, b2, 0 }, address, interval };
}

TEST_F(TimePanesTest, TheIpTypePaneRoundsIntervalsToItsHoursAndEnablesByMode)
{
    CNtpIpTypeDlg dlg(&pane);
    ASSERT_TRUE(dlg.Create(IDD_NTP_IP_TYPE, &pane));
    tagNtpSetting out {};
    // Nothing chosen yet: no interval.
    dlg.GetNtp(&out);
    EXPECT_EQ(out.dwInterval, 0u);

    const struct {
        uint32_t in;
        int index;
        uint32_t back;
    } rows[] = { { 90, 0, 60 }, { 200, 1, 180 }, { 360, 2, 360 }, { 720, 3, 720 }, { 1440, 4, 1440 },
        { 5, 0, 60 } };
    for (const auto& row : rows) {
        dlg.SetNtp(Ntp(2, 1, 0, 0xC0A80001, row.in));
        EXPECT_EQ(ComboSelection(IDC_NTP_INTERVAL_LIST, &dlg), row.index) << row.in;
        dlg.GetNtp(&out);
        EXPECT_EQ(out.dwInterval, row.back) << row.in;
    }
    EXPECT_EQ(out.byField[0], 2);
    EXPECT_EQ(out.byField[1], 1);
    EXPECT_EQ(out.dwAddress, 0xC0A80001u);
    // A client on a local server: everything open; a server: nothing.
    EXPECT_TRUE(Enabled(IDC_NTP_ADDRESS, &dlg));
    EXPECT_EQ(pane.edits, 0);
    SelectCombo(IDC_NTP_MODE, 1, &dlg);
    EXPECT_FALSE(Enabled(IDC_NTP_ADDRESS, &dlg));
    EXPECT_FALSE(Enabled(IDC_NTP_INTERVAL_LIST, &dlg));
    EXPECT_EQ(pane.edits, 1);
    SelectCombo(IDC_NTP_MODE, 2, &dlg);
    SelectCombo(IDC_NTP_LOCATION, 0, &dlg);
    EXPECT_TRUE(Enabled(IDC_NTP_INTERVAL_LIST, &dlg));
    EXPECT_FALSE(Enabled(IDC_NTP_ADDRESS, &dlg));
    EXPECT_EQ(pane.edits, 3);
    dlg.DestroyWindow();
}

TEST_F(TimePanesTest, TheNtpIntervalTakesAnyNumberAndItsArrowsStepWithinTheirRange)
{
    CNtpDlg dlg(&pane);
    ASSERT_TRUE(dlg.Create(IDD_NTP, &pane));
    auto* spin = static_cast<CSpinButtonCtrl*>(dlg.GetDlgItem(IDC_NTP_INTERVAL_SPIN));
    ASSERT_NE(spin, nullptr);
    dlg.SetNtp(Ntp(1, 0, 0, 0, 60));
    const int edits = pane.edits;
    spin->Step(true);
    EXPECT_EQ(Text(IDC_NTP_INTERVAL, &dlg), "61");
    EXPECT_EQ(pane.edits, edits + 1);
    // Typed beyond the arrows' range: kept as typed, the arrows step from
    // their end.
    SetText(IDC_NTP_INTERVAL, "5000", &dlg);
    tagNtpSetting out {};
    dlg.GetNtp(&out);
    EXPECT_EQ(out.dwInterval, 5000u);
    spin->Step(true);
    EXPECT_EQ(Text(IDC_NTP_INTERVAL, &dlg), "4095");
    SetText(IDC_NTP_INTERVAL, "0", &dlg);
    spin->Step(false);
    EXPECT_EQ(Text(IDC_NTP_INTERVAL, &dlg), "0");
    // A server keeps no interval of its own.
    dlg.SetNtp(Ntp(1, 1, 0, 0, 60));
    EXPECT_FALSE(Enabled(IDC_NTP_INTERVAL_SPIN, &dlg));
    dlg.DestroyWindow();
}

TEST_F(TimePanesTest, TheTimeSyncPaneTellsOnlyRealChanges)
{
    CTimeSyncDlg dlg(&pane);
    ASSERT_TRUE(dlg.Create(IDD_TIME_SYNC, &pane));
    tagTimeSyncSetting in = Ntp(1, 0, 1, 0x0A000005, 30);
    in.byField[3] = 7; // carried through
    dlg.SetTimeSync(in);
    tagTimeSyncSetting out {};
    EXPECT_FALSE(dlg.GetTimeSync(&out));
    EXPECT_EQ(std::memcmp(&out, &in, sizeof in), 0);
    // A new record is not a change the user made.
    dlg.SetTimeSync(Ntp(0, 1, 0, 0x0A000006, 60));
    EXPECT_FALSE(dlg.GetTimeSync(&out));

    SelectCombo(IDC_NTP_MODE, 0, &dlg);
    SetText(IDC_NTP_ADDRESS, "10.0.0.9", &dlg);
    EXPECT_GE(pane.edits, 2);
    EXPECT_TRUE(dlg.GetTimeSync(&out));
    EXPECT_EQ(out.byField[1], 0);
    EXPECT_EQ(out.dwAddress, 0x0A000009u);
    EXPECT_EQ(out.dwInterval, 60u);
    EXPECT_FALSE(dlg.GetTimeSync(&out));
    dlg.DestroyWindow();
}

TEST_F(TimePanesTest, TheDateTimePaneShowsTheRecordersWallClockAndKeepsAHundredZones)
{
    CDateTimeDlg dlg(&pane);
    ASSERT_TRUE(dlg.Create(IDD_DATE_TIME, &pane));
    dlg.ShowWindow(SW_SHOW);
    // A device list longer than the pane's room.
    std::vector<uint8_t> names(120 * 64, 'x'), rules(120 * 15, 0);
    for (int i = 0; i < 120; ++i)
        rules[size_t(i) * 15 + 14] = 60;
    dlg.SetZoneList(120, names.data(), rules.data());
    names.clear();
    rules.clear();
    SetZoneRuleNumber(26, 1);
    SetZoneRuleNumber(60, 0);

    const int32_t berlin[5] = { 1784110830, 26, 0, 1, 1 };
    dlg.SetDateTime(berlin);
    EXPECT_EQ(dlg.m_ZoneShift[99], 3600);
    SYSTEMTIME st {};
    dlg.m_TimeCtrl.GetTime(&st);
    EXPECT_EQ(st.wHour, 12); // 10:20 UTC, one hour east, one for summer
    EXPECT_EQ(Checked(IDC_PANE_DST_AUTO, &dlg), 1);
    EXPECT_TRUE(dlg.GetDlgItem(IDC_PANE_DST_AUTO)->IsWindowVisible());
    // A zone without daylight saving hides the box.
    SelectCombo(IDC_SYS_ZONE, 60, &dlg);
    EXPECT_FALSE(dlg.GetDlgItem(IDC_PANE_DST_AUTO)->IsWindowVisible());
    EXPECT_EQ(Checked(IDC_PANE_DST_AUTO, &dlg), 0);

    // A zone outside the table: no offset, no selection, the message.
    const int32_t unknown[5] = { 1784110830, 500, 0, 0, 0 };
    dlg.SetDateTime(unknown);
    EXPECT_EQ(dlg.m_nZoneIndex, -1);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "The timezone is not set. please set it!" });

    const int32_t unset[5] = { -1, 26, 0, 0, 0 };
    dlg.SetDateTime(unset);
    EXPECT_TRUE(WaitFor([this] { return !boxes.Boxes().empty(); }, 3000));
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Time Error! Please reset the time. " });
    dlg.DestroyWindow();
}

TEST_F(TimePanesTest, PasswordOkWaitsForTheFirstCharacter)
{
    CPasswordInputDlg dlg(&pane);
    std::vector<int> okStates;
    dialogs.script = [&](CDialog* box) {
        okStates.push_back(Enabled(IDOK, box));
        SetText(IDC_PASSWORD_INPUT, "s", box);
        okStates.push_back(Enabled(IDOK, box));
        SetText(IDC_PASSWORD_INPUT, "", box);
        okStates.push_back(Enabled(IDOK, box));
        SetText(IDC_PASSWORD_INPUT, "secret", box);
        Click(IDC_PASSWORD_SAVE, box);
        Click(IDOK, box);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(okStates, (std::vector<int> { 0, 1, 0 }));
    EXPECT_EQ(std::string(dlg.m_strPassword), "secret");
    EXPECT_TRUE(dlg.m_bSavePassword);
    EXPECT_EQ(std::string(dialogs.captions.back()), "Input password");
}

TEST(DeviceTime, FieldsSecondsZonesAndPickers)
{
    const SYSTEMTIME st = UtcFields(1784110830);
    EXPECT_EQ(st.wYear, 2026);
    EXPECT_EQ(st.wMonth, 7);
    EXPECT_EQ(st.wDay, 15);
    EXPECT_EQ(st.wDayOfWeek, 3); // a Wednesday
    EXPECT_EQ(SecondsOfFields(st, st), 1784110830);
    EXPECT_EQ(UtcFields(-1).wYear, 1969);
    SYSTEMTIME shown {};
    EXPECT_FALSE(ShownDeviceTime(1000, 3600, 0, &shown)); // still 1970
    EXPECT_TRUE(ShownDeviceTime(1784110830, -18000, 3600, &shown));
    EXPECT_EQ(shown.wHour, 6);

    // Indexes from a device outside the tables give nothing.
    EXPECT_EQ(ZoneRuleNumber(74), 0u);
    EXPECT_EQ(ZoneRuleNumber(0xFFFFFFFF), 0u);
    SetZoneRuleNumber(5, 9);
    EXPECT_EQ(ZoneDaylightShift(5, {}), 0);
    SetZoneRuleNumber(5, 0);

    EXPECT_EQ(PickerSecondsOfDay(PickerTimeOfDay(8 * 3600 + 30 * 60)), 8 * 3600 + 30 * 60);
    EXPECT_EQ(PickerTimeOfDay(3600).wYear, 2000);

    DaylightRule byWeekday { "Europe", { 3, 0, 0, 0, 1, 0, 10, 0, 0, 0, 1, 0, 1 }, 3600 };
    EXPECT_EQ(std::string(DescribeDaylightRule(byWeekday)),
        "Europe ( Last Sunday in March at 01:00 ~ Last Sunday in October at 01:00 UTC)");
    DaylightRule byDate { "Fixed", { 4, 1, 0, 0, 2, 0, 9, 30, 0, 0, 3, 0, 0 }, 3600 };
    EXPECT_EQ(std::string(DescribeDaylightRule(byDate)), "Fixed ( April,1 at 02:00 ~ Setember,30 at 03:00 )");
}

} // namespace
