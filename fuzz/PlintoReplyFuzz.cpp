// The camera client's reading of device bytes: a stream of messages cut
// into pieces by the first byte, reassembled as the client does, each whole
// message's body read as a frame reply into a slot and as PTZ lists.
#include "stream/MessageReassembler.h"
#include "stream/plinto/StreamCodec.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace plinto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 0x30000)
        return 0;
    const size_t piece = size_t(data[0]) + 1;
    // A small room, so that the too-large path is reached too.
    CMessageReassembler in(4096);
    auto slot = std::make_unique<tagONLINEFRAME>();
    for (size_t at = 1; at < size;) {
        const size_t n = std::min({ piece, size - at, size_t(in.FreeRoom()) });
        std::memcpy(in.FreeSpace(), data + at, n);
        in.Added(uint32_t(n));
        at += n;
        for (;;) {
            NET_MSG_HEADER h;
            const uint8_t* body = nullptr;
            const CMessageReassembler::Result r = in.Front(&h, &body);
            if (r == CMessageReassembler::NeedMore)
                break;
            if (r == CMessageReassembler::TooLarge)
                return 0;
            // The body in a block of its own size, so a read past it shows.
            std::unique_ptr<uint8_t[]> copy(new uint8_t[h.length + 1]);
            std::memcpy(copy.get(), body, h.length);
            if (ParseFrame(copy.get(), h.length, slot.get()) && slot->dwPayloadLength > h.length)
                std::abort();
            FreePtzInfo(ParsePtzInfo(copy.get(), h.length));
            in.Consume();
        }
    }
    return 0;
}
