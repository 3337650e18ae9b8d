// The channel block of the camera families as the channel pages and the PTZ
// set-up dialog keep it: per entry the PTZ settings unpacked into seven
// values, the PTZ model list of at most twenty names, and the sensors and
// relay outputs of the external-device block, whose bytes and bits differ
// by family.
#pragma once

#include "link/CameraBlocks.h"

#include <cstdint>

// Entries of the block: channel 1 from the internal camera, channel 1 from
// the external input, channels 2, 3, 4.
constexpr int kChannelEntries = 5;
// The most model names a page or the PTZ dialog keeps.
constexpr int kMaxPtzModels = 20;

// Channel flags of an entry.
constexpr uint8_t CHANNEL_ENABLED = 0x80;
constexpr uint8_t CHANNEL_PAL = 0x10;
constexpr uint8_t CHANNEL_ROTATED = 0x08;
constexpr uint8_t CHANNEL_MONOCHROME = 0x01;

// PTZ line flags: interface, parity and data bits.
constexpr int PTZ_RS232 = 0x80;
constexpr int PTZ_RS422 = 0x04;
constexpr int PTZ_RS485 = 0;
constexpr int PTZ_PARITY_EVEN = 0x20;
constexpr int PTZ_PARITY_ODD = 0x40;

// The PTZ settings of one channel entry.
struct tagPtzSetting {
    int nModel; // 1 to the model count; 0 = none
    int nInterface; // PTZ_RS232, PTZ_RS422 or PTZ_RS485
    int nBaudRate;
    int nParity; // 0, PTZ_PARITY_EVEN or PTZ_PARITY_ODD
    int nStopBits; // 0: 1, 1: 1.5, 2: 2
    int nAddress;
    int nDataBits7; // 1: seven data bits, 0: eight
};

struct PtzModelList {
    int count = 0;
    char names[kMaxPtzModels][32] = {};
};

// The model list of a read block, no more than the list holds.
void CopyPtzModels(const CFG_CHANNEL_CONFIG& block, PtzModelList* models);
// A read block as the pages keep it: the model list, the entries with
// their thresholds in range, and each entry's PTZ settings.
void TakeChannelBlock(const CFG_CHANNEL_CONFIG& block, PtzModelList* models,
    CFG_CHANNEL_ENTRY entries[kChannelEntries], tagPtzSetting settings[kChannelEntries]);
// Which entries a read block has on, as the pages commit them: channel 1
// counts once, from the internal camera when both are on.
void CommittedChannels(const CFG_CHANNEL_CONFIG& block, uint8_t committed[kChannelEntries]);
// A model's name; null for 0 ("None") and numbers beyond the list.
const char* PtzModelText(const PtzModelList& models, int model);

// An entry's PTZ fields; a model number beyond the list reads as none.
tagPtzSetting UnpackPtzSetting(const CFG_CHANNEL_ENTRY& entry, int modelCount);
// Writes the PTZ fields into an entry, leaving its flags and threshold.
void PackPtzSetting(const tagPtzSetting& setting, CFG_CHANNEL_ENTRY* entry);
// The motion threshold as shown: 0 to 999, anything larger reads as 0.
int MotionThreshold(const CFG_CHANNEL_ENTRY& entry);

// Where a family keeps its sensors and relay outputs in the 4-byte block.
enum ExtDeviceLayout {
    EXT_ONE_PER_BYTE, // family 0: sensor 1, sensor 2, relay in bytes 0, 1, 2 (0 or 1)
    EXT_MASKS, // family 3: sensors in byte 0 bits 0-3, relays in byte 1
    EXT_THREE_CHANNEL, // family 1 page: bits 1-3 of byte 0 and of byte 2
    EXT_THREE_CHANNEL_OPTION, // family 1 option page: bits 1-3 of bytes 0 and 1
    EXT_NONE, // family 2: no external devices, written as zeros
};

struct ExtDevices {
    bool sensor[4] = {};
    bool relay[4] = {};
};

ExtDevices DecodeExtDevices(const CFG_EXT_DEVICE& block, ExtDeviceLayout layout);
CFG_EXT_DEVICE EncodeExtDevices(const ExtDevices& devices, ExtDeviceLayout layout);
