// The alarm action page against a simulated recorder of model class 4: the
// actions and set-up values as read, the exact bodies written, duplicate
// sources, masks the fields cannot show, and "Globally Apply".
#include "pages/Page12DoutRZ4250XT.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page12DoutRZ4250XTTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(4, 4);
        StartDevice();
    }
    CPage12DoutRZ4250XT* Open() { return ShowPage<CPage12DoutRZ4250XT>(); }
    CPage12DoutRZ4250XT* Page() { return static_cast<CPage12DoutRZ4250XT*>(page); }
    // Relay r's entry as the device keeps it: per period flags, sensors,
    // motion, text.
    void StoreRelay(uint8_t relay, std::initializer_list<std::array<uint16_t, 4>> periods)
    {
        sim::Body b;
        b.U8(relay);
        for (const auto& p : periods)
            b.U8(uint8_t(p[0])).U16(p[1]).U16(p[2]).U16(p[3]);
        Server().Store().Store(0x0710, relay, b.bytes);
    }
    static uint16_t Word(const sim::Bytes& b, size_t at) { return uint16_t(b[at] << 8 | b[at + 1]); }
    // Period p's sensor mask in a written action body.
    static uint16_t Sensors(const sim::Bytes& b, int p) { return Word(b, 1 + 7 * p + 1); }
    static uint16_t Motion(const sim::Bytes& b, int p) { return Word(b, 1 + 7 * p + 3); }
};

TEST_F(Page12DoutRZ4250XTTest, ShowsTheActionsAndTheSetup)
{
    Open();
    EXPECT_EQ(Text(IDC_ACTION_SENSOR + 0), "1...");
    EXPECT_EQ(Text(IDC_ACTION_SENSOR + 3), "4...");
    EXPECT_TRUE(Checked(IDC_SPECIAL_TIME_OFF));
    // The buzzer follows any motion: "Any" ticked, its field empty and off.
    EXPECT_TRUE(Checked(IDC_ACTION_MOTION_ANY + 4));
    EXPECT_FALSE(Enabled(IDC_ACTION_MOTION + 4));
    EXPECT_EQ(Text(IDC_ACTION_MOTION + 4), "...");
    EXPECT_TRUE(Checked(IDC_ACTION_TEXT + 5));
    EXPECT_FALSE(Shown(IDC_ACTION_HIDDEN_NOTE));
    EXPECT_EQ(Text(IDC_ACTION_RELAY_TIME + 0), "5");
    EXPECT_EQ(Text(IDC_ACTION_RELAY_TIME + 2), "Off");
    EXPECT_EQ(Text(IDC_ACTION_RELAY_TIME + 3), "Latch");
    EXPECT_EQ(Text(IDC_ACTION_BUZZER_TIME), "30");
    EXPECT_EQ(Text(IDC_ACTION_INTERVAL), "5");
    EXPECT_EQ(Text(IDC_ACTION_EMAIL), "alarm@shop.example");
    EXPECT_EQ(Text(IDC_ACTION_SMTP), "smtp.shop.example");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page12_dout_rz4250xt.png");
}

TEST_F(Page12DoutRZ4250XTTest, WritesEveryActionAndTheSetupExactly)
{
    Open();
    SetText(IDC_ACTION_SENSOR + 1, "7.3..");
    Click(IDC_ACTION_MOTION_ANY + 0);
    SelectCombo(IDC_ACTION_RELAY_TIME + 0, 1); // Latch
    SelectCombo(IDC_ACTION_RELAY_TIME + 1, 10); // 60
    SelectCombo(IDC_ACTION_RELAY_TIME + 3, 0); // Off
    SelectCombo(IDC_ACTION_INTERVAL, 0);
    SetText(IDC_ACTION_SMTP, "mail.example");
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());

    const auto relays = Sent(0x0711);
    ASSERT_EQ(relays.size(), 4u);
    for (size_t r = 0; r < 4; ++r) {
        EXPECT_EQ(relays[r].length, 61u);
        ASSERT_EQ(relays[r].params.size(), 29u);
        EXPECT_EQ(relays[r].params[0], r);
    }
    EXPECT_EQ(Sensors(relays[1].params, 0), 0x0044);
    EXPECT_EQ(Sensors(relays[1].params, 1), 0x0002) << "other periods as read";
    EXPECT_EQ(Motion(relays[0].params, 0), 0xFFFF);
    EXPECT_EQ(relays[0].params[1], 0x80);
    ASSERT_EQ(Sent(0x0713).size(), 1u);
    EXPECT_EQ(Motion(Sent(0x0713)[0].params, 3), 0xFFFF);
    ASSERT_EQ(Sent(0x0715).size(), 1u);
    ASSERT_EQ(Sent(0x0317).size(), 1u);
    EXPECT_EQ(Sent(0x0317)[0].length, 48u);
    EXPECT_EQ(Sent(0x0317)[0].params, (sim::Bytes { 255, 60, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));
    ASSERT_EQ(Sent(0x0319).size(), 1u);
    EXPECT_EQ(Sent(0x0319)[0].params, sim::Bytes { 30 });
    const auto mail = Sent(0x031B);
    ASSERT_EQ(mail.size(), 1u);
    EXPECT_EQ(mail[0].length, 225u);
    EXPECT_EQ(mail[0].params[0], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&mail[0].params[129])), "mail.example");

    // Read back.
    Open();
    EXPECT_EQ(Text(IDC_ACTION_SENSOR + 1), "3.7..");
    EXPECT_EQ(Text(IDC_ACTION_RELAY_TIME + 0), "Latch");
    EXPECT_EQ(Text(IDC_ACTION_INTERVAL), "Off");
}

