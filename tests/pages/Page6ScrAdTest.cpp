// The screen adjustment page of cameras and video servers against the
// simulated device and its camera stream: what an activation reads and
// shows live, trial sets that the next frames show, Apply over the button
// slots, Cancel and the leave question restoring the kept values, the
// source buttons, "Default", a device without sources, refusals and a
// lost connection.
#include "pages/Page6ScrAd.h"

#include "link/PictureBlocks.h"
#include "pages/ContentName.h"
#include "sim/KelmothServer.h"
#include "tests/pages/ScreenAdjustTestTools.h"
#include "viewer/tessaly/KelmothClient.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <memory>

namespace
{

using sim::Bytes;

class ScrAdTest : public ScreenAdjustTest
{
protected:
    CPage6ScrAd* Open(uint32_t family, uint8_t sourcesOn = 0xFF)
    {
        Profile(family);
        if (sourcesOn != 0xFF)
            Profile(family).sourcesOn = sourcesOn;
        StartDevice();
        camera = &StartCamera();
        scrad = ShowPage<CPage6ScrAd>();
        return scrad;
    }

    CPage6ScrAd* scrad = nullptr;
};

TEST_F(ScrAdTest, ActivationReadsTheSourcesOnAndShowsTheFirstLive)
{
    Open(0); // sources 0, 2 and 3 on
    EXPECT_EQ(Sent(0x0A01).size(), 1u);
    EXPECT_EQ(Sent(0x0401).size(), 1u);
    const auto reads = Sent(GET_SCREEN_ADJUST.command);
    ASSERT_EQ(reads.size(), 3u);
    EXPECT_EQ(reads[0].params, Bytes { 0 });
    EXPECT_EQ(reads[1].params, Bytes { 2 });
    EXPECT_EQ(reads[2].params, Bytes { 3 });
    EXPECT_TRUE(Enabled(IDC_SCRAD_CH1));
    EXPECT_TRUE(Enabled(IDC_SCRAD_CH2));
    EXPECT_TRUE(Enabled(IDC_SCRAD_CH3));
    EXPECT_FALSE(Enabled(IDC_SCRAD_CH4));
    EXPECT_EQ(Checked(IDC_SCRAD_CH1), BST_CHECKED);
    EXPECT_EQ(Position(IDC_SCRAD_BRIGHTNESS), 4);
    EXPECT_EQ(Position(IDC_SCRAD_CONTRAST), -6);
    EXPECT_EQ(Position(IDC_SCRAD_SATURATION), 10);
    EXPECT_EQ(Position(IDC_SCRAD_GAIN), 96);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_TRUE(Sets().empty());

    // The live picture of source 0, from the port the device reported.
    ASSERT_TRUE(NextFrames(2));
    ASSERT_FALSE(Received(0x2002).empty());
    EXPECT_EQ(Received(0x2002)[0].body[32], 0);
    EXPECT_EQ(DarkestBar(), Shows(4, -6));
    SavePicture("page6_scrad_camera.png");
}

TEST_F(ScrAdTest, ASliderMoveSendsOneTrialThatTheNextFrameShows)
{
    Open(0);
    ASSERT_TRUE(NextFrames(1));
    MoveSlider(IDC_SCRAD_BRIGHTNESS, 60);
    ASSERT_EQ(Sets().size(), 1u);
    Bytes trial = Seeded(0x80);
    trial[1] = 60;
    EXPECT_EQ(Sets()[0], trial);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    // Shown at once, not kept.
    ASSERT_TRUE(NextFrames(2));
    EXPECT_EQ(DarkestBar(), Shows(60, -6));
    EXPECT_EQ(Server().Store().Stored(GET_SCREEN_ADJUST.command, 0), Seeded(0));
    SavePicture("page6_scrad_trial.png");

    // A repaint of the same position sends nothing more.
    page->SendDlgItemMessage(IDC_SCRAD_BRIGHTNESS, TBM_SETPOS, TRUE, 60);
    EXPECT_EQ(Sets().size(), 1u);
}

TEST_F(ScrAdTest, CancelSendsTheKeptValuesAsTrialsAndThePictureGoesBack)
{
    Open(0);
    ASSERT_TRUE(NextFrames(1));
    MoveSlider(IDC_SCRAD_CONTRAST, 40);
    ASSERT_EQ(Sets().size(), 1u);
    ClearSent();
    Click(IDC_PAGE_CANCEL);
    EXPECT_EQ(Sets(), (std::vector<Bytes> { Seeded(0x80), Seeded(0x82), Seeded(0x83) }));
    EXPECT_EQ(sim::ShownPictureOf(Server().Store(), 0).contrast, -6);
    EXPECT_TRUE(WaitFor([&] { return Received(0x2005).size() == 1; }));
}

TEST_F(ScrAdTest, ApplyKeepsEveryEnabledSourceAndALaterCancelRestoresTheApplied)
{
    Open(0);
    MoveSlider(IDC_SCRAD_SATURATION, -20);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    Bytes applied = Seeded(0);
    applied[4] = uint8_t(-20);
    EXPECT_EQ(Sets(), (std::vector<Bytes> { applied, Seeded(2), Seeded(3) }));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(Server().Store().Stored(GET_SCREEN_ADJUST.command, 0), applied);

    // A further move, then Cancel: back to what was applied, as trials.
    MoveSlider(IDC_SCRAD_HUE, 30);
    ClearSent();
    Click(IDC_PAGE_CANCEL);
    applied[0] = 0x80;
    EXPECT_EQ(Sets(), (std::vector<Bytes> { applied, Seeded(0x82), Seeded(0x83) }));
    EXPECT_EQ(sim::ShownPictureOf(Server().Store(), 0).hue, 0);
    EXPECT_EQ(sim::ShownPictureOf(Server().Store(), 0).saturation, -20);
}

TEST_F(ScrAdTest, LeavingAsksAndDecliningRestoresWhileConfirmingApplies)
{
    Open(0);
    ASSERT_TRUE(NextFrames(1));
    MoveSlider(IDC_SCRAD_BRIGHTNESS, -50);
    ClearSent();
    boxes.Answer(IDCANCEL);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you like to confirm the new configuration?" });
    EXPECT_EQ(Sets(), (std::vector<Bytes> { Seeded(0x80), Seeded(0x82), Seeded(0x83) }));
    EXPECT_TRUE(WaitFor([&] { return Received(0x2005).size() == 1; }));

    // Back on the page, a change confirmed on leaving is applied.
    page->OnSetActive();
    MoveSlider(IDC_SCRAD_BRIGHTNESS, -50);
    ClearSent();
    boxes.Answer(IDOK);
    EXPECT_TRUE(page->OnKillActive());
    Bytes applied = Seeded(0);
    applied[1] = uint8_t(-50);
    EXPECT_EQ(Sets(), (std::vector<Bytes> { applied, Seeded(2), Seeded(3) }));
}

TEST_F(ScrAdTest, SourceButtonsSwitchTheSlidersAndTheStream)
{
    Open(0);
    ASSERT_TRUE(NextFrames(1));
    MoveSlider(IDC_SCRAD_BRIGHTNESS, 20);
    Click(IDC_SCRAD_CH2);
    EXPECT_EQ(Checked(IDC_SCRAD_CH2), BST_CHECKED);
    EXPECT_EQ(Checked(IDC_SCRAD_CH1), BST_UNCHECKED);
    EXPECT_EQ(Position(IDC_SCRAD_BRIGHTNESS), 8); // source 2's own
    // The stop of the old service and the start of the new one.
    ASSERT_TRUE(WaitFor([&] { return Received(0x2002).size() == 2 && Received(0x2005).size() == 1; }));
    EXPECT_EQ(Received(0x2002)[1].body[32], 2);
    // Back on CH1 the moved value is still there.
    Click(IDC_SCRAD_CH1);
    EXPECT_EQ(Position(IDC_SCRAD_BRIGHTNESS), 20);
}

TEST_F(ScrAdTest, DefaultSendsFlatValuesAndGain96)
{
    Open(0);
    Click(IDC_SCRAD_DEFAULT);
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_EQ(Sets()[0], (Bytes { 0x80, 0, 0, 0, 0, 0, 0, 0x60 }));
    EXPECT_EQ(Position(IDC_SCRAD_CONTRAST), 0);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(ScrAdTest, WithoutSourcesNothingIsWrittenAndThePictureIsBlack)
{
    Open(0, 0);
    for (int id : { IDC_SCRAD_CH1, IDC_SCRAD_CH2, IDC_SCRAD_CH3, IDC_SCRAD_CH4 })
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(Position(IDC_SCRAD_BRIGHTNESS), 0);
    EXPECT_TRUE(Sent(GET_SCREEN_ADJUST.command).empty());
    MoveSlider(IDC_SCRAD_BRIGHTNESS, 30);
    Click(IDC_SCRAD_DEFAULT);
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(Sets().empty());
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    EXPECT_TRUE(Received(0x2002).empty());
    EXPECT_EQ(DarkestBar(), 0);
    SavePicture("page6_scrad_no_source.png");
}

TEST_F(ScrAdTest, VideoServerShowsSourceOneUnderCh1AndSendsOffsetAndGainItDisables)
{
    Open(3); // sources 1, 2 and 3 on
    EXPECT_EQ(Sent(GET_SCREEN_ADJUST.command)[0].params, Bytes { 1 });
    EXPECT_EQ(Checked(IDC_SCRAD_CH1), BST_CHECKED);
    EXPECT_FALSE(Enabled(IDC_SCRAD_OFFSET));
    EXPECT_FALSE(Enabled(IDC_SCRAD_GAIN));
    ASSERT_TRUE(NextFrames(1));
    EXPECT_EQ(Received(0x2002)[0].body[32], 1);
    SavePicture("page6_scrad_video_server.png");
    MoveSlider(IDC_SCRAD_BRIGHTNESS, 0);
    ClearSent();
    Click(IDC_PAGE_APPLY);
    Bytes applied = Seeded(1);
    applied[1] = 0;
    EXPECT_EQ(Sets(), (std::vector<Bytes> { applied, Seeded(2), Seeded(3) }));
}

TEST_F(ScrAdTest, ARefusalIsToldAndALostDeviceKeepsTheChange)
{
    Open(0);
    MoveSlider(IDC_SCRAD_BRIGHTNESS, 1);
    sim::Fault refused;
    refused.status = 0xF309;
    Server().SetFault(SET_SCREEN_ADJUST.command, refused);
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string>(3, "Invalid value"));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    MoveSlider(IDC_SCRAD_BRIGHTNESS, 2);
    sim::Fault gone;
    gone.closeWithoutReply = true;
    Server().SetFault(SET_SCREEN_ADJUST.command, gone);
    TakeMessages();
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Connection failed." });
    EXPECT_EQ(Sets().size(), 1u);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
}

} // namespace

