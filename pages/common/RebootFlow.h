// The reboot of the current device, as the system pages and the network
// pages run it: the question, the reboot request, the wait until the device
// answers discovery again (or about 30 seconds passed) and the result. No
// page is needed; the caller gives its session, its host and the window
// the boxes belong to.
#pragma once

#include "link/ConfigSession.h"
#include "pages/ConfigPageHost.h"
#include "platform/base/String.h"
#include "platform/ui/Wnd.h"

// What one reboot tells the user.
struct RebootTexts {
    CString question; // asked with Yes and No; empty: no question
    CString booted; // the device came back
    CString failed; // the request failed or the device stayed away
};

// The system page's texts for the current device's family; `bAsk` FALSE
// leaves out the question (a reboot after a reset to defaults).
RebootTexts SystemRebootTexts(BOOL bAsk);

// Asks, sends 0x0103, waits under the reboot wait box and tells the result.
// TRUE when the device answered again; FALSE when the user said No, the
// request failed or the wait ran out.
BOOL RebootDevice(CConfigSession& session, IConfigPageHost* pHost, CWnd* pParent, const RebootTexts& texts);
