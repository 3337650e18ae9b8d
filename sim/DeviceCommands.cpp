// Group 0x01's identity commands: the device information of the login and
// the description the information page writes.
#include "sim/DeviceCommands.h"
#include "sim/CommandGroup.h"

#include <algorithm>

namespace sim
{

Bytes DiscoveryBody(const StoreState& state, bool withPort)
{
    const DeviceProfile& p = state.profile;
    Body b;
    b.Text(p.model, 16).Text(p.version1, 32).Text(p.version2, 32).Text(p.serial, 24).U32(p.address);
    if (withPort)
        b.U32(p.configPort);
    b.Raw(p.mac, 6).Text(state.title, 32);
    return b.bytes;
}

Bytes DeviceInfoBody(const StoreState& state)
{
    const DeviceProfile& p = state.profile;
    Body b;
    // The device's wall clock leads the record.
    b.U32(static_cast<uint32_t>(state.clock.Local()))
        .Text(p.model, 16)
        .Text(p.version1, 32)
        .Text(p.version2, 32)
        .Text(p.serial, 24);
    b.U32(p.address).Raw(p.mac, 6).Zero(2).Text(state.title, 32);
    if (p.revision)
        b.U16(p.revision);
    return b.bytes;
}

namespace
{

constexpr size_t kTitleSize = 32;

void Seed(StoreState& state)
{
    state.title = state.profile.title;
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    switch (command) {
    case 0x0106:
        if (params.size() != kTitleSize) {
            reply->status = kInvalidValue;
            return true;
        }
        // Up to the first zero; a full field has none.
        state.title.assign(params.begin(), std::find(params.begin(), params.end(), 0));
        return true;
    case 0x0104:
        reply->body = DeviceInfoBody(state);
        return true;
    default:
        return false;
    }
}

} // namespace

const CommandGroup kDeviceCommands = { Seed, Answer };

} // namespace sim
