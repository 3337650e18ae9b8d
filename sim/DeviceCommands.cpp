// Group 0x01's identity commands: the device information of the login and
// the discovery form of the zone-table clock set.
#include "sim/DeviceCommands.h"
#include "sim/CommandGroup.h"

namespace sim
{

Bytes DiscoveryBody(const StoreState& state, bool withPort)
{
    const DeviceProfile& p = state.profile;
    Body b;
    b.Text(p.model, 16).Text(p.version1, 32).Text(p.version2, 32).Text(p.serial, 24).U32(p.address);
    if (withPort)
        b.U32(p.configPort);
    b.Raw(p.mac, 6).Text(p.title, 32);
    return b.bytes;
}

Bytes DeviceInfoBody(const StoreState& state)
{
    const DeviceProfile& p = state.profile;
    Body b;
    b.U32(1765000000).Text(p.model, 16).Text(p.version1, 32).Text(p.version2, 32).Text(p.serial, 24);
    b.U32(p.address).Raw(p.mac, 6).Zero(2).Text(p.title, 32);
    if (p.revision)
        b.U16(p.revision);
    return b.bytes;
}

namespace
{

bool Answer(StoreState& state, uint16_t command, const Bytes&, SimReply* reply)
{
    switch (command) {
    case 0x0104:
        reply->body = DeviceInfoBody(state);
        return true;
    case 0x0111:
        reply->body = DiscoveryBody(state, true);
        return true;
    default:
        return false;
    }
}

} // namespace

const CommandGroup kDeviceCommands = { nullptr, Answer };

} // namespace sim
