// Group 0x07's recording options: the speeds, the qualities and the
// recording types of a recorder, with one preset (speed index, middle
// value, quality index) per type.
#include "sim/CommandGroup.h"

#include <iterator>

namespace sim
{

namespace
{

void Seed(StoreState& state)
{
    Body b;
    const char* const speeds[]
        = { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "15", "20", "MAX" };
    b.U8(static_cast<uint8_t>(std::size(speeds)));
    for (const char* speed : speeds)
        b.Text(speed, 16);
    const char* const qualities[] = { "Lowest", "Low", "Standard", "High", "Highest" };
    b.U8(static_cast<uint8_t>(std::size(qualities)));
    for (const char* quality : qualities)
        b.Text(quality, 16);
    b.U8(0);
    const char* const types[] = { "No Save", "Low", "Standard", "High", "Custom" };
    b.U8(static_cast<uint8_t>(std::size(types)));
    for (const char* type : types)
        b.Text(type, 16);
    // No Save, Low, Standard, High; Custom starts from Standard.
    const uint8_t presets[][3] = { { 0, 0, 0 }, { 3, 1, 1 }, { 7, 2, 2 }, { 13, 3, 4 }, { 7, 2, 2 } };
    for (const auto& preset : presets)
        b.Raw(preset, 3);
    state.Value(0x0705) = b.bytes;
}

} // namespace

const CommandGroup kEventCommands = { Seed, nullptr };

} // namespace sim
