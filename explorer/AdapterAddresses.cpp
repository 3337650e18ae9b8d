#include "explorer/AdapterAddresses.h"

#include "platform/base/Services.h"

#include <cstdio>
#include <cstring>

namespace morrik
{

int ReadAdapterAddresses(char addresses[MAX_ADAPTERS][ADAPTER_ADDRESS_SIZE])
{
    std::memset(addresses, 0, sizeof(char[MAX_ADAPTERS][ADAPTER_ADDRESS_SIZE]));
    int count = 0;
    for (const AdapterInfo& adapter : Service<INetworkEnvironment>().GetAdapters()) {
        if (count == MAX_ADAPTERS)
            break;
        if (adapter.ipAddress.empty())
            continue;
        std::snprintf(addresses[count++], ADAPTER_ADDRESS_SIZE, "%s", adapter.ipAddress.c_str());
    }
    if (count == 0)
        std::snprintf(addresses[count++], ADAPTER_ADDRESS_SIZE, "0.0.0.0");
    return count;
}

} // namespace morrik
