#include "tests/stream/FerrockOwner.h"

#include "link/WindowMessages.h"

#include <cstring>

FerrockOwner::FerrockOwner()
{
    CreateMessageWindow();
}

FerrockOwner::~FerrockOwner()
{
    DestroyWindow();
}

size_t FerrockOwner::Count(UINT message, WPARAM wParam) const
{
    size_t n = 0;
    for (const PostedMessage& m : posted)
        n += m.message == message && m.wParam == wParam;
    return n;
}

size_t FerrockOwner::Count(UINT message) const
{
    size_t n = 0;
    for (const PostedMessage& m : posted)
        n += m.message == message;
    return n;
}

bool FerrockOwner::WaitFor(const std::function<bool()>& done, DWORD ms)
{
    return PumpMessagesUntil(done, ms);
}

LRESULT FerrockOwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message < WM_USER)
        return CWndBase::WindowProc(message, wParam, lParam);
    posted.push_back({ message, wParam, lParam });
    if (message == WM_STREAM_FRAME) {
        if (lParam) {
            ReceivedFrame f;
            f.kind = int(wParam);
            if (f.kind == ferrock::kFrameVideo || f.kind == ferrock::kFrameVideoLast) {
                f.video = std::make_unique<ferrock::tagVIDEOFRAME>();
                std::memcpy(f.video.get(), reinterpret_cast<void*>(lParam), sizeof(ferrock::tagVIDEOFRAME));
            } else {
                f.etcLength = reinterpret_cast<ferrock::tagETCFRAME*>(lParam)->dwLength;
            }
            frames.push_back(std::move(f));
            ferrock::FreeStreamFrame(int(wParam), reinterpret_cast<void*>(lParam));
        }
        if (onFrame)
            onFrame();
    }
    return 0;
}
