// The three-channel screen adjustment page against the simulated camera:
// the page's own stream into its preview, trial sets the next frames show,
// Apply without the trial flag, a later Cancel or declined leave going back
// to what was applied, and a CH1 choice that does not follow source 1.
#include "pages/Page6ScrAd2.h"

#include "link/PictureBlocks.h"
#include "tests/pages/ScreenAdjustTestTools.h"

#include <QImage>

#include <algorithm>

namespace
{

using sim::Bytes;

class ScrAd2Test : public ScreenAdjustTest
{
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        Profile(1); // sources 0, 2 and 3 on
        StartDevice();
        camera = &StartCamera();
        scrad = ShowPage<CPage6ScrAd2>();
    }

    CPage6ScrAd2* scrad = nullptr;
};

TEST_F(ScrAd2Test, ThePageStreamsItsSourceAndTheNextFramesShowATrial)
{
    EXPECT_FALSE(page->GetDlgItem(IDC_SCRAD_CH4));
    EXPECT_FALSE(page->GetDlgItem(IDC_SCRAD_AUDIO));
    const auto reads = Sent(GET_SCREEN_ADJUST.command);
    ASSERT_EQ(reads.size(), 3u);
    EXPECT_EQ(reads[2].params, Bytes { 3 });
    EXPECT_EQ(Checked(IDC_SCRAD_CH1), BST_CHECKED);
    EXPECT_TRUE(Enabled(IDC_SCRAD_CH3));
    ASSERT_TRUE(NextFrames(2));
    const auto starts = Received(0x2002);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].body[32], 0);
    // The lighter stream settings of this page.
    EXPECT_EQ(Bytes(starts[0].body.begin() + 36, starts[0].body.begin() + 44),
        (Bytes { 0x04, 0, 0, 0, 0x04, 0, 0, 0 }));
    EXPECT_EQ(DarkestBar(), sim::AdjustedLevel(0, 4, -6));
    SavePicture("page6_scrad2.png");

    MoveSlider(IDC_SCRAD_BRIGHTNESS, -40);
    ASSERT_EQ(Sets().size(), 1u);
    Bytes trial = Seeded(0x80);
    trial[1] = uint8_t(-40);
    EXPECT_EQ(Sets()[0], trial);
    ASSERT_TRUE(NextFrames(2));
    EXPECT_EQ(DarkestBar(), sim::AdjustedLevel(0, -40, -6));
}

TEST_F(ScrAd2Test, ApplyKeepsWithoutTheFlagAndALaterCancelGoesBackToTheApplied)
{
    MoveSlider(IDC_SCRAD_SATURATION, 50);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    Bytes applied = Seeded(0);
    applied[4] = 50;
    EXPECT_EQ(Sets(), (std::vector<Bytes> { applied, Seeded(2), Seeded(3) }));

    // A further move, declined on leaving: the applied values come back,
    // not those of the activation.
    MoveSlider(IDC_SCRAD_SATURATION, -50);
    ClearSent();
    boxes.Answer(IDCANCEL);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(Sets(), (std::vector<Bytes> { applied, Seeded(2), Seeded(3) }));
    EXPECT_EQ(Server().Store().Stored(GET_SCREEN_ADJUST.command, 0), applied);
    EXPECT_FALSE(scrad->IsStreaming());

    // Back again, a move and Cancel: the values read now.
    page->OnSetActive();
    EXPECT_TRUE(scrad->IsStreaming());
    MoveSlider(IDC_SCRAD_HUE, 9);
    ClearSent();
    Click(IDC_PAGE_CANCEL);
    EXPECT_EQ(Sets(), (std::vector<Bytes> { applied, Seeded(2), Seeded(3) }));
}

TEST_F(ScrAd2Test, ACh1ChoiceDoesNotFollowSourceOne)
{
    ASSERT_TRUE(NextFrames(1));
    Click(IDC_SCRAD_CH1);
    EXPECT_TRUE(page->OnKillActive());
    // Source 0 goes off, its external input comes on.
    Bytes channels = Server().Store().Stored(0x0401);
    channels[0] = 0;
    channels[12] = 0x90;
    Server().Store().Store(0x0401, 0, channels);
    const size_t starts = Received(0x2002).size();
    page->OnSetActive();
    EXPECT_TRUE(Enabled(IDC_SCRAD_CH1));
    EXPECT_FALSE(scrad->IsStreaming());
    PumpMessagesUntil([] { return false; }, 200);
    EXPECT_EQ(Received(0x2002).size(), starts);
    // "Disabled Channel" in white on black.
    const QImage shown = Shown();
    bool text = false;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 100; ++x)
            text = text || qGray(shown.pixel(x, y)) > 180;
    EXPECT_TRUE(text);
    SavePicture("page6_scrad2_disabled_channel.png");

    // Pressing CH1 again takes source 1.
    Click(IDC_SCRAD_CH1);
    ASSERT_TRUE(WaitFor([&] { return Received(0x2002).size() == starts + 1; }));
    EXPECT_EQ(Received(0x2002).back().body[32], 1);
}

TEST_F(ScrAd2Test, TheStreamThreadEndsWithThePage)
{
    ASSERT_TRUE(NextFrames(1));
    Close(false);
    // What was under way when the thread ended reaches the camera still.
    PumpMessagesUntil([] { return false; }, 150);
    const size_t acks = Received(0x2302).size();
    PumpMessagesUntil([] { return false; }, 200);
    EXPECT_EQ(Received(0x2302).size(), acks);
}

} // namespace