TEST_F(Page12DoutRZ4250XTTest, ADuplicateSourceStopsApplyLeavingAndOk)
{
    Open();
    SetText(IDC_ACTION_MOTION + 2, "3.3..");
    Click(IDC_PAGE_APPLY);
    const std::vector<std::string> duplicated {
        "Alarm Source is duplicated. Please check the source number."
    };
    EXPECT_EQ(TakeMessages(), duplicated);
    EXPECT_TRUE(Sent(0x0711).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    // Leaving and confirming keeps the page.
    boxes.Answer(IDOK);
    EXPECT_FALSE(page->OnKillActive());
    EXPECT_EQ(TakeMessages().size(), 2u);
    // OK tells it and stays on the page.
    Click(IDC_PAGE_OK);
    EXPECT_EQ(TakeMessages(), duplicated);
    EXPECT_TRUE(Sent(0x0711).empty());
    ASSERT_NE(page->GetSafeHwnd(), nullptr);
    // Corrected, it goes.
    SetText(IDC_ACTION_MOTION + 2, "3.4..");
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0711).size(), 4u);
    EXPECT_EQ(Motion(Sent(0x0711)[2].params, 0), 0x000C);
}

TEST_F(Page12DoutRZ4250XTTest, PeriodsNotEditedKeepMasksTheyCannotShow)
{
    // Relay 1 in "Weekday (night)": sensors 1 to 5 and 16.
    StoreRelay(0, { { 0x80, 1, 0, 0 }, { 0, 0x801F, 0, 0 }, { 0, 1, 0, 0 }, { 0, 1, 0, 0 } });
    Open();
    EXPECT_FALSE(Shown(IDC_ACTION_HIDDEN_NOTE));
    SelectTab(IDC_PERIOD_TAB, 1);
    EXPECT_EQ(Text(IDC_ACTION_SENSOR + 0), "1.2.3.4");
    EXPECT_TRUE(Shown(IDC_ACTION_HIDDEN_NOTE));
    SelectTab(IDC_PERIOD_TAB, 2);
    SelectTab(IDC_PERIOD_TAB, 1);
    // Switching tabs is no edit: nothing to apply.
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(Sent(0x0711).empty());

    // An edit elsewhere writes the mask whole.
    SelectTab(IDC_PERIOD_TAB, 0);
    Click(IDC_ACTION_TEXT + 4);
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x0711).size(), 4u);
    EXPECT_EQ(Sensors(Sent(0x0711)[0].params, 1), 0x801F);
    EXPECT_EQ(Sent(0x0713)[0].params[1 + 6], 0x01) << "the buzzer's text word";

    // Removing a shown source keeps those not shown.
    ClearSent();
    SelectTab(IDC_PERIOD_TAB, 1);
    SetText(IDC_ACTION_SENSOR + 0, "1.2.3.");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Sensors(Sent(0x0711)[0].params, 1), 0x8017);
    // Taken again without being shown again, the same.
    ClearSent();
    Click(IDC_ACTION_TEXT + 0);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Sensors(Sent(0x0711)[0].params, 1), 0x8017);
}

TEST_F(Page12DoutRZ4250XTTest, GloballyApplyCopiesThePeriodShownToAllFour)
{
    Open();
    SelectTab(IDC_PERIOD_TAB, 2);
    SetText(IDC_ACTION_SENSOR + 0, "9...");
    Click(IDC_SPECIAL_TIME_OFF); // cleared in "Weekend (day)"
    Click(IDC_ACTION_GLOBAL);
    Click(IDC_PAGE_APPLY);
    const auto relays = Sent(0x0711);
    ASSERT_EQ(relays.size(), 4u);
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(Sensors(relays[0].params, p), 0x0100) << p;
        EXPECT_EQ(relays[0].params[1 + 7 * p], 0) << p;
        EXPECT_EQ(Motion(Sent(0x0713)[0].params, p), 0xFFFF) << p;
    }
    SelectTab(IDC_PERIOD_TAB, 0);
    EXPECT_EQ(Text(IDC_ACTION_SENSOR + 0), "9...");
    EXPECT_FALSE(Checked(IDC_SPECIAL_TIME_OFF));
}

TEST_F(Page12DoutRZ4250XTTest, WhatCouldNotBeReadIsNotWritten)
{
    Server().SetFault(0x0712, { .closeWithoutReply = true });
    Server().SetFault(0x0318, { .closeWithoutReply = true });
    Open();
    // The mail was not asked after the buzzer's duration failed.
    EXPECT_TRUE(Sent(0x031A).empty());
    EXPECT_EQ(Text(IDC_ACTION_EMAIL), "");
    Click(IDC_ACTION_TEXT + 0);
    Server().ClearFaults();
    Click(IDC_PAGE_OK);
    EXPECT_EQ(Sent(0x0711).size(), 4u);
    EXPECT_EQ(Sent(0x0715).size(), 1u);
    EXPECT_EQ(Sent(0x0317).size(), 1u);
    EXPECT_TRUE(Sent(0x0713).empty());
    EXPECT_TRUE(Sent(0x0319).empty());
    EXPECT_TRUE(Sent(0x031B).empty());
}

} // namespace
