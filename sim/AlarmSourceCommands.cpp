// A recorder's alarm sources and its cameras' PTZ lists as a fresh device
// holds them: the sensor inputs' contact types, each camera's motion
// detection, the PTZ presets and auxiliary
// outputs; a camera's PTZ lists in the camera families' wide form. The
// stored settings answer and keep them.
#include "sim/CommandGroup.h"

#include <algorithm>
#include <string>

namespace sim
{

namespace
{

constexpr int kPtzEntries = 16;
const char* const kPresetNames[] = { "Door", "Gate", "Till", "Car park" };

std::string PresetName(int preset)
{
    if (preset < int(std::size(kPresetNames)))
        return kPresetNames[preset];
    return "Preset " + std::to_string(preset + 1);
}

void SeedRecorder(StoreState& state)
{
    const DeviceProfile& p = state.profile;
    // Two contacts wired on the first inputs, normally open and closed.
    Body sensors;
    sensors.U8(1).U8(2).Zero(14);
    state.Value(0x0312) = sensors.bytes;

    // Standard sensitivity over the middle of the picture; video loss
    // counts on every other camera.
    for (int camera = 0; camera < p.analogCameras && camera < 16; ++camera) {
        Body motion;
        motion.U8(uint8_t(camera)).U8(2).U8(0).U8(0x3C).U8(0x3C).U8(0x3C).U8(0x3C).U8(0).U8(0).U8(0);
        motion.U8(camera % 2 ? 0 : 1);
        state.Value(0x0314, uint32_t(camera)) = motion.bytes;
    }
    // PTZ presets and auxiliary outputs of each analogue camera.
    const int cameras = std::min(p.analogCameras, 16);
    Body presets, aux;
    presets.U8(uint8_t(cameras));
    aux.U8(uint8_t(cameras));
    for (int camera = 0; camera < cameras; ++camera) {
        presets.U8(kPtzEntries);
        aux.U8(kPtzEntries);
        for (int entry = 0; entry < kPtzEntries; ++entry) {
            presets.Text(PresetName(entry), 24).U8(entry < 4 ? 1 : 0);
            aux.Text(entry < 2 ? "Wiper " + std::to_string(entry + 1) : "", 24).U8(entry < 2 ? 1 : 0);
            aux.U32(entry < 2 ? uint32_t(100 * (entry + 1)) : 0);
        }
    }
    state.Value(0x0324) = presets.bytes;
    state.Value(0x0326) = aux.bytes;
}

// Cameras and video servers: four channels in the wide lists.
void SeedCamera(StoreState& state)
{
    constexpr uint32_t kChannels = 4;
    Body presets, aux;
    presets.U32(kChannels).U32(kPtzEntries);
    aux.U32(kChannels).U32(kPtzEntries);
    for (uint32_t channel = 0; channel < kChannels; ++channel) {
        for (int entry = 0; entry < kPtzEntries; ++entry) {
            presets.U32(entry < 4 ? 1 : 0).Text(PresetName(entry), 24);
            aux.U32(entry < 2 ? 1 : 0).U32(entry < 2 ? uint32_t(100 * (entry + 1)) : 0);
            aux.Text(entry < 2 ? "Wiper " + std::to_string(entry + 1) : "", 24);
        }
    }
    state.Value(0x0331) = presets.bytes;
    state.Value(0x0333) = aux.bytes;
}

void Seed(StoreState& state)
{
    if (state.profile.family == 4)
        SeedRecorder(state);
    else if (state.profile.family == 0 || state.profile.family == 3)
        SeedCamera(state);
}

} // namespace

const CommandGroup kAlarmSourceCommands = { Seed, nullptr };

} // namespace sim
