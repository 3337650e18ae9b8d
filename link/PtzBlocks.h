// Blocks of the PTZ page: each camera's presets (name and enable mark) and
// auxiliary outputs, and the preset actions. Recorders send the lists with a
// count per camera; cameras and video servers in the wide form, where one
// count of the first camera holds for all (0x0331 to 0x0334).
#pragma once

#include "link/ConfigBlock.h"

#include <cstdint>

constexpr int kPtzCameras = 16;
constexpr int kPtzPresets = 16;

struct tagPresetEntry {
    char szName[24]; // at most 23 characters
    uint8_t byEnable; // 1 enabled
};
struct tagPresetCamera {
    uint8_t byCount;
    tagPresetEntry presets[kPtzPresets];
};
// tagPresetTable, 6417 bytes.
struct CFG_PRESET_TABLE {
    uint8_t byCameras;
    tagPresetCamera cameras[kPtzCameras];
};
static_assert(sizeof(CFG_PRESET_TABLE) == 6417);

// Sixteen auxiliary entries of 32 bytes a camera, as the auxiliary dialog
// edits them; the page copies them without looking inside.
struct tagAuxCamera {
    uint8_t byCount;
    uint8_t byReserved[3];
    uint8_t byEntries[512];
};
// tagAuxTable, 8260 bytes.
struct CFG_AUX_TABLE {
    uint8_t byCameras;
    uint8_t byReserved[3];
    tagAuxCamera cameras[kPtzCameras];
};
static_assert(sizeof(CFG_AUX_TABLE) == 8260);

// A preset action: camera and preset, both from 0.
struct CFG_PTZ_PRESET {
    uint8_t byCamera;
    uint8_t byPreset;
};

namespace ptz_lengths
{
// Recorders: a count byte, then per camera its count and entries.
inline uint32_t Presets(const CFG_PRESET_TABLE& t)
{
    uint32_t length = CONFIG_CRED_SIZE + 1;
    for (int c = 0; c < t.byCameras && c < kPtzCameras; ++c)
        length += 1 + uint32_t(t.cameras[c].byCount < kPtzPresets ? t.cameras[c].byCount : kPtzPresets) * 25;
    return length;
}
inline uint32_t Aux(const CFG_AUX_TABLE& t)
{
    uint32_t length = CONFIG_CRED_SIZE + 1;
    for (int c = 0; c < t.byCameras && c < kPtzCameras; ++c)
        length += 1 + uint32_t(t.cameras[c].byCount < kPtzPresets ? t.cameras[c].byCount : kPtzPresets) * 29;
    return length;
}
// The wide form: two counts, then every camera with the first one's count.
inline uint32_t WideCount(uint8_t cameras, uint8_t firstCount)
{
    return cameras ? uint32_t(cameras < kPtzCameras ? cameras : kPtzCameras)
            * uint32_t(firstCount < kPtzPresets ? firstCount : kPtzPresets)
                   : 0;
}
inline uint32_t WidePresets(const CFG_PRESET_TABLE& t)
{
    return CONFIG_CRED_SIZE + 8 + WideCount(t.byCameras, t.cameras[0].byCount) * 28;
}
inline uint32_t WideAux(const CFG_AUX_TABLE& t)
{
    return CONFIG_CRED_SIZE + 8 + WideCount(t.byCameras, t.cameras[0].byCount) * 32;
}
} // namespace ptz_lengths

constexpr ConfigGet<CFG_PRESET_TABLE> GET_PRESETS { 0x0324, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_PRESET_TABLE> SET_PRESETS { 0x0325, CONFIG_CRED_SIZE + 1, true,
    ptz_lengths::Presets };
constexpr ConfigGet<CFG_AUX_TABLE> GET_AUX { 0x0326, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_AUX_TABLE> SET_AUX { 0x0327, CONFIG_CRED_SIZE + 1, true, ptz_lengths::Aux };
constexpr ConfigSet<CFG_PTZ_PRESET> SET_PTZ_PRESET { 0x0328, CONFIG_CRED_SIZE + 2 };
constexpr ConfigSet<CFG_PTZ_PRESET> CLEAR_PTZ_PRESET { 0x0329, CONFIG_CRED_SIZE + 2 };
constexpr ConfigSet<CFG_PTZ_PRESET> GOTO_PTZ_PRESET { 0x0330, CONFIG_CRED_SIZE + 2 };
constexpr ConfigGet<CFG_PRESET_TABLE> GET_PRESETS_WIDE { 0x0331, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_PRESET_TABLE> SET_PRESETS_WIDE { 0x0332, CONFIG_CRED_SIZE + 8, true,
    ptz_lengths::WidePresets };
constexpr ConfigGet<CFG_AUX_TABLE> GET_AUX_WIDE { 0x0333, CONFIG_CRED_SIZE };
constexpr ConfigSet<CFG_AUX_TABLE> SET_AUX_WIDE { 0x0334, CONFIG_CRED_SIZE + 8, true, ptz_lengths::WideAux };