// The streaming server: no source buttons, the viewer client on port 8081
// in the page's video window, the audio gain read, tried and applied.
class ScrAdServerTest : public ScrAdTest
{
protected:
    void StartViewerServer()
    {
        viewerServer = std::make_unique<sim::KelmothServer>(Profile(2));
        // The stream shows source 1 as its settings show it, as devsim's does.
        viewerServer->FollowPicture(&Server().Store(), 1);
        ASSERT_TRUE(viewerServer->Start("127.0.0.7", sim::kKelmothPort));
        std::strcpy(g_szContentName, "live");
    }
    void TearDown() override
    {
        PageTest::TearDown();
        if (viewerServer)
            viewerServer->Stop();
    }
    CPage6ScrAd* OpenServer(const char* firmware = nullptr)
    {
        Profile(2);
        if (firmware)
            Profile(2).version2 = firmware;
        StartDevice();
        StartViewerServer();
        scrad = ShowPage<CPage6ScrAd>();
        return scrad;
    }
    // The sheet's picture with what the viewer client last drew into its
    // window (a repaint of the window shows its black buffer instead, so its
    // surface is taken first); true when the picture is not all black.
    bool SaveViewerPicture(const char* name)
    {
        PumpWaitingMessages();
        const QImage video = scrad->m_wndViewer.GetSurface()->copy();
        bool lit = false;
        for (int y = 0; y < video.height() && !lit; y += 4)
            for (int x = 0; x < video.width() && !lit; x += 4)
                lit = qGray(video.pixel(x, y)) > 40;
        QImage picture = sheet->GetWidget()->grab().toImage();
        const QPoint at = scrad->m_wndViewer.GetWidget()->mapTo(sheet->GetWidget(), QPoint(0, 0));
        QPainter(&picture).drawImage(at, video);
        picture.save(QString(SUITE_BUILD_DIR) + "/pictures/" + name);
        return lit;
    }

