// The local adapters an explorer discovers devices on: the first IPv4
// address of each, at most ten, or the wildcard address when the system
// gives none.
#pragma once

#include "morrikExport.h"

namespace morrik
{

constexpr int MAX_ADAPTERS = 10;
constexpr int ADAPTER_ADDRESS_SIZE = 24;

// Fills the table (cleared first) and gives the number of entries used, at
// least 1.
MORRIK_EXPORT int ReadAdapterAddresses(char addresses[MAX_ADAPTERS][ADAPTER_ADDRESS_SIZE]);

} // namespace morrik
