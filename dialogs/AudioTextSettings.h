// The records the audio and text insertion panes take and give.
#pragma once

#include <cstdint>

// One audio input (6 bytes).
struct tagAudioSetting {
    uint8_t byReserved[3]; // bytes 0-2; the audio input panes keep 0-1 and clear 2
    // 0x80 "+ 20dB", 0x40 synchronised with a channel, 0x20 recording (the
    // recorders' audio pane); 0x20 recording, 0x10 monitoring (the other
    // brand's audio inputs)
    uint8_t byFlags;
    uint8_t byGain;
    uint8_t bySyncChannel; // channel index - 1; 0xFF "All"
};
static_assert(sizeof(tagAudioSetting) == 6);

// Text insertion from a serial device (148 bytes).
struct tagTextInsertSetting {
    uint8_t byReserved[3]; // written 0
    uint8_t byFlags; // 0x80 recording, 0x40 monitoring, 0x20 synchronised, 0x10 seek header
    uint8_t byDevice; // index into the text devices
    uint8_t bySyncChannel; // channel index - 1; 0xFF "All"
    char szHeader1[64];
    char szHeader2[64];
    char szDelimiter[10]; // hexadecimal digits, at most 9
    uint16_t wTimeout; // milliseconds
    uint16_t wLines;
};
static_assert(sizeof(tagTextInsertSetting) == 148);

constexpr uint8_t TEXT_RECORDING = 0x80;
constexpr uint8_t TEXT_MONITORING = 0x40;
constexpr uint8_t TEXT_SYNC = 0x20;
constexpr uint8_t TEXT_SEEK_HEADER = 0x10;
constexpr uint8_t SYNC_ALL = 0xFF;
