// What a recorder records and what its alarms switch, as a shop's recorder
// is set up: a working week of Monday to Friday, 09:00 to 18:00; every
// camera on "Standard" with event recording, motion starting alarm
// recording; sensor 1 switching relay 1 and motion on camera 1 relay 2.
// The stored settings answer the gets and keep the sets.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

void SeedZones(StoreState& state)
{
    // Mode, Monday to Friday, 09:00 to 18:00, lunch 12:00 to 13:00 special.
    state.Value(0x010D)
        = Body().U8(1).U8(0).U8(4).U8(9).U8(0).U8(18).U8(0).U8(12).U8(0).U8(13).U8(0).Zero(16).bytes;
    // Two exception days: a stock-taking afternoon and New Year's Eve.
    state.Value(0x0340) = Body()
                              .U8(3)
                              .U8(31)
                              .U8(14)
                              .U8(0)
                              .U16(240)
                              .U8(1)
                              .U8(12)
                              .U8(31)
                              .U8(18)
                              .U8(30)
                              .U16(360)
                              .U8(2)
                              .Zero(30 * 7)
                              .bytes;
}

void SeedCameras(StoreState& state)
{
    const DeviceProfile& p = state.profile;
    const int cameras = p.analogCameras + p.networkCameras;
    const bool sixteen = p.recorderClass == 2 || p.recorderClass == 3;
    for (int camera = 0; camera < cameras; ++camera) {
        const uint32_t key = static_cast<uint32_t>(camera);
        // Per period: event recording on, special time "Same as above",
        // "Standard" with its preset.
        Body normal;
        for (int period = 0; period < 4; ++period)
            normal.U8(0x80).U8(4).U8(2).U8(7).U8(2).U8(2);
        state.Value(0x0706, key) = normal.bytes;
        // Motion starts alarm recording: "Standard", 3 s before, 10 s after.
        Body alarm;
        alarm.U16(0x8000).U8(1).Zero(8).U8(2).U8(7).U8(0).U8(2).U8(3).U8(10);
        if (sixteen)
            alarm.U32(0x80000000).Zero(32);
        state.Value(0x0708, key) = alarm.bytes;
        // Model class 4: the camera's own sensor and motion input, its preset 1.
        const uint16_t own = camera < 16 ? static_cast<uint16_t>(1u << camera) : 0;
        state.Value(0x070E, key) = Body()
                                       .U8(static_cast<uint8_t>(camera))
                                       .U16(own)
                                       .U16(own)
                                       .U16(0)
                                       .U16(0x0702)
                                       .U8(0)
                                       .U8(2)
                                       .U8(3)
                                       .U8(10)
                                       .Zero(2)
                                       .bytes;
        Body presets;
        presets.U8(static_cast<uint8_t>(camera)).Zero(33);
        if (camera < 16) {
            presets.bytes[1 + camera] = 1;
            presets.bytes[17 + camera] = 1;
        }
        state.Value(0x031C, key) = presets.bytes;
        // The other brand's plan: 5 /s normal, 15 /s on input and motion.
        Body plan;
        for (int period = 0; period < 4; ++period)
            plan.U8(8).U8(12).U8(12).U8(1).U8(2).U8(2).U8(5).U8(11);
        state.Value(0x071A, key) = plan.bytes;
    }
}

void SeedOutputs(StoreState& state)
{
    const bool sixteen = state.profile.recorderClass >= 2;
    // Sensor 1 switches relay 1, motion on camera 1 relay 2, in every period.
    Body relays;
    for (int period = 0; period < 4; ++period)
        relays.U8(0x80).U16(sixteen ? 0x8000 : 0x0400).U16(sixteen ? 0 : 0x4000).U16(0).U16(0);
    for (int period = 0; period < 4; ++period)
        relays.U8(0x80).U16(0).U16(sixteen ? 0x8000 : 0).U16(0).U16(0);
    state.Value(0x070A) = relays.bytes;

    // Model class 4: relay r follows sensor r + 1; the buzzer any motion;
    // the e-mail text events.
    for (uint8_t action = 0; action < 4; ++action) {
        Body entry;
        entry.U8(action);
        for (int period = 0; period < 4; ++period)
            entry.U8(action == 0 ? 0x80 : 0).U16(static_cast<uint16_t>(1u << action)).U16(0).U16(0);
        state.Value(0x0710, action) = entry.bytes;
    }
    Body buzzer, mail;
    buzzer.U8(0);
    mail.U8(0);
    for (int period = 0; period < 4; ++period) {
        buzzer.U8(0).U16(0).U16(0xFFFF).U16(0);
        mail.U8(0).U16(0).U16(0).U16(1);
    }
    state.Value(0x0712) = buzzer.bytes;
    state.Value(0x0714) = mail.bytes;
    state.Value(0x0316) = Body().U8(5).U8(10).U8(0).U8(255).Zero(12).bytes;
    state.Value(0x0318) = Body().U8(30).bytes;
    state.Value(0x031A) = Body().U8(5).Text("alarm@shop.example", 128).Text("smtp.shop.example", 64).bytes;
}

void Seed(StoreState& state)
{
    if (state.profile.family != 4)
        return;
    SeedZones(state);
    SeedCameras(state);
    SeedOutputs(state);
}

} // namespace

const CommandGroup kRecordingCommands = { Seed, nullptr };

} // namespace sim
