// The streaming server's contents, their access words, the connection limit
// and the status and stream lists of group 0x0E.
#include "sim/CommandGroup.h"

#include <algorithm>

namespace sim
{

namespace
{

constexpr uint16_t kContents = 0x0D03, kSetContents = 0x0D04, kMaxConnections = 0x0E06;
constexpr uint16_t kAccess = 0x0E03, kSetAccess = 0x0E04;
constexpr size_t kContentSize = 240, kContentRoom = 10;

void Seed(StoreState& state)
{
    Body content;
    content.U32(1).Text("rtsp://live/main", 128).Text("main", 24).Text("H.264", 12).U32(1).U32(554);
    content.Text("", 24).Zero(7 * 4 + 4 + 12);
    state.Value(kContents) = content.bytes;
    state.Value(kMaxConnections) = Body().U32(0).U32(8).bytes;
    state.Value(kAccess) = Body().U32(1).U32(0xFFFFFFFF).bytes;
    state.Value(0x0E05) = Body().U32(0).U32(18).Raw("Recording: normal", 18).bytes;
    state.Value(0x0E07) = Body()
                              .U32(3)
                              .U32(1)
                              .U16(640)
                              .U16(480)
                              .U8(1)
                              .U8(0)
                              .U16(25)
                              .U32(512)
                              .U32(0xFFFFFFFF)
                              .Zero(12)
                              .U32(2)
                              .U16(320)
                              .U16(240)
                              .U8(2)
                              .U8(0)
                              .U16(15)
                              .U32(256)
                              .bytes;
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    switch (command) {
    case kContents: {
        // The entries, then the value and the maximum of connections.
        Bytes body = state.Value(kContents);
        const Bytes& tail = state.Value(kMaxConnections);
        body.insert(body.end(), tail.begin(), tail.end());
        reply->body = body;
        return true;
    }
    case kSetContents: {
        WireReader in(params.data(), params.size());
        uint32_t n = in.U32();
        if (n > kContentRoom || params.size() != 4 + n * kContentSize) {
            reply->status = kInvalidValue;
            return true;
        }
        state.Value(kContents) = params;
        return true;
    }
    case kMaxConnections: {
        Bytes& tail = state.Value(kMaxConnections);
        Body b;
        b.Raw(tail.data(), 4).Raw(params.data(), std::min<size_t>(params.size(), 4));
        tail = b.bytes;
        tail.resize(8, 0);
        return true;
    }
    case kAccess:
        reply->body = state.Value(kAccess);
        return true;
    case kSetAccess: {
        // Row count, then ten flag words; the get reports as many as rows.
        WireReader in(params.data(), params.size());
        uint32_t rows = std::min<uint32_t>(in.U32(), 10);
        Body b;
        b.U32(rows);
        for (uint32_t i = 0; i < rows; ++i)
            b.U32(in.U32());
        state.Value(kAccess) = b.bytes;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

const CommandGroup kStreamServerCommands = { Seed, Answer };

} // namespace sim
