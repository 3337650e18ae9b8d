// The picture adjustment of a simulated camera's video sources: what each
// source keeps, and what it shows now (a trial set shows values it does not
// keep), which the stream roles put into their pictures.
#pragma once

#include "sim/SettingsStore.h"

#include <cstdint>

namespace sim
{

constexpr uint8_t kPictureSources = 5;

// The values a source shows now; brightness, contrast, hue, saturation and
// horizontal offset are signed, the video gain is not.
struct ShownPicture {
    int8_t brightness = 0;
    int8_t contrast = 0;
    int8_t hue = 0;
    int8_t saturation = 0;
    int8_t offset = 0;
    uint8_t gain = 0x60;
};

ShownPicture ShownPictureOf(const SettingsStore& store, uint8_t source);

} // namespace sim
