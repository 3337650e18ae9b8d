// Group 0x03's network settings and group 0x0A's ports.
#include "sim/CommandGroup.h"

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    // The device's own address on a /24 with its gateway at .1.
    const uint32_t address = state.profile.address;
    const uint32_t net = address & 0xFFFFFF00u;
    state.Value(0x0301) = Body()
                              .U32(address)
                              .U32(0xFFFFFF00u)
                              .U32(net | 0xFF)
                              .U32(net | 1)
                              .U32(0x08080808)
                              .U32(0x08080404)
                              .U32(0)
                              .U32(300)
                              .Text("reg.example.net", 64)
                              .Text("group1", 16)
                              .U8(0)
                              .bytes;
    state.Value(0x0303) = Body().U32(0).Text("", 128).Text("", 128).Text("xDSL link down", 128).bytes;
    state.Value(0x030C) = Body().U32(8200).U32(8300).U32(8500).bytes;
    state.Value(0x0A01) = Body().U32(8105).U32(8001).bytes;
    state.Value(0x0A03) = Body().U32(0).U32(8405).bytes;
    // Dial-in on its default addresses; dial-out with no number, no prefix,
    // dropping the line after five idle minutes, no script.
    Body connectivity;
    connectivity.U8(0).U32(0xC0A8C801).U32(0xC0A8C802).Text("dvr", 128).Text("", 64).U32(0).Text("", 32);
    connectivity.U8(255).U16(300).U8(0).Zero(16 + 16 * 64);
    state.Value(0x031E) = connectivity.bytes;
    state.Value(0x0320) = Body().U8(0).Text("", 128).Text("smtp.example.net", 128).U8(1).U8(0).bytes;
}

} // namespace

const CommandGroup kNetworkCommands = { Seed, nullptr };

} // namespace sim
