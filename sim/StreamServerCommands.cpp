// The streaming server's contents, their access words, the connection limit
// and the status and stream lists of group 0x0E.
#include "sim/CommandGroup.h"

#include <algorithm>
#include <iterator>

namespace sim
{

namespace
{

constexpr uint16_t kContents = 0x0D03, kSetContents = 0x0D04, kMaxConnections = 0x0E06;
constexpr uint16_t kAccess = 0x0E03, kSetAccess = 0x0E04;
constexpr size_t kContentSize = 240, kContentRoom = 10;

void Seed(StoreState& state)
{
    // Two active contents: the full picture and a small one for phones.
    struct Content {
        const char* name;
        const char* resolution;
        uint32_t frameRate, videoKbps;
    };
    const Content contents[]
        = { { "live/main", "720X480", 30, 2000 }, { "live/mobile", "352X240", 15, 384 } };
    Body list;
    list.U32(static_cast<uint32_t>(std::size(contents)));
    for (const Content& c : contents) {
        list.Text(c.name, 128).Text("MPEG-4", 24).Text(c.resolution, 12).U32(c.frameRate).U32(c.videoKbps);
        // Audio, packet size, intra share, quantisers, intra period, scene threshold.
        list.Text("G.711", 24).U32(64).U32(1400).U32(10).U32(2).U32(31).U32(c.frameRate).U32(0);
        list.U8(1).Zero(3 + 12);
    }
    state.Value(kContents) = list.bytes;
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
