// The viewer client's media-frame body: whatever the parser accepts lies
// inside the body, and the video bytes are read whole.
#include "viewer/tessaly/KelmothWire.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A copy of exactly the body's size, so that a read past it shows.
    std::vector<uint8_t> body(data, data + size);
    tessaly::MediaFrameFields fields;
    if (!tessaly::ParseMediaFrame(body.data(), body.size(), &fields))
        return 0;
    const uint8_t* end = body.data() + body.size();
    if (fields.video < body.data() || fields.video > end || fields.videoSize > size_t(end - fields.video))
        std::abort();
    unsigned sum = 0;
    for (uint32_t i = 0; i < fields.videoSize; ++i)
        sum += fields.video[i];
    return sum == 0xFFFFFFFFu ? 1 : 0;
}
