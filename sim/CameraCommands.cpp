// Group 0x04: the channels and cameras, and group 0x0B's channel information.
#include "sim/CommandGroup.h"

#include <iterator>
#include <string>

namespace sim
{

namespace
{

const char* const kCameraNames[]
    = { "Entrance", "Till 1", "Till 2", "Stock room", "Car park", "Back door", "Office", "Loading bay",
          "Aisle 1", "Aisle 2", "Aisle 3", "Fire exit", "Staff room", "Corridor", "Roof", "Gate" };

std::string CameraName(int camera)
{
    if (camera < static_cast<int>(std::size(kCameraNames)))
        return kCameraNames[camera];
    return "Camera " + std::to_string(camera + 1);
}

void Seed(StoreState& state)
{
    const DeviceProfile& p = state.profile;
    // The video sources of a camera: a 25-frame standard in Europe, and a
    // PTZ head (model 1, the first of the list) on channel 2.
    const uint8_t standard = p.zoneOffset >= -3600 && p.zoneOffset <= 10800 ? 0x10 : 0;
    Body channels;
    for (int source = 0; source < 5; ++source) {
        const bool on = (p.sourcesOn >> source) & 1;
        channels.U8(on ? 0x80 | standard : 0).U8(on && source == 2 ? 1 : 0);
        channels.U16(0).U32(0).U8(0).U8(0).U16(1);
    }
    channels.U8(2).Text("Pelco-D", 32).Text("Pelco-P", 32);
    state.Value(0x0401) = channels.bytes;

    // A recorder's cameras: local ones first, then the network ones; the
    // last few are switched off.
    const int cameras = p.analogCameras + p.networkCameras;
    state.Value(0x0403) = Body()
                              .U8(static_cast<uint8_t>(p.analogCameras))
                              .U8(static_cast<uint8_t>(p.networkCameras))
                              .U8(p.networkCameras ? 1 : 0)
                              .bytes;
    for (int camera = 0; camera < cameras; ++camera) {
        // The On switch is bit 7 of the flags' second byte.
        const uint16_t on = camera < cameras - p.camerasOff ? 0x0080 : 0;
        if (camera < p.analogCameras) {
            // Gain, brightness and contrast in the middle of their ranges.
            state.Value(0x0404, static_cast<uint32_t>(camera)) = Body()
                                                                     .U16(on)
                                                                     .Text(CameraName(camera), 32)
                                                                     .U8(9)
                                                                     .U8(9)
                                                                     .U8(9)
                                                                     .U8(0)
                                                                     .U8(0)
                                                                     .U8(0)
                                                                     .U16(0)
                                                                     .bytes;
        } else {
            Body network;
            // A general o-Vel source on the local network, its first channel.
            const int number = camera - p.analogCameras;
            network.U16(on).U16(0x00FF).Text(CameraName(camera), 32).Text("admin", 32).Text("", 32).Zero(5);
            network.Text("192.168.1." + std::to_string(51 + number), 128).U16(0).U16(8001);
            if (p.revision >= 22)
                network.U8(0);
            state.Value(0x0406, static_cast<uint32_t>(camera - p.analogCameras)) = network.bytes;
        }
    }
    state.Value(0x0B01) = Body().U8(4).U8(2).U8(0).U8(0).U32(0).bytes;
}

} // namespace

const CommandGroup kCameraCommands = { Seed, nullptr };

} // namespace sim
