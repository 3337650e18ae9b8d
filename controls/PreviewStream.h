// The Plinto network thread of a live picture, as the preview window and
// the quality box dialogs run it: started and awaited, ended and awaited,
// each wait bounded; and the live service request they send.
#pragma once

#include "platform/base/Types.h"
#include "stream/plinto/PlintoTypes.h"

#include <memory>

class CVideoPreviewWnd;

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

// The live stream a window runs for itself and hands to its preview frame
// by frame: the network thread, the service and the copy of the frame.
// Frames still queued after a stop or the thread's end are not drawn.
class CPreviewStream
{
public:
    CPreviewStream();
    ~CPreviewStream();
    CPreviewStream(const CPreviewStream&) = delete;
    CPreviewStream& operator=(const CPreviewStream&) = delete;

    // Starts the thread, when there is none; false when it did not come up
    // in time (the owner then works without video).
    bool StartThread();
    // Starts the service of a channel for the owner window; `address` (the
    // device's dotted address, at most 20 characters kept) replaces the
    // current device's address text when given. False without a thread.
    bool Start(HWND owner, BYTE channel, DWORD streamSetting, int port, const char* address = nullptr);
    // Stops the service; the thread stays for the next start.
    void Stop();
    // Stops the service and ends the thread.
    void End();
    bool HasThread() const { return m_pThread != nullptr; }
    bool IsRunning() const { return m_pThread != nullptr && m_bRunning; }

    // One WM_STREAM_FRAME of the owner: drawn (with the preview's area on
    // request) while the service runs, then the next frame is asked for.
    void OnFrame(CVideoPreviewWnd& preview, WPARAM status, LPARAM slot, bool withArea);

private:
    plinto::CNetThread* m_pThread = nullptr;
    bool m_bRunning = false;
    std::unique_ptr<plinto::tagONLINEFRAME> m_pFrame;
};