    // The mean grey level of what the viewer client last drew.
    int ViewerLevel()
    {
        const QImage video = scrad->m_wndViewer.GetSurface()->copy();
        long long sum = 0;
        for (int y = 0; y < video.height(); ++y)
            for (int x = 0; x < video.width(); ++x)
                sum += qGray(video.pixel(x, y));
        return video.isNull() ? 0 : int(sum / (video.width() * video.height()));
    }

    std::unique_ptr<sim::KelmothServer> viewerServer;
};

TEST_F(ScrAdServerTest, PlaysTheViewerClientAndTriesAndAppliesTheAudioGain)
{
    OpenServer(); // firmware 1.4.12: with audio gain; sources 1, 2 and 3 on
    for (int id : { IDC_SCRAD_CH1, IDC_SCRAD_SOURCE_GROUP })
        EXPECT_FALSE(page->GetDlgItem(id)->IsWindowVisible()) << id;
    EXPECT_TRUE(Enabled(IDC_SCRAD_AUDIO));
    ASSERT_EQ(Sent(GET_AUDIO_GAIN.command).size(), 1u);
    EXPECT_EQ(Sent(GET_AUDIO_GAIN.command)[0].params, (Bytes { 1, 0, 0, 0 }));
    EXPECT_EQ(Position(IDC_SCRAD_AUDIO), 6);
    ASSERT_NE(scrad->m_pViewerClient, nullptr);
    ASSERT_TRUE(WaitFor([&] { return scrad->m_pViewerClient->FramesProcessed() >= 3; }));
    ASSERT_EQ(viewerServer->Logins().size(), 2u);
    EXPECT_EQ(viewerServer->Logins()[1].name, "live");
    EXPECT_TRUE(SaveViewerPicture("page6_scrad_stream_server.png"));

    MoveSlider(IDC_SCRAD_AUDIO, -10);
    ASSERT_EQ(Sent(SET_AUDIO_GAIN.command).size(), 1u);
    EXPECT_EQ(Sent(SET_AUDIO_GAIN.command)[0].params, (Bytes { 0xF6, 0, 0, 0 }));
    ClearSent();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Sets(), (std::vector<Bytes> { Seeded(0x81), Seeded(0x82), Seeded(0x83) }));
    EXPECT_EQ(Sent(SET_AUDIO_GAIN.command).size(), 1u);
    EXPECT_EQ(Server().Store().Stored(GET_AUDIO_GAIN.command), (Bytes { 0xF6, 0, 0, 0 }));

    // Leaving stops the client.
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(scrad->m_pViewerClient, nullptr);
}

