// What the network pages do after the device took new network settings:
// the computer drops the neighbour entry of the address the device had, the
// view looks for the device at its new address, and the program's current
// device moves there. And the notice a recorder's network pages show while
// the recorder takes its new settings.
#pragma once

#include "pages/ConfigPageHost.h"
#include "platform/ui/Wnd.h"

void FollowAddressChange(IConfigPageHost* pHost, DWORD newAddress);

// The wait box with "Please wait while network information setting!" for
// `ms`, centred on the main window, the mouse captured by `pPage`.
void ShowNetworkSettingWait(CWnd* pPage, DWORD ms);
