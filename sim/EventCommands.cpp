// Group 0x07's lists of alarm inputs, outputs and cameras by name.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    state.Value(0x0705) = Body()
                              .U8(1)
                              .Text("Front door", 16)
                              .U8(1)
                              .Text("Siren", 16)
                              .U8(0)
                              .U8(1)
                              .Text("Dome", 16)
                              .Zero(3)
                              .bytes;
}

} // namespace

const CommandGroup kEventCommands = { Seed, nullptr };

} // namespace sim
