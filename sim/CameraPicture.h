// The pictures of the simulated camera: a moving test pattern with the
// frame number written into it, encoded in the decoder stand-in's format,
// and the frame reply body that carries it.
#pragma once

#include "platform/decoder/FrameEncoder.h"

#include <cstdint>
#include <vector>

namespace sim
{

struct CameraPictureSettings {
    uint8_t kind = 2; // resolution kind 0..4
    bool pal = true; // 625 lines (else 525)
    bool rotated = false; // the camera hangs upside down: the picture is sent turned
    bool ptz = true; // the flag word's PTZ bits
    // The source's picture adjustment, applied to the bars and the moving
    // block (the frame number stays readable): each colour value is
    // stretched around 128 by (128 + contrast) / 128, then shifted by
    // brightness.
    int brightness = 0;
    int contrast = 0;
};

// A colour value of the pattern as the adjustment shows it.
uint8_t AdjustedLevel(uint8_t value, int brightness, int contrast);

// Width and height of a kind and standard (92 x 72 ... 720 x 576).
void CameraPictureSize(const CameraPictureSettings& settings, int* width, int* height);

// The test pattern of frame `number` as the viewer should see it (upright):
// colour bars that move one bar width every eight frames, a white block
// that runs along the bottom, and the frame number as a row of 16 black or
// white squares (bit 15 first) at the top left.
frame601::Picture CameraPattern(const CameraPictureSettings& settings, uint32_t number);

// Reads the frame number back from an upright picture of the pattern sent
// at sourceWidth x sourceHeight and decoded (scaled) to width x height, as a
// test sees it; -1 when the squares are not there.
int64_t ReadPatternNumber(
    const uint8_t* bgr, int width, int height, int stride, bool bottomUp, int sourceWidth, int sourceHeight);

// The body of a frame reply 0x2202: the frame information (its length 32,
// the frame number, channel, kind, the number again at the word the client
// keeps, the payload length) and the payload. `payloadLengthLie` >= 0
// announces that many payload bytes instead of the true count.
std::vector<uint8_t> CameraFrameBody(
    const CameraPictureSettings& settings, uint8_t channel, uint32_t number, int64_t payloadLengthLie = -1);

} // namespace sim
