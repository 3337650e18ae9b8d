// What the tests of the screen adjustment pages share: the device's
// seeded picture values, the picture sets it received, the camera's frames
// and the darkness of the bars the page's preview shows.
#pragma once

#include "link/PictureBlocks.h"
#include "pages/common/ScreenAdjustPage.h"
#include "sim/CameraPicture.h"
#include "sim/PictureAdjust.h"
#include "tests/controls/PreviewTestTools.h"
#include "tests/pages/PageFixture.h"

#include <QImage>

#include <algorithm>
#include <vector>

// The seeded picture values of a source: brightness 4 + 2 x source,
// contrast -6, hue 0, saturation 10, offset 0, gain 0x60.
inline sim::Bytes Seeded(uint8_t sourceByte)
{
    const uint8_t source = sourceByte & 0x7F;
    return { sourceByte, uint8_t(4 + 2 * source), 0xFA, 0, 10, 0, 0, 0x60 };
}

class ScreenAdjustTest : public PageTest
{
protected:
    // The bodies of the picture sets the device received.
    std::vector<sim::Bytes> Sets()
    {
        std::vector<sim::Bytes> bodies;
        for (const sim::Exchange& e : Sent(SET_SCREEN_ADJUST.command))
            bodies.push_back(e.params);
        return bodies;
    }
    size_t Frames() const
    {
        const auto log = camera->Log();
        return size_t(
            std::count_if(log.begin(), log.end(), [](const sim::StreamEvent& e) { return e.frame; }));
    }
    // Lets the preview draw `n` more frames than the camera has sent now.
    bool NextFrames(size_t n)
    {
        const size_t seen = Frames();
        return WaitFor([&] { return Frames() >= seen + n + 1; });
    }
    QImage Shown()
    {
        PumpWaitingMessages();
        return static_cast<CScreenAdjustPage*>(page)->m_wndPreview.GetSurface()->copy();
    }
    // The darkest colour value of the bars in the middle of the picture
    // (below the frame number, above the moving block), which the camera
    // makes from black.
    int DarkestBar()
    {
        const QImage shown = Shown();
        int darkest = 255;
        // Within the picture: a wider window is black beside it.
        const int width = std::min(shown.width(), PREVIEW_PICTURE_WIDTH - 4);
        for (int y = shown.height() * 3 / 10; y < shown.height() * 7 / 10; y += 3)
            for (int x = 0; x < width; x += 2) {
                const QRgb c = shown.pixel(x, y);
                darkest = std::min({ darkest, qRed(c), qGreen(c), qBlue(c) });
            }
        return darkest;
    }
    static int Shows(int brightness, int contrast) { return sim::AdjustedLevel(0, brightness, contrast); }
    int Position(int id) { return int(page->SendDlgItemMessage(id, TBM_GETPOS)); }
    std::vector<sim::StreamEvent> Received(uint16_t id) const { return ReceivedBy(*camera, id); }

    sim::CameraStream* camera = nullptr;
};
