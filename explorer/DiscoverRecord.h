// What the explorer's discovery sockets hand their owner: one device that
// answered, as the record Setup's discovery keeps too, carried by
// WM_RES_DISCOVER.
#pragma once

#include "link/DiscoveryOvel.h"
#include "platform/base/Types.h"

#include <cstdint>

namespace morrik
{

using ::RES_DISCOVER_OVEL;

// Sent (not posted) to the owner's window: wParam the RES_DISCOVER_OVEL,
// valid for the call only (the receiver copies it), lParam 0.
constexpr UINT WM_RES_DISCOVER = 0x466;

// The port of a device entered by hand rather than found.
constexpr uint32_t PORT_ENTERED_BY_HAND = 8405;

} // namespace morrik