TEST_F(ScrAdServerTest, ABrightnessTrialLightensTheViewerPicture)
{
    OpenServer();
    ASSERT_TRUE(WaitFor([&] { return scrad->m_pViewerClient->FramesProcessed() >= 3; }));
    const int before = ViewerLevel();
    MoveSlider(IDC_SCRAD_BRIGHTNESS, 100);
    ASSERT_EQ(Sets().size(), 1u);
    EXPECT_EQ(Sets()[0][0], 0x81);
    EXPECT_EQ(Sets()[0][1], 100);
    // The frames encoded after the trial show it; the device keeps the old value.
    EXPECT_TRUE(WaitFor([&] { return ViewerLevel() > before + 30; })) << before << " " << ViewerLevel();
    EXPECT_EQ(Server().Store().Stored(GET_SCREEN_ADJUST.command, 1), Seeded(1));
    SaveViewerPicture("page6_scrad_stream_server_trial.png");
}

TEST_F(ScrAdServerTest, OldFirmwareHasNoAudioGainAndNoPicture)
{
    OpenServer("1.0.3");
    EXPECT_FALSE(Enabled(IDC_SCRAD_AUDIO));
    EXPECT_FALSE(Enabled(IDC_SCRAD_OFFSET));
    EXPECT_TRUE(Sent(GET_AUDIO_GAIN.command).empty());
    EXPECT_EQ(scrad->m_pViewerClient, nullptr);
    EXPECT_EQ(viewerServer->Connections(), 0);
    MoveSlider(IDC_SCRAD_BRIGHTNESS, 3);
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(Sent(SET_AUDIO_GAIN.command).empty());
    EXPECT_EQ(Sets().size(), 4u); // the trial, then sources 1, 2 and 3
}

TEST_F(ScrAdServerTest, AServerThatDoesNotPlayLeavesThePageWithoutAPicture)
{
    Profile(2);
    StartDevice();
    std::strcpy(g_szContentName, "live");
    // No viewer-client server on 8081.
    scrad = ShowPage<CPage6ScrAd>();
    EXPECT_EQ(scrad->m_pViewerClient, nullptr);
    EXPECT_EQ(Sent(GET_AUDIO_GAIN.command).size(), 1u);
    EXPECT_TRUE(TakeMessages().empty());
}
