// Blocks of the picture adjustment of a camera's video sources and of its
// audio gain.
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

// 0x0601: which video source.
struct CFG_SCREEN_SOURCE {
    uint8_t bySource;
};

// Bit 7 of the source byte of a 0x0602: show the values without keeping them.
constexpr uint8_t SCREEN_TRIAL_FLAG = 0x80;

// 0x1601 / 0x0602: a source's picture values: brightness, contrast, hue,
// saturation, horizontal offset (signed), a reserved byte, video gain.
struct CFG_SCREEN_ADJUST {
    uint8_t bySource; // with SCREEN_TRIAL_FLAG on a trial set
    uint8_t byPicture[7];
};

// 0x0E01: which source, as four bytes; 0x1E01 / 0x0E02: the audio gain in
// the first byte.
struct CFG_AUDIO_GAIN {
    uint8_t byValue;
    uint8_t byReserved[3];
};

constexpr ConfigBlock<CFG_SCREEN_SOURCE, CFG_SCREEN_ADJUST> GET_SCREEN_ADJUST { 0x0601,
    CONFIG_CRED_SIZE + 1 };
constexpr ConfigSet<CFG_SCREEN_ADJUST> SET_SCREEN_ADJUST { 0x0602, CONFIG_CRED_SIZE + 8 };
constexpr ConfigBlock<CFG_AUDIO_GAIN, CFG_AUDIO_GAIN> GET_AUDIO_GAIN { 0x0E01, CONFIG_CRED_SIZE + 4 };
constexpr ConfigSet<CFG_AUDIO_GAIN> SET_AUDIO_GAIN { 0x0E02, CONFIG_CRED_SIZE + 4 };
