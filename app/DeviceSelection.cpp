#include "app/DeviceSelection.h"

namespace
{

IDeviceSelection* g_pDeviceSelection = nullptr;

} // namespace

IDeviceSelection* GetDeviceSelection()
{
    return g_pDeviceSelection;
}

void SetDeviceSelection(IDeviceSelection* pSelection)
{
    g_pDeviceSelection = pSelection;
}
