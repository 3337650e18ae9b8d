// Group 0x04: the channels and cameras, and group 0x0B's channel information.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    // Four present channels and two PTZ models.
    Body channels;
    for (int i = 0; i < 5; ++i)
        channels.U8(i < 4 ? 0x80 : 0).U8(0).U16(0).U32(0).U8(0).U8(0).U16(1);
    channels.U8(2).Text("Pelco-D", 32).Text("Pelco-P", 32);
    state.Value(0x0401) = channels.bytes;
    state.Value(0x0403) = Body().U8(state.profile.family == 4 ? 16 : 1).U8(0).U8(0).bytes;
    state.Value(0x0B01) = Body().U8(4).U8(2).U8(0).U8(0).U32(0).bytes;
}

} // namespace

const CommandGroup kCameraCommands = { Seed, nullptr };

} // namespace sim
