// The normal recording page against a simulated recorder of model class 4:
// the cameras with "Global", a type filling speed and quality, the exact
// record written per camera, "Global" for every camera, the refused network
// camera and a refused write kept for the next Apply.
#include "pages/Page8NormalRec.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

class Page8NormalRecTest : public PageTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(4, 4);
        StartDevice();
    }
    void Open() { ShowPage<CPage8NormalRec>(); }
    std::string Entry(int index)
    {
        CString text;
        static_cast<CListBox*>(page->GetDlgItem(IDC_REC_CAMERA_LIST))->GetText(index, text);
        return static_cast<LPCTSTR>(text);
    }
    // The cameras written, in order.
    std::vector<int> WrittenCameras()
    {
        std::vector<int> cameras;
        for (const auto& sent : Sent(0x0707)) {
            EXPECT_EQ(sent.length, 57u);
            EXPECT_EQ(sent.params.size(), 25u);
            cameras.push_back(sent.params.empty() ? -1 : sent.params[0]);
        }
        return cameras;
    }
};

TEST_F(Page8NormalRecTest, ListsGlobalAndTheCamerasAndReadsEachOne)
{
    Open();
    auto* list = static_cast<CListBox*>(page->GetDlgItem(IDC_REC_CAMERA_LIST));
    ASSERT_EQ(list->GetCount(), 17);
    EXPECT_EQ(Entry(0), "Global");
    EXPECT_EQ(Entry(1), "Cam1");
    EXPECT_EQ(Entry(12), "Cam12");
    EXPECT_EQ(Entry(13), "IPCam13");
    EXPECT_EQ(list->GetCurSel(), 0);
    EXPECT_EQ(Sent(0x0706).size(), 16u);
    // The "Global" form.
    EXPECT_FALSE(Shown(IDC_PERIOD_TAB));
    EXPECT_EQ(Text(IDC_REC_TYPE), "Low");
    EXPECT_EQ(Text(IDC_REC_SPEED), "0");
    EXPECT_EQ(Text(IDC_REC_QUALITY), "Highest");
    EXPECT_FALSE(Enabled(IDC_REC_SPEED));
    EXPECT_TRUE(Checked(IDC_REC_EVENT_ON));
    // The special-time list ends in "Same as above".
    auto* special = static_cast<CComboBox*>(page->GetDlgItem(IDC_REC_SPECIAL));
    CString last;
    special->GetLBText(special->GetCount() - 1, last);
    EXPECT_EQ(std::string(last), "Same as above");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page8_normal_rec_global.png");
}

TEST_F(Page8NormalRecTest, ATypeFillsSpeedAndQualityAndTheCameraIsWrittenExactly)
{
    Open();
    SelectListEntry(IDC_REC_CAMERA_LIST, 2);
    EXPECT_TRUE(Shown(IDC_PERIOD_TAB));
    EXPECT_EQ(Text(IDC_REC_TYPE), "Standard");
    EXPECT_EQ(Text(IDC_REC_SPEED), "7");
    EXPECT_EQ(Text(IDC_REC_SPECIAL), "Same as above");
    EXPECT_FALSE(Enabled(IDC_REC_SPEED));
    SavePicture("page8_normal_rec_camera.png");

    // "Low" takes its preset and keeps speed and quality locked.
    SelectCombo(IDC_REC_TYPE, 1);
    EXPECT_EQ(Text(IDC_REC_SPEED), "3");
    EXPECT_EQ(Text(IDC_REC_QUALITY), "Low");
    EXPECT_FALSE(Enabled(IDC_REC_QUALITY));
    // In "Weekend (night)" a custom speed and no event recording.
    SelectTab(IDC_PERIOD_TAB, 3);
    EXPECT_EQ(Text(IDC_REC_TYPE), "Standard");
    SelectCombo(IDC_REC_TYPE, 4);
    EXPECT_TRUE(Enabled(IDC_REC_SPEED));
    SelectCombo(IDC_REC_SPEED, 13);
    EXPECT_EQ(Text(IDC_REC_TYPE), "Custom");
    Click(IDC_REC_EVENT_OFF);
    SelectTab(IDC_PERIOD_TAB, 0);
    EXPECT_EQ(Text(IDC_REC_TYPE), "Low");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(WrittenCameras(), std::vector<int> { 1 });
    const sim::Bytes expected
        = { 1, 0x80, 4, 1, 3, 1, 1, 0x80, 4, 2, 7, 2, 2, 0x80, 4, 2, 7, 2, 2, 0x00, 4, 4, 13, 2, 2 };
    EXPECT_EQ(Sent(0x0707)[0].params, expected);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // Read back.
    Open();
    SelectListEntry(IDC_REC_CAMERA_LIST, 2);
    SelectTab(IDC_PERIOD_TAB, 3);
    EXPECT_EQ(Text(IDC_REC_SPEED), "MAX");
    EXPECT_TRUE(Checked(IDC_REC_EVENT_OFF));
}

TEST_F(Page8NormalRecTest, GlobalGivesOneSettingToEveryCameraAndPeriod)
{
    Open();
    // Showing "Global" alone overwrites nothing.
    SelectListEntry(IDC_REC_CAMERA_LIST, 1);
    SelectCombo(IDC_REC_SPECIAL, 1);
    SelectListEntry(IDC_REC_CAMERA_LIST, 0);
    Click(IDC_PAGE_APPLY);
    ASSERT_EQ(WrittenCameras(), std::vector<int> { 0 });
    EXPECT_EQ(Sent(0x0707)[0].params[2], 1);

    ClearSent();
    SelectCombo(IDC_REC_TYPE, 3); // High
    Click(IDC_REC_EVENT_OFF);
    Click(IDC_PAGE_APPLY);
    const auto sent = Sent(0x0707);
    ASSERT_EQ(sent.size(), 16u);
    for (const auto& s : sent) {
        for (int p = 0; p < 4; ++p) {
            const uint8_t* period = &s.params[1 + 6 * p];
            EXPECT_EQ(period[0], 0x00);
            EXPECT_EQ(period[1], 0);
            EXPECT_EQ(period[2], 3);
            EXPECT_EQ(period[3], 13);
            EXPECT_EQ(period[5], 4);
        }
    }
}

TEST_F(Page8NormalRecTest, ANetworkCameraWithItsSetupOffIsRefused)
{
    Server().Store().Store(0x0403, 0, { 12, 4, 0 });
    Open();
    SelectListEntry(IDC_REC_CAMERA_LIST, 3);
    SelectListEntry(IDC_REC_CAMERA_LIST, 14);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Network Camera setup is not enabled." });
    EXPECT_EQ(static_cast<CListBox*>(page->GetDlgItem(IDC_REC_CAMERA_LIST))->GetCurSel(), 3);
}

TEST_F(Page8NormalRecTest, ARefusedCameraIsSentAgainByTheNextApply)
{
    Open();
    SelectListEntry(IDC_REC_CAMERA_LIST, 5);
    SelectCombo(IDC_REC_SPECIAL, 0);
    Server().SetFault(0x0707, { .status = 0xF309 });
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Invalid value" });
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Server().ClearFaults();
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(WrittenCameras(), std::vector<int> { 4 });
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // A camera that could not be read is never written.
    Server().SetFault(0x0706, { .closeWithoutReply = true });
    Open();
    Server().ClearFaults();
    ClearSent();
    SelectListEntry(IDC_REC_CAMERA_LIST, 1);
    EXPECT_EQ(Sent(0x0706).size(), 1u) << "read again when chosen";
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0707).empty());
}

} // namespace
