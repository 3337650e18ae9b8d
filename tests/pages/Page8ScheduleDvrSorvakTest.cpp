// The other brand's recording page against a simulated four-camera
// recorder: the rates by each camera's standard, the period's times for
// every camera, and periods taken back only when edited.
#include "pages/Page8ScheduleDvrSorvak.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page8ScheduleDvrSorvakTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(4, 0);
        StartDevice();
        // Camera 2 uses the 25-frame standard.
        sim::Body camera;
        camera.U16(0x0080 | 0x0040).Text("Cam 2", 32).U8(9).U8(9).U8(9).U8(0).U8(0).U8(0).U16(0);
        Server().Store().Store(0x0404, 1, camera.bytes);
    }
    CPage8ScheduleDvrSorvak* Page() { return static_cast<CPage8ScheduleDvrSorvak*>(page); }
    std::string Cell(int row, int col) { return static_cast<LPCTSTR>(Page()->m_Grid.GetItemText(row, col)); }
};

TEST_F(Page8ScheduleDvrSorvakTest, RatesFollowEachCamerasStandard)
{
    EXPECT_EQ(RecordRateCount(true), 13);
    EXPECT_STREQ(RecordRate(true, 12), "25 /s");
    EXPECT_EQ(RecordRateCount(false), 14);
    EXPECT_STREQ(RecordRate(false, 13), "30 /s");
    EXPECT_STREQ(RecordRate(false, 14), "");

    ShowPage<CPage8ScheduleDvrSorvak>();
    EXPECT_EQ(Sent(0x0404).size(), 4u);
    EXPECT_EQ(Sent(0x071A).size(), 4u);
    EXPECT_EQ(Cell(0, 1), "IPS");
    EXPECT_EQ(Cell(0, 2), "Quality");
    EXPECT_EQ(Cell(1, 1), "5 /s");
    EXPECT_EQ(Cell(1, 2), "Medium");
    EXPECT_EQ(Cell(1, 3), "15 /s");
    EXPECT_EQ(Cell(2, 3), "25 /s") << "the same index on a 25-frame camera";
    EXPECT_EQ(Text(IDC_SORVAK_TIME), "10");
    EXPECT_EQ(Text(IDC_SORVAK_PRE), "4");
    SavePicture("page8_schedule_dvr_sorvak.png");
    // A rate cell offers its camera's rates.
    ChooseInGridCell(IDC_SORVAK_GRID, 2, 5, "25 /s");
    EXPECT_EQ(Cell(2, 5), "25 /s");
}

TEST_F(Page8ScheduleDvrSorvakTest, TheTimesOfAPeriodGoToEveryCamera)
{
    ShowPage<CPage8ScheduleDvrSorvak>();
    SelectTab(IDC_SORVAK_TAB, 2);
    SelectCombo(IDC_SORVAK_TIME, 35);
    EXPECT_EQ(Text(IDC_SORVAK_TIME), "120");
    SelectCombo(IDC_SORVAK_PRE, 29);
    EXPECT_EQ(Text(IDC_SORVAK_PRE), "60");
    ChooseInGridCell(IDC_SORVAK_GRID, 4, 2, "High");
    SelectTab(IDC_SORVAK_TAB, 0);
    SelectCombo(IDC_SORVAK_TIME, 1); // Follows
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x071B);
    ASSERT_EQ(sent.size(), 4u);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(sent[size_t(c)].length, 65u);
        ASSERT_EQ(sent[size_t(c)].params.size(), 33u);
        const uint8_t* plan = &sent[size_t(c)].params[1];
        EXPECT_EQ(plan[7], 1) << c;
        EXPECT_EQ(plan[16 + 7], 35) << c;
        EXPECT_EQ(plan[16 + 6], 29) << c;
        EXPECT_EQ(plan[8 + 7], 11) << "untouched periods as read";
    }
    EXPECT_EQ(sent[3].params[1 + 16 + 3], 2);
}

TEST_F(Page8ScheduleDvrSorvakTest, LookingAtPeriodsChangesNothing)
{
    // A rate the camera's list lacks survives looking at it.
    sim::Body plan;
    for (int p = 0; p < 4; ++p)
        plan.U8(13).U8(12).U8(12).U8(1).U8(2).U8(2).U8(5).U8(11);
    Server().Store().Store(0x071A, 1, plan.bytes);
    ShowPage<CPage8ScheduleDvrSorvak>();
    EXPECT_EQ(Cell(2, 1), "");
    SelectTab(IDC_SORVAK_TAB, 1);
    SelectTab(IDC_SORVAK_TAB, 0);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // An edit of another period writes this one as read.
    SelectTab(IDC_SORVAK_TAB, 3);
    SelectCombo(IDC_SORVAK_PRE, 0);
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x071B).size(), 4u);
    EXPECT_EQ(Sent(0x071B)[1].params[1], 13);
    EXPECT_EQ(Sent(0x071B)[1].params[1 + 24 + 6], 0);
}

} // namespace
