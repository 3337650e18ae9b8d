#include "tests/stream/FerrockOwner.h"

#include "link/WindowMessages.h"
#include "stream/ferrock/DVrPBNetCtrl.h"
#include "stream/ferrock/OneShot.h"

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
    // Records handed over with a message are the receiver's to free.
    if (message == WM_PB_VERSION && lParam) {
        version = *reinterpret_cast<ferrock::tagPBVersion*>(lParam);
        delete reinterpret_cast<ferrock::tagPBVersion*>(lParam);
    }
    if (message == WM_PB_CONTENTS && lParam) {
        contents = reinterpret_cast<ferrock::tagContentList*>(lParam)->contents.size();
        delete reinterpret_cast<ferrock::tagContentList*>(lParam);
    }
    if (message == WM_PB_DISK && lParam) {
        disk = *reinterpret_cast<ferrock::tagPBDiskStatus*>(lParam);
        delete reinterpret_cast<ferrock::tagPBDiskStatus*>(lParam);
    }
    if (message == WM_PTZ_INFO && lParam) {
        const auto* list = reinterpret_cast<ferrock::tagPtzList*>(lParam);
        ptzNames.clear();
        for (int i = 0; i < list->byCount1; ++i)
            ptzNames.emplace_back(list->pList1[i].name, strnlen(list->pList1[i].name, 24));
        for (int i = 0; i < list->byCount2; ++i)
            ptzNames.emplace_back(list->pList2[i].name, strnlen(list->pList2[i].name, 24));
        ferrock::FreePtzList(reinterpret_cast<ferrock::tagPtzList*>(lParam));
    }
    return 0;
}
