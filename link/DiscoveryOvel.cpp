#include "link/DiscoveryOvel.h"

#include "link/ByteOrder.h"
#include "link/DeviceHelpers.h"

bool IsFirmwareTooNew(const char* version2)
{
    // The field may fill its 32 bytes without a terminator.
    char text[33];
    CopyFixedText(text, sizeof(text), version2, 32);
    int major = 0;
    ParseVersionText(text, &major, 1);
    return major >= 3;
}
