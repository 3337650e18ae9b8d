// The quality boxes of the camera schedules: the geometry between the
// preview and the device for both picture heights and a flipped picture,
// and both dialogs against the simulated camera: the stored box on the live
// picture, a drawn box given back in device coordinates, the level, Cancel,
// and each opening's stream thread ended when it closes.
#include "pages/QualityBoxDlg.h"
#include "pages/QualityBoxDlg2.h"

#include "controls/QualityBoxGeometry.h"
#include "pages/SheetFactory.h"
#include "tests/controls/PreviewTestTools.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QWidget>

#include <memory>

namespace
{

TEST(QualityBoxGeometry, ABoxGoesToTheDeviceAndBackForBothHeightsAndFlipped)
{
    struct Case {
        bool fullHeight, flipped;
        CRect device;
    } cases[] = {
        { true, false, CRect(200, 40, 600, 120) },
        { false, false, CRect(200, 65, 600, 145) },
        // Turned within 360 x 243: (60, 123, 260, 203).
        { true, true, CRect(120, 123, 520, 203) },
        { false, true, CRect(120, 148, 520, 228) },
    };
    const RECT drawn { 100, 40, 300, 120 };
    for (const Case& c : cases) {
        EXPECT_EQ(CRect(QualityBoxToDevice(drawn, c.fullHeight, c.flipped)), c.device)
            << c.fullHeight << c.flipped;
        EXPECT_EQ(CRect(QualityBoxToPreview(c.device, c.fullHeight, c.flipped)), CRect(drawn))
            << c.fullHeight << c.flipped;
    }
    // Drawn from the bottom right it is the same box.
    EXPECT_EQ(CRect(QualityBoxToDevice({ 300, 120, 100, 40 }, true, false)), CRect(200, 40, 600, 120));
    // A box without width or height stays as it is, and an empty one empty.
    EXPECT_EQ(CRect(QualityBoxToDevice({ 50, 40, 50, 90 }, false, true)), CRect(50, 40, 50, 90));
    EXPECT_EQ(CRect(QualityBoxToPreview({}, false, true)), CRect(0, 0, 0, 0));
    EXPECT_EQ(CRect(QualityBoxBeforeFirstFrame({ 201, 65, 601, 145 })), CRect(100, 65, 300, 145));
}

TEST(QualityBoxSlots, TheSheetMakesBothDialogs)
{
    std::unique_ptr<CSheetDialog> one(CreateSheetDialog(SLOT_QualityBoxDlg));
    std::unique_ptr<CSheetDialog> two(CreateSheetDialog(SLOT_QualityBoxDlg2));
    EXPECT_NE(dynamic_cast<CQualityBoxDlg*>(one.get()), nullptr);
    EXPECT_EQ(dynamic_cast<CQualityBoxDlg2*>(one.get()), nullptr);
    EXPECT_NE(dynamic_cast<CQualityBoxDlg2*>(two.get()), nullptr);
}

void Click(CDialog* dlg, int id)
{
    dlg->SendDlgItemMessage(id, BM_CLICK);
}

class QualityBoxDlgTest : public ::testing::Test, public LiveCamera
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        ASSERT_TRUE(Start());
        g_CurrentDevice.dwIpAddress = 0x7F000001;
    }
    // Runs the dialog; `work` drives it once three frames were shown.
    INT_PTR Run(CQualityBoxDlg& dlg, const std::function<void(CDialog*)>& work)
    {
        ScriptedDialogRunner runner([&](CDialog* d) {
            ASSERT_TRUE(dlg.IsStreaming());
            ASSERT_TRUE(WaitAcks(acksBefore + 3));
            work(d);
        });
        ScopedService<IModalDialogRunner> useRunner(&runner);
        acksBefore = Received(0x2302).size();
        const INT_PTR result = dlg.DoModal();
        // The opening's thread is gone with its window: no frame is asked
        // for any more.
        EXPECT_FALSE(dlg.IsStreaming());
        // What was under way when the thread ended reaches the camera still.
        PumpMessagesUntil([] { return false; }, 150);
        const size_t acks = Received(0x2302).size();
        PumpMessagesUntil([] { return false; }, 150);
        EXPECT_EQ(Received(0x2302).size(), acks);
        return result;
    }
    size_t acksBefore = 0;
};

