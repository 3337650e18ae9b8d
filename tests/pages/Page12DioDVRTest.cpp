// The relay page against the simulated recorders: the grid by model class,
// each check cell's bit, the periods kept apart, the exact record written
// and the failed read that writes nothing.
#include "pages/Page12DioDVR.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page12DioDVRTest : public PageTest
{
protected:
    CPage12DioDVR* Open(int modelClass)
    {
        Profile(4, modelClass);
        StartDevice();
        return ShowPage<CPage12DioDVR>();
    }
    CPage12DioDVR* Page() { return static_cast<CPage12DioDVR*>(page); }
    bool Ticked(int row, int col) { return Page()->m_Grid.GetItemImage(row, col) == 1; }
    static uint16_t Word(const sim::Bytes& b, size_t at) { return uint16_t(b[at] << 8 | b[at + 1]); }
};

TEST_F(Page12DioDVRTest, SourceBitsByModelClass)
{
    struct Case {
        int modelClass, column;
        bool second;
        uint16_t bit;
    };
    const Case cases[] = {
        { 0, 1, false, 0x4000 },
        { 0, 4, false, 0x0800 },
        { 0, 5, false, 0x0400 },
        { 0, 8, false, 0x0080 },
        { 1, 5, false, 0x0040 },
        { 1, 8, false, 0x0008 },
        { 1, 9, false, 0x0400 },
        { 1, 12, false, 0x0080 },
        { 2, 1, true, 0x8000 },
        { 2, 16, true, 0x0001 },
        { 2, 17, false, 0x8000 },
        { 3, 32, false, 0x0001 },
        { 0, 9, false, 0 },
        { 2, 0, false, 0 },
    };
    for (const Case& c : cases) {
        const RelaySourceBit source = RelaySourceOf(c.modelClass, c.column);
        EXPECT_EQ(source.second, c.second) << c.modelClass << "/" << c.column;
        EXPECT_EQ(source.bit, c.bit) << c.modelClass << "/" << c.column;
    }
}

TEST_F(Page12DioDVRTest, EightChannelsShowTwelveSourcesAndWriteTheFirstBlock)
{
    Open(1);
    CGridCtrl& grid = Page()->m_Grid;
    ASSERT_EQ(grid.GetColumnCount(), 13);
    EXPECT_EQ(std::string(grid.GetItemText(0, 5)), "MD5");
    EXPECT_EQ(std::string(grid.GetItemText(0, 9)), "S1");
    EXPECT_EQ(std::string(grid.GetItemText(2, 0)), "Relay2");
    EXPECT_EQ(grid.GetColumnWidth(9), 35);
    // Sensor 1 switches relay 1, motion on camera 1 relay 2.
    EXPECT_TRUE(Ticked(1, 9));
    EXPECT_TRUE(Ticked(2, 1));
    EXPECT_FALSE(Ticked(1, 1));
    EXPECT_FALSE(Checked(IDC_SPECIAL_TIME_OFF));
    EXPECT_EQ(TabSelection(IDC_PERIOD_TAB), 0);
    SavePicture("page12_dio_dvr_8.png");

    // MD5 of relay 2 in "Weekday (night)"; special time off in "Weekend (day)".
    SelectTab(IDC_PERIOD_TAB, 1);
    ClickCell(IDC_RELAY_GRID, 2, 5);
    EXPECT_TRUE(Ticked(2, 5));
    SelectTab(IDC_PERIOD_TAB, 2);
    EXPECT_FALSE(Ticked(2, 5));
    Click(IDC_SPECIAL_TIME_OFF);
    SelectTab(IDC_PERIOD_TAB, 1);
    EXPECT_TRUE(Ticked(2, 5));
    EXPECT_FALSE(Checked(IDC_SPECIAL_TIME_OFF));
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x070B);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 68u);
    const sim::Bytes& body = sent[0].params;
    ASSERT_EQ(body.size(), 36u);
    EXPECT_EQ(body[0], 0x80);
    EXPECT_EQ(Word(body, 1), 0x0400);
    EXPECT_EQ(Word(body, 3), 0x4000);
    EXPECT_EQ(Word(body, 9 + 3), 0x4040);
    EXPECT_EQ(body[18], 0x00) << "special time off clears the whole flags byte";
    EXPECT_EQ(body[27], 0x80);
    // Read back.
    ShowPage<CPage12DioDVR>();
    SelectTab(IDC_PERIOD_TAB, 2);
    EXPECT_TRUE(Checked(IDC_SPECIAL_TIME_OFF));
}

TEST_F(Page12DioDVRTest, SixteenChannelsCutTheGridAndWriteBothBlocks)
{
    Open(2);
    CGridCtrl& grid = Page()->m_Grid;
    ASSERT_EQ(grid.GetColumnCount(), 33);
    EXPECT_EQ(std::string(grid.GetItemText(0, 16)), "MD16");
    EXPECT_EQ(std::string(grid.GetItemText(0, 32)), "S16");
    CRect rect;
    grid.GetWindowRect(&rect);
    EXPECT_EQ(rect.Width(), 430);
    EXPECT_TRUE(Ticked(1, 17)) << "S1 switches relay 1";
    EXPECT_TRUE(Ticked(2, 1)) << "MD1 switches relay 2";
    SavePicture("page12_dio_dvr_16.png");

    ClickCell(IDC_RELAY_GRID, 4, 16); // MD16 of relay 4
    ClickCell(IDC_RELAY_GRID, 1, 17); // S1 of relay 1 off
    // Clearing the switch sets exactly the active bit.
    Click(IDC_SPECIAL_TIME_OFF);
    Click(IDC_SPECIAL_TIME_OFF);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x070B);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 104u);
    const sim::Bytes& body = sent[0].params;
    ASSERT_EQ(body.size(), 72u);
    EXPECT_EQ(Word(body, 1), 0x0000);
    EXPECT_EQ(body[0], 0x80);
    EXPECT_EQ(Word(body, 36 + 3), 0x8000) << "MD1 of relay 2 kept";
    EXPECT_EQ(Word(body, 36 + 7), 0x0001);
}

TEST_F(Page12DioDVRTest, AFailedReadShowsClearAndWritesNothing)
{
    Profile(4, 0);
    StartDevice();
    Server().SetFault(0x070A, { .closeWithoutReply = true });
    ShowPage<CPage12DioDVR>();
    EXPECT_EQ(Page()->m_Grid.GetColumnCount(), 9);
    EXPECT_FALSE(Ticked(1, 5));
    EXPECT_TRUE(Checked(IDC_SPECIAL_TIME_OFF));
    SelectTab(IDC_PERIOD_TAB, 3);
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x070B).empty());
}

TEST_F(Page12DioDVRTest, LeavingAsksAndPaneEditsMarkThePage)
{
    Open(0);
    page->SendMessage(WM_PAGE_MODIFIED);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    boxes.Answer(IDCANCEL);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you like to confirm the new configuration?" });
    EXPECT_TRUE(Sent(0x070B).empty());
    ClickCell(IDC_RELAY_GRID, 3, 2);
    page->SendMessage(WM_PAGE_CANCEL);
    EXPECT_TRUE(Sent(0x070B).empty());
}

} // namespace
