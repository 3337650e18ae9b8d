// The device clock, its time zone and daylight saving.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    state.Value(0x0108) = Body().U32(1765000000).U32(3600).bytes;
    state.Value(0x0D05) = Body().U32(1).bytes;
    state.Value(0x010F)
        = Body().U32(2).Text("Europe", 64).Text("North America", 64).Zero(13).U16(60).Zero(13).U16(60).bytes;
    Body rules;
    rules.U32(33);
    for (int i = 0; i < 33; ++i)
        rules.U8(static_cast<uint8_t>(i % 3));
    state.Value(0x0112) = rules.bytes;
}

} // namespace

const CommandGroup kClockCommands = { Seed, nullptr };

} // namespace sim
