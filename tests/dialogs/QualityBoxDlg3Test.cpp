// The quality box dialog against the simulated camera: the live picture
// with the stored area, the area dragged on the preview and given back in
// full-picture coordinates, a channel without video, Cancel, and the
// network thread gone once the dialog has closed.
#include "dialogs/QualityBoxDlg3.h"

#include "platform/base/Services.h"
#include "tests/controls/PreviewTestTools.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <QImage>

namespace
{

COLORREF At(const QImage& image, int x, int y)
{
    const QRgb c = image.pixel(x, y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

void Click(CDialog* dlg, int id)
{
    dlg->SendDlgItemMessage(id, BM_CLICK);
}

class QualityBox : public ::testing::Test, public LiveCamera
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        ASSERT_TRUE(Start());
    }
};

TEST_F(QualityBox, StoredAreaOpensOnTheLivePictureAndADragComesBackInFullPictureCoordinates)
{
    CQualityBoxDlg3 dlg;
    dlg.m_nMode = 1;
    dlg.m_nChannel = 1;
    dlg.m_rcArea = RECT { 100, 60, 300, 200 };
    dlg.m_nQuality = 0;
    ScriptedDialogRunner runner([&](CDialog* d) {
        CString caption;
        d->GetWindowText(caption);
        EXPECT_STREQ(caption, "Night");
        ASSERT_TRUE(dlg.IsStreaming());
        ASSERT_TRUE(WaitAcks(3));
        // A 625-line picture: x halved, 25 lines up.
        EXPECT_EQ(CRect(dlg.m_wndPreview.m_rcArea), CRect(50, 35, 150, 175));
        EXPECT_FALSE(dlg.m_wndPreview.m_bNtsc);
        const QImage shown = dlg.m_wndPreview.GetSurface()->copy();
        shown.save(SUITE_BUILD_DIR "/quality_box_live.png");
        EXPECT_EQ(At(shown, 50, 100), RGB(216, 176, 103));

        // The stored rectangle, taken by its corner and put back, returns as it came.
        DragOn(&dlg.m_wndPreview, { 50, 35 }, { 50, 35 });
        EXPECT_EQ(CRect(dlg.m_rcArea), CRect(100, 60, 300, 200));
        // A new one.
        DragOn(&dlg.m_wndPreview, { 200, 100 }, { 300, 200 });
        EXPECT_EQ(CRect(dlg.m_rcArea), CRect(400, 125, 600, 225));
        Click(d, IDC_QUALITY_LEVEL4);
        Click(d, IDOK);
    });
    ScopedService<IModalDialogRunner> useRunner(&runner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(CRect(dlg.m_rcArea), CRect(400, 125, 600, 225));
    EXPECT_EQ(dlg.m_nQuality, 3); // "4"
    // The thread has ended with the dialog.
    EXPECT_FALSE(dlg.IsStreaming());
    const size_t acks = Received(0x2302).size();
    PumpMessagesUntil([] { return false; }, 100);
    EXPECT_EQ(Received(0x2302).size(), acks);
}

TEST_F(QualityBox, OnARotatedPictureBothAxesAreTurnedBack)
{
    sim::CameraPictureSettings turned;
    turned.rotated = true;
    turned.pal = false;
    camera->SetPicture(turned);
    CQualityBoxDlg3 dlg;
    dlg.m_nChannel = 1;
    dlg.m_nQuality = 2;
    ScriptedDialogRunner runner([&](CDialog* d) {
        ASSERT_TRUE(WaitAcks(3));
        EXPECT_TRUE(dlg.m_wndPreview.m_bRotated);
        EXPECT_TRUE(dlg.m_wndPreview.m_bNtsc);
        DragOn(&dlg.m_wndPreview, { 60, 40 }, { 160, 140 });
        // Turned within 360 x 243: (200, 103, 300, 203); then x doubled, y kept.
        EXPECT_EQ(CRect(dlg.m_rcArea), CRect(400, 103, 600, 203));
        Click(d, IDOK);
    });
    ScopedService<IModalDialogRunner> useRunner(&runner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nQuality, 2);
}

TEST_F(QualityBox, ChannelWithoutVideoShowsNoVideoAndStillAsksForFrames)
{
    camera->SetChannelVideo(1, false);
    CQualityBoxDlg3 dlg;
    dlg.m_nChannel = 1;
    dlg.m_nQuality = 1;
    ScriptedDialogRunner runner([&](CDialog* d) {
        ASSERT_TRUE(WaitAcks(3));
        PumpWaitingMessages();
        const QImage shown = dlg.m_wndPreview.GetSurface()->copy();
        shown.save(SUITE_BUILD_DIR "/quality_box_no_video.png");
        bool text = false;
        for (int y = 10; y < 30; ++y)
            for (int x = 10; x < 70; ++x)
                text = text || GetRValue(At(shown, x, y)) > 180;
        EXPECT_TRUE(text);
        EXPECT_EQ(At(shown, 200, 150), RGB(0, 0, 0));
        Click(d, IDCANCEL);
    });
    ScopedService<IModalDialogRunner> useRunner(&runner);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // Cancel leaves the creator's values.
    EXPECT_EQ(CRect(dlg.m_rcArea), CRect(0, 0, 0, 0));
    EXPECT_EQ(dlg.m_nQuality, 1);
}

TEST_F(QualityBox, NoAreaOpensEmptyAndOkGivesItBack)
{
    CQualityBoxDlg3 dlg;
    dlg.m_nChannel = 1;
    dlg.m_nQuality = 4;
    ScriptedDialogRunner runner([&](CDialog* d) {
        ASSERT_TRUE(WaitAcks(1));
        EXPECT_EQ(CRect(dlg.m_wndPreview.m_rcArea), CRect(0, 0, 0, 0));
        Click(d, IDOK);
    });
    ScopedService<IModalDialogRunner> useRunner(&runner);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(CRect(dlg.m_rcArea), CRect(0, 0, 0, 0));
    EXPECT_EQ(dlg.m_nQuality, 4);
}

} // namespace
