// Drops a device's old address from the computer's neighbour cache after the
// device moved to a new address.
#pragma once

// Starts the system's tool detached; shows "exec error" when it cannot start.
// Gives whether it started.
bool FlushArpEntry(const char* oldAddress);
