#include "link/DeviceGates.h"

#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"

namespace
{

bool VersionAtLeast(const int want[], int count)
{
    int have[4];
    ParseVersionText(g_CurrentDevice.szVersion2, have, count);
    for (int i = 0; i < count - 1; ++i) {
        if (have[i] != want[i])
            return have[i] > want[i];
    }
    return have[count - 1] >= want[count - 1];
}

} // namespace

bool IsVersionAtLeast(int a, int b, int c)
{
    const int want[] = { a, b, c };
    return VersionAtLeast(want, 3);
}

bool IsVersionAtLeast4(int a, int b, int c, int d)
{
    const int want[] = { a, b, c, d };
    return VersionAtLeast(want, 4);
}

bool IsFeatureSupported()
{
    int hardware[1];
    ParseVersionText(g_CurrentDevice.szVersion1, hardware, 1);
    switch (g_nRecorderModel) {
    case 0:
    case 1:
    case 3:
        return IsVersionAtLeast(1, 7, 22);
    case 2:
    case 4:
        return hardware[0] == 1 ? IsVersionAtLeast(1, 7, 22) : IsVersionAtLeast(2, 3, 22);
    default:
        return false;
    }
}
