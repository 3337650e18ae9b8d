// Version and address texts as a device reports them: any bytes, terminated or not.
#include "link/CurrentDevice.h"
#include "link/DeviceGates.h"
#include "link/DeviceHelpers.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    int parts[4];
    ParseVersionText(text.data(), parts, 4);
    for (int p : parts)
        if (p < 0 || p > 255)
            std::abort();

    // The firmware text field of the current device, filled to its width.
    std::memset(g_CurrentDevice.szVersion2, 0, sizeof g_CurrentDevice.szVersion2);
    if (size)
        std::memcpy(g_CurrentDevice.szVersion2, data,
            size < sizeof g_CurrentDevice.szVersion2 - 1 ? size : sizeof g_CurrentDevice.szVersion2 - 1);
    bool atLeast = IsVersionAtLeast(parts[0], parts[1], 0);
    (void)atLeast;
    IsVersionAtLeast4(1, 7, 22, 0);
    ParseDottedAddress(text.data());
    return 0;
}
