// The Plinto network thread of a live picture, as the preview window and
// the quality box dialogs run it: started and awaited, ended and awaited,
// each wait bounded; and the live service request they send.
#pragma once

#include "platform/base/Types.h"
#include "stream/plinto/PlintoTypes.h"

namespace plinto
{
class CNetThread;
}

// How long an owner waits for its thread's client, and for its end.
constexpr DWORD PREVIEW_THREAD_WAIT_MS = 10000;

// A resumed network thread whose camera client exists; null when the thread
// could not be made or did not come up in time (it is then ended).
plinto::CNetThread* StartPreviewThread(DWORD waitMs = PREVIEW_THREAD_WAIT_MS);
// Ends a thread started above and forgets it; the object is gone afterwards.
// False when it did not end in time.
bool StopPreviewThread(plinto::CNetThread*& pThread, DWORD waitMs = PREVIEW_THREAD_WAIT_MS);
// The live service of a channel of the current device, for an owner window;
// streamSetting is the value of both 32-bit stream settings.
plinto::tagReqServiceParm MakeServiceRequest(HWND owner, BYTE channel, DWORD streamSetting);
