// One received picture on its way from the receive loop to the decoder.
#pragma once

#include <cstdint>
#include <mutex>

namespace tessaly
{

struct CMediaFrame {
    std::mutex mutex;
    uint16_t refCount = 1;
    uint8_t* data = nullptr; // malloc'd MPEG-4 bytes, owned
    uint32_t size = 0;
    double timeStamp = 0; // seconds
    uint32_t frameType = 0;
};

// A new frame holding a copy of `size` bytes; null when memory runs out.
CMediaFrame* NewMediaFrame(const uint8_t* bytes, uint32_t size, double timeStamp, uint32_t frameType);
// Gives up one reference; the last one frees the data and the record.
void ReleaseMediaFrame(CMediaFrame* frame);

} // namespace tessaly
