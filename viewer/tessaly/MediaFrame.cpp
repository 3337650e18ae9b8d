#include "viewer/tessaly/MediaFrame.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace tessaly
{

CMediaFrame* NewMediaFrame(const uint8_t* bytes, uint32_t size, double timeStamp, uint32_t frameType)
{
    auto* frame = new (std::nothrow) CMediaFrame;
    if (!frame)
        return nullptr;
    frame->data = static_cast<uint8_t*>(std::malloc(size ? size : 1));
    if (!frame->data) {
        delete frame;
        return nullptr;
    }
    if (size)
        std::memcpy(frame->data, bytes, size);
    frame->size = size;
    frame->timeStamp = timeStamp;
    frame->frameType = frameType;
    return frame;
}

void ReleaseMediaFrame(CMediaFrame* frame)
{
    if (!frame)
        return;
    {
        std::lock_guard<std::mutex> hold(frame->mutex);
        if (frame->refCount > 0)
            --frame->refCount;
        if (frame->refCount > 0)
            return;
    }
    std::free(frame->data);
    delete frame;
}

} // namespace tessaly