TEST_F(QualityBoxDlgTest, TheStoredBoxShowsLiveAndADrawnBoxComesBackInDeviceCoordinates)
{
    CQualityBoxDlg dlg;
    dlg.m_nPeriod = 1;
    dlg.m_nChannel = 1;
    dlg.m_rcBox = RECT { 200, 65, 600, 145 };
    dlg.m_nQuality = 0;
    EXPECT_EQ(Run(dlg,
                  [&](CDialog* d) {
                      CString caption;
                      d->GetWindowText(caption);
                      EXPECT_STREQ(caption, "Time Table 2");
                      // A 625-line picture: 25 lines up on the preview.
                      EXPECT_EQ(CRect(dlg.m_wndPreview.m_rcArea), CRect(100, 40, 300, 120));
                      QImage picture = d->GetWidget()->grab().toImage();
                      QDir().mkpath(SUITE_BUILD_DIR "/pictures");
                      picture.save(SUITE_BUILD_DIR "/pictures/quality_box_dlg.png");
                      DragOn(&dlg.m_wndPreview, { 60, 50 }, { 260, 150 });
                      // Taken as soon as it is drawn.
                      EXPECT_EQ(CRect(dlg.m_rcBox), CRect(120, 75, 520, 175));
                      Click(d, IDC_QUALITY_LEVEL4);
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_EQ(CRect(dlg.m_rcBox), CRect(120, 75, 520, 175));
    EXPECT_EQ(dlg.m_nQuality, 3); // "4"
    EXPECT_FALSE(Received(0x2005).empty());
    ASSERT_FALSE(Received(0x2002).empty());
    EXPECT_EQ(Received(0x2002)[0].body[32], 1);

    // A second opening runs a thread of its own and ends it too; a cancel
    // after drawing gives back what the opener set.
    dlg.m_nPeriod = 0;
    EXPECT_EQ(Run(dlg,
                  [&](CDialog* d) {
                      DragOn(&dlg.m_wndPreview, { 20, 20 }, { 200, 200 });
                      Click(d, IDC_QUALITY_LEVEL1);
                      Click(d, IDCANCEL);
                  }),
        IDCANCEL);
    EXPECT_EQ(CRect(dlg.m_rcBox), CRect(120, 75, 520, 175));
    EXPECT_EQ(dlg.m_nQuality, 3);
}

TEST_F(QualityBoxDlgTest, OnAFlippedFullHeightPictureTheBoxIsMirrored)
{
    sim::CameraPictureSettings turned;
    turned.rotated = true;
    turned.pal = false;
    camera->SetPicture(turned);
    CQualityBoxDlg dlg;
    dlg.m_nQuality = 2;
    EXPECT_EQ(Run(dlg,
                  [&](CDialog* d) {
                      EXPECT_EQ(CRect(dlg.m_wndPreview.m_rcArea), CRect(0, 0, 0, 0));
                      DragOn(&dlg.m_wndPreview, { 100, 40 }, { 300, 120 });
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_EQ(CRect(dlg.m_rcBox), CRect(120, 123, 520, 203));
    EXPECT_EQ(dlg.m_nQuality, 2);
}

TEST_F(QualityBoxDlgTest, TheThreeChannelBoxShowsFourAboveThreeAndTakesTheBoxOnOk)
{
    sim::CameraPictureSettings ntsc;
    ntsc.pal = false;
    camera->SetPicture(ntsc);
    CQualityBoxDlg2 dlg;
    dlg.m_nQuality = 0;
    EXPECT_EQ(Run(dlg,
                  [&](CDialog* d) {
                      CRect three, four;
                      d->GetDlgItem(IDC_QUALITY_LEVEL3)->GetWindowRect(&three);
                      d->GetDlgItem(IDC_QUALITY_LEVEL4)->GetWindowRect(&four);
                      EXPECT_LT(four.top, three.top);
                      DragOn(&dlg.m_wndPreview, { 100, 40 }, { 300, 120 });
                      EXPECT_EQ(CRect(dlg.m_rcBox), CRect(0, 0, 0, 0));
                      QDir().mkpath(SUITE_BUILD_DIR "/pictures");
                      d->GetWidget()->grab().toImage().save(SUITE_BUILD_DIR "/pictures/quality_box_dlg2.png");
                      Click(d, IDC_QUALITY_LEVEL4);
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_EQ(CRect(dlg.m_rcBox), CRect(200, 40, 600, 120));
    EXPECT_EQ(dlg.m_nQuality, 3); // "4" stays the fourth level
}

TEST_F(QualityBoxDlgTest, AChannelWithoutVideoStillLetsTheUserChooseTheLevel)
{
    camera->SetChannelVideo(0, false);
    CQualityBoxDlg dlg;
    dlg.m_nQuality = 1;
    EXPECT_EQ(Run(dlg,
                  [&](CDialog* d) {
                      Click(d, IDC_QUALITY_LEVEL5);
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_EQ(dlg.m_nQuality, 4);
    EXPECT_EQ(CRect(dlg.m_rcBox), CRect(0, 0, 0, 0));
}

} // namespace
