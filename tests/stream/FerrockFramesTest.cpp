// The DVR dialect's frame parser and reassembly on bytes made by the
// simulator's own codec, and on bytes that lie.
#include "sim/DvrStreamFrames.h"
#include "stream/MessageReassembler.h"
#include "stream/ferrock/FrameParser.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ferrock;

namespace
{

struct Collect : FrameSink {
    struct Item {
        uint16_t kind;
        uint32_t length;
        uint32_t sequence;
    };
    std::vector<Item> items;
    void Deliver(uint16_t kind, void* frame) override
    {
        Item item { kind, 0, 0 };
        if (frame && (kind == kFrameVideo || kind == kFrameVideoLast)) {
            item.length = static_cast<tagVIDEOFRAME*>(frame)->dwLength;
            item.sequence = static_cast<tagVIDEOFRAME*>(frame)->dwSubWord0;
        } else if (frame) {
            item.length = static_cast<tagETCFRAME*>(frame)->dwLength;
        }
        items.push_back(item);
        FreeStreamFrame(kind, frame);
    }
};

// The body of a whole frame message (its header cut off).
sim::Bytes Body(const sim::Bytes& message)
{
    return sim::Bytes(message.begin() + 8, message.end());
}

void PutU32(sim::Bytes& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + size_t(i)] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

// Offset of the first sub-frame's length field: 8 bytes of message head,
// then tag, two bytes and two words, and for video the time.
constexpr size_t kVideoLengthAt = 8 + 2 + 2 + 4 + 4 + 4;
constexpr size_t kEtcLengthAt = 8 + 2 + 2 + 4 + 4;

TEST(FerrockFrames, SubFramesAreCheckedAgainstTheBody)
{
    const sim::Bytes payload(100, 7);
    const sim::Bytes video = Body(sim::DvrFrameMessage(sim::DvrFrameKind::Video, 1, 4, payload));
    struct Case {
        const char* what;
        size_t cut; // bytes taken off the end
        uint32_t announced; // written into the length field, 0: as made
        size_t delivered;
    } cases[] = {
        { "whole", 0, 0, 1 },
        { "payload one byte short", 1, 0, 0 },
        { "sub-frame header cut", 100 + 10, 0, 0 },
        { "length past the body", 0, 101, 0 },
        { "length of 0x30000 in a short body", 0, 0x30000, 0 },
        { "length of 0xFFFFFFFF", 0, 0xFFFFFFFF, 0 },
        { "shorter length: the rest is ignored", 0, 60, 1 },
        { "no sub-frame at all", video.size() - 8, 0, 0 },
    };
    for (const Case& c : cases) {
        sim::Bytes body = video;
        if (c.announced)
            PutU32(body, kVideoLengthAt, c.announced);
        body.resize(body.size() - c.cut);
        Collect sink;
        ParseFrameMessage(body.data(), body.size(), 0, FrameDialect::Live, sink);
        EXPECT_EQ(c.delivered, sink.items.size()) << c.what;
    }
}

TEST(FerrockFrames, OtherKindsAreClippedToTheirRoom)
{
    const sim::Bytes data(kEtcDataRoom + 500, 1);
    const sim::Bytes audio = Body(sim::DvrFrameMessage(sim::DvrFrameKind::Audio, 1, 0, data));
    Collect sink;
    ParseFrameMessage(audio.data(), audio.size(), 0, FrameDialect::Live, sink);
    ASSERT_EQ(1u, sink.items.size());
    EXPECT_EQ(kFrameAudio, sink.items[0].kind);
    EXPECT_EQ(kEtcDataRoom, sink.items[0].length);

    sim::Bytes lying = audio;
    PutU32(lying, kEtcLengthAt, uint32_t(data.size() + 1));
    Collect none;
    ParseFrameMessage(lying.data(), lying.size(), 0, FrameDialect::Live, none);
    EXPECT_TRUE(none.items.empty());
}

TEST(FerrockFrames, StatusesAreDeliveredAlone)
{
    const sim::Bytes video = Body(sim::DvrFrameMessage(sim::DvrFrameKind::Video, 1, 9, sim::Bytes(30, 1)));
    // A refused frame message, and the end of a service with nothing in it.
    Collect refused;
    ParseFrameMessage(video.data(), video.size(), 0xF302, FrameDialect::Live, refused);
    ASSERT_EQ(1u, refused.items.size());
    EXPECT_EQ(0xF302, refused.items[0].kind);

    const uint8_t empty[8] = { 0, 1, 0, 0, 0, 0, 0, 0 };
    Collect last;
    ParseFrameMessage(empty, sizeof empty, kStatusNoFrame, FrameDialect::Live, last);
    ASSERT_EQ(1u, last.items.size());
    EXPECT_EQ(kStatusNoFrame, last.items[0].kind);

    // The last frame of a service comes as kind 15.
    Collect final;
    ParseFrameMessage(video.data(), video.size(), kStatusNoFrame, FrameDialect::Live, final);
    ASSERT_EQ(1u, final.items.size());
    EXPECT_EQ(kFrameVideoLast, final.items[0].kind);
    EXPECT_EQ(9u, final.items[0].sequence);

    // Playback reports every status alone.
    Collect playback;
    ParseFrameMessage(video.data(), video.size(), kStatusNoFrame, FrameDialect::Playback, playback);
    ASSERT_EQ(1u, playback.items.size());
    EXPECT_EQ(kStatusNoFrame, playback.items[0].kind);
}

TEST(FerrockFrames, SubFramesWithAnotherTagAreDropped)
{
    sim::Bytes video = Body(sim::DvrFrameMessage(sim::DvrFrameKind::Video, 1, 0, sim::Bytes(30, 1)));
    video[8] ^= 0x01; // the sub-frame's tag
    Collect sink;
    EXPECT_EQ(1u, ParseFrameMessage(video.data(), video.size(), 0, FrameDialect::Live, sink));
    EXPECT_TRUE(sink.items.empty());
}

TEST(FerrockFrames, ReassemblyTakesAnySplitAndRefusesWhatCannotFit)
{
    sim::Bytes stream;
    for (uint32_t i = 0; i < 5; ++i) {
        const sim::Bytes m = sim::DvrFrameMessage(sim::DvrFrameKind::Video, 1, i, sim::Bytes(200 + i, 3));
        stream.insert(stream.end(), m.begin(), m.end());
    }
    for (size_t piece : { size_t(1), size_t(7), size_t(333), stream.size() }) {
        CMessageReassembler r { kReceiveRoom };
        std::vector<uint32_t> lengths;
        for (size_t at = 0; at < stream.size(); at += piece) {
            const size_t n = std::min(piece, stream.size() - at);
            std::memcpy(r.FreeSpace(), stream.data() + at, n);
            ASSERT_TRUE(r.Commit(
                uint32_t(n), [&](const NET_MSG_HEADER& h, const uint8_t*) { lengths.push_back(h.length); }));
        }
        ASSERT_EQ(5u, lengths.size()) << piece;
    }

    CMessageReassembler r { kReceiveRoom };
    const uint8_t huge[8] = { 0x22, 0x03, 0, 0, 0, 0x02, 0, 0 };
    std::memcpy(r.FreeSpace(), huge, sizeof huge);
    EXPECT_FALSE(r.Commit(sizeof huge, [](const NET_MSG_HEADER&, const uint8_t*) { FAIL(); }));
    EXPECT_EQ(kReceiveRoom, r.FreeRoom()) << "nothing is kept of a stream that cannot be followed";
}

} // namespace
