// The alarm recording page against a simulated recorder of model class 4:
// the "Global" form, the source grid with its presets, duplicates refused,
// "*" for every source, pairing for every camera, and masks the grid
// cannot show kept.
#include "pages/Page8AlarmRec.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page8AlarmRecTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(4, 4);
        StartDevice();
    }
    void Open() { ShowPage<CPage8AlarmRec>(); }
    CPage8AlarmRec* Page() { return static_cast<CPage8AlarmRec*>(page); }
    std::string Cell(int row, int col) { return static_cast<LPCTSTR>(Page()->m_Grid.GetItemText(row, col)); }
    void Choose(int row, int col, const char* text) { ChooseInGridCell(IDC_AREC_GRID, row, col, text); }
    static uint16_t Word(const sim::Bytes& b, size_t at) { return uint16_t(b[at] << 8 | b[at + 1]); }
};

TEST_F(Page8AlarmRecTest, GlobalFirstThenEachCameraWithItsSources)
{
    Open();
    EXPECT_EQ(Sent(0x070E).size(), 16u);
    EXPECT_EQ(Sent(0x031C).size(), 16u);
    EXPECT_FALSE(Shown(IDC_AREC_GRID));
    EXPECT_TRUE(Shown(IDC_AREC_GLOBAL_SENSOR));
    EXPECT_EQ(Text(IDC_REC_ALARM_TYPE), "Low");
    EXPECT_EQ(Text(IDC_REC_ALARM_QUALITY), "Highest");
    EXPECT_FALSE(Enabled(IDC_REC_ALARM_SPEED));
    EXPECT_EQ(Text(IDC_AREC_GLOBAL_SENSOR), "Off");
    SavePicture("page8_alarm_rec_global.png");

    SelectListEntry(IDC_REC_CAMERA_LIST, 3);
    EXPECT_TRUE(Shown(IDC_AREC_GRID));
    EXPECT_FALSE(Shown(IDC_AREC_GLOBAL_SENSOR));
    EXPECT_EQ(Cell(0, 0), "Select");
    EXPECT_EQ(Cell(0, 1), "3");
    EXPECT_EQ(Cell(1, 1), "1");
    EXPECT_EQ(Cell(0, 2), "-");
    EXPECT_EQ(Cell(1, 2), "#");
    EXPECT_EQ(Cell(0, 5), "3");
    EXPECT_EQ(Cell(0, 9), "Off");
    EXPECT_EQ(Text(IDC_REC_ALARM_TYPE), "Standard");
    EXPECT_EQ(Text(IDC_REC_ALARM_SPEED), "7");
    EXPECT_EQ(Text(IDC_REC_POST_ALARM), "10");
    EXPECT_FALSE(Shown(IDC_AREC_HIDDEN_NOTE));
    SavePicture("page8_alarm_rec_camera.png");
}

TEST_F(Page8AlarmRecTest, SourcesAndPresetsAreWrittenAndDuplicatesRefused)
{
    Open();
    SelectListEntry(IDC_REC_CAMERA_LIST, 3);
    Choose(0, 2, "7");
    EXPECT_EQ(Cell(1, 2), "#");
    Choose(1, 2, "5");
    EXPECT_EQ(Cell(1, 2), "5");
    // The same sensor twice is told at once and stops Apply.
    Choose(0, 3, "3");
    const std::vector<std::string> duplicated {
        "Alarm Source is duplicated. Please check the source number."
    };
    EXPECT_EQ(TakeMessages(), duplicated);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), duplicated);
    EXPECT_TRUE(Sent(0x070F).empty());
    Choose(0, 3, "-");
    EXPECT_TRUE(TakeMessages().empty());
    Choose(0, 9, "On");
    Click(IDC_PAGE_APPLY);
    const auto sources = Sent(0x070F);
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(sources[0].length, 47u);
    const sim::Bytes expected = { 2, 0x00, 0x44, 0x00, 0x04, 0x00, 0x01, 0x07, 0x02, 0, 2, 3, 10, 0, 0 };
    EXPECT_EQ(sources[0].params, expected);
    const auto presets = Sent(0x031D);
    ASSERT_EQ(presets.size(), 1u);
    EXPECT_EQ(presets[0].length, 66u);
    ASSERT_EQ(presets[0].params.size(), 34u);
    EXPECT_EQ(presets[0].params[1 + 2], 1);
    EXPECT_EQ(presets[0].params[1 + 6], 5);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(Page8AlarmRecTest, AStarStandsForEverySourceOfItsGroup)
{
    Open();
    SelectListEntry(IDC_REC_CAMERA_LIST, 1);
    Choose(0, 6, "*");
    for (int c = 5; c <= 8; ++c) {
        EXPECT_EQ(Cell(0, c), "*") << c;
        EXPECT_EQ(Cell(1, c), "#") << c;
    }
    // A number afterwards turns the other stars into "-".
    Choose(0, 7, "2");
    EXPECT_EQ(Cell(0, 5), "-");
    EXPECT_EQ(Cell(0, 7), "2");
    Choose(0, 8, "*");
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x070F).size(), 1u);
    EXPECT_EQ(Word(Sent(0x070F)[0].params, 3), 0xFFFF);
}

TEST_F(Page8AlarmRecTest, GlobalPairsEveryCameraWithItsOwnInputs)
{
    Open();
    SelectCombo(IDC_AREC_GLOBAL_SENSOR, 1);
    SelectCombo(IDC_REC_ALARM_TYPE, 3); // Custom
    EXPECT_TRUE(Enabled(IDC_REC_ALARM_SPEED));
    SelectCombo(IDC_REC_ALARM_SPEED, 13);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x070F);
    ASSERT_EQ(sent.size(), 16u);
    EXPECT_EQ(Word(sent[0].params, 1), 0x0001);
    EXPECT_EQ(Word(sent[5].params, 1), 0x0020);
    EXPECT_EQ(Word(sent[5].params, 3), 0x0000) << "motion off";
    EXPECT_EQ(Word(sent[5].params, 7), 0x0D04) << "speed 13, custom";
    EXPECT_EQ(Sent(0x031D).size(), 16u);
}

TEST_F(Page8AlarmRecTest, MasksTheGridCannotShowAreKept)
{
    sim::Body b;
    b.U8(0).U16(0x801F).U16(0).U16(0).U16(0x0702).U8(0).U8(2).U8(3).U8(10).Zero(2);
    Server().Store().Store(0x070E, 0, b.bytes);
    Open();
    SelectListEntry(IDC_REC_CAMERA_LIST, 1);
    EXPECT_EQ(Cell(0, 4), "4");
    EXPECT_TRUE(Shown(IDC_AREC_HIDDEN_NOTE));
    Choose(0, 9, "On");
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(Sent(0x070F).size(), 1u);
    EXPECT_EQ(Word(Sent(0x070F)[0].params, 1), 0x801F);
    // Taking one shown source away keeps those not shown.
    ClearSent();
    Choose(0, 2, "-");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Word(Sent(0x070F)[0].params, 1), 0x801D);
}

} // namespace
