// The reset of the device's settings to their defaults (0x0901): the
// question, chosen by whether the device still has its default ports, the
// reset, the reboot that a device on other ports needs, the result and the
// ports the device has afterwards.
#pragma once

#include "pages/common/RebootFlow.h"

struct FlashResetTexts {
    CString askDefaultPorts; // empty: no question
    // Asked instead when the ports are not the defaults (empty: the same
    // question, and no reboot follows).
    CString askOtherPorts;
    CString failed;
    CString done;
    // The result is told before the reboot rather than after it.
    bool doneBeforeReboot = false;
    // The device's address-lookup settings are cleared in the tree too.
    bool clearLookup = false;
    RebootTexts reboot; // without a question
};

// The system page's texts and steps for the current device's family.
FlashResetTexts SystemFlashResetTexts();

// TRUE when the device reset its settings; FALSE when the user said No or
// the device refused.
BOOL ResetFlashToDefaults(
    CConfigSession& session, IConfigPageHost* pHost, CWnd* pParent, const FlashResetTexts& texts);
