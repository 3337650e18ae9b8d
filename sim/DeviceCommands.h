// The device's identity as its discovery and device-information replies
// carry it.
#pragma once

#include "sim/StoreState.h"

namespace sim
{

// Discovery reply bodies: 0x1101, or 0x1111 with the configuration port.
Bytes DiscoveryBody(const StoreState& state, bool withPort);
// The 0x1104 body, with the revision when the profile has one.
Bytes DeviceInfoBody(const StoreState& state);

} // namespace sim
