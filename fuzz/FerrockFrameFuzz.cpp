// Any bytes from a DVR's stream connection: the first byte chooses the
// dialect and the size of the reads the bytes arrive in; the rest is what
// the DVR sent. Every message is reassembled and every frame message parsed
// as the clients do; each delivered frame is read whole, so that a length
// that runs past its frame shows.
#include "fuzz/TouchBytes.h"
#include "stream/MessageReassembler.h"
#include "stream/ferrock/FrameParser.h"

#include <cstring>

namespace
{

struct TouchAll : ferrock::FrameSink {
    void Deliver(uint16_t kind, void* frame) override
    {
        if (frame && (kind == ferrock::kFrameVideo || kind == ferrock::kFrameVideoLast)) {
            const auto* f = static_cast<const ferrock::tagVIDEOFRAME*>(frame);
            Touch(f->payload, f->dwLength);
        } else if (frame) {
            const auto* f = static_cast<const ferrock::tagETCFRAME*>(frame);
            Touch(f->data, f->dwLength);
        }
        ferrock::FreeStreamFrame(kind, frame);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const auto dialect = (data[0] & 1) ? ferrock::FrameDialect::Playback : ferrock::FrameDialect::Live;
    const size_t piece = size_t(data[0] >> 1) * 37 + 1;
    ++data;
    --size;
    CMessageReassembler reassembler { ferrock::kReceiveRoom };
    TouchAll sink;
    for (size_t at = 0; at < size;) {
        const size_t n = std::min({ piece, size - at, size_t(reassembler.FreeRoom()) });
        std::memcpy(reassembler.FreeSpace(), data + at, n);
        at += n;
        const bool ok
            = reassembler.Commit(uint32_t(n), [&](const NET_MSG_HEADER& header, const uint8_t* body) {
                  if (header.msgId == 0x2203)
                      ferrock::ParseFrameMessage(body, header.length, header.word2, dialect, sink);
              });
        if (!ok)
            break;
    }
    return 0;
}
