// Group 0x08: the disk, and group 0x01's disk partitions.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    state.Value(0x0801) = Body().U32(0x01000000).U32(2000).U32(488281250).U32(312500000).bytes;
}

} // namespace

const CommandGroup kDiskCommands = { Seed, nullptr };

} // namespace sim
