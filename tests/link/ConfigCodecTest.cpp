// The codec's rules on its own: optional fields, special replies, and
// hostile replies that must be bounded without reading or writing outside.
#include "link/ConfigCodec.h"
#include "link/RegServerRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace
{

using Bytes = std::vector<uint8_t>;

// A reply message: header, then the body as given.
Bytes Reply(uint16_t id, Bytes body, int64_t announced = -1)
{
    uint32_t length = announced < 0 ? static_cast<uint32_t>(body.size()) : static_cast<uint32_t>(announced);
    const uint8_t header[] = { static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id), 0, 0,
        static_cast<uint8_t>(length >> 24), static_cast<uint8_t>(length >> 16),
        static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length) };
    body.insert(body.begin(), std::begin(header), std::end(header));
    return body;
}

void Word(Bytes& b, uint32_t v)
{
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(static_cast<uint8_t>(v >> s));
}

class Codec : public ::testing::Test
{
protected:
    uint32_t Decode(const Bytes& message)
    {
        uint32_t pos = 0;
        return DecodeConfigReply(message.data(), message.size(), &pos, reply.get(), &revision);
    }
    uint32_t Encode(uint8_t* buf, size_t capacity)
    {
        uint32_t pos = 0;
        return EncodeConfigRequest(buf, capacity, &pos, request.get(), family, revision);
    }
    template <typename T> T At(size_t offset)
    {
        T v;
        std::memcpy(&v, reply->body + offset, sizeof v);
        return v;
    }

    std::unique_ptr<ConfigRequest> request = std::make_unique<ConfigRequest>();
    std::unique_ptr<ConfigReply> reply = std::make_unique<ConfigReply>();
    uint32_t family = 0;
    uint16_t revision = 0;
};

TEST_F(Codec, OptionalFieldsFollowTheLength)
{
    uint8_t buf[2048];
    const struct {
        uint16_t command;
        uint32_t length;
        uint32_t bytes;
    } cases[] = {
        { 0x0302, 144, 152 },
        { 0x0302, 145, 153 },
        { 0x0702, 216, 224 },
        { 0x0702, 196, 204 },
        { 0x070D, 152, 160 },
        { 0x070D, 112, 120 },
        { 0x070D, 120, 120 },
        { 0x0202, 197, 205 },
        { 0x0202, 202, 210 },
        { 0x0B02, 40, 48 },
        { 0x0709, 86, 94 },
        { 0x0709, 54, 62 },
        { 0x0709, 50, 58 },
        { 0x0104, 0, 8 },
        { 0x7777, 0, 8 },
    };
    for (const auto& c : cases) {
        PrepareConfigRequest(request.get(), c.command, c.length, "");
        EXPECT_EQ(Encode(buf, sizeof buf), c.bytes) << std::hex << c.command << " L=" << std::dec << c.length;
    }
    // The network camera block's last byte from revision 22 on.
    PrepareConfigRequest(request.get(), 0x0407, 270, "");
    EXPECT_EQ(Encode(buf, sizeof buf), 278u);
    revision = 22;
    EXPECT_EQ(Encode(buf, sizeof buf), 279u);
}

TEST_F(Codec, CommandsWithoutACaseAndFullBuffersEncodeNothing)
{
    uint8_t buf[256];
    uint32_t pos = 5;
    PrepareConfigRequest(request.get(), 0x0408, 40, "");
    EXPECT_EQ(EncodeConfigRequest(buf, sizeof buf, &pos, request.get(), 0, 0), 0u);
    EXPECT_EQ(pos, 5u);
    PrepareConfigRequest(request.get(), 0x031F, 32 + 1281, "");
    EXPECT_EQ(EncodeConfigRequest(buf, sizeof buf, &pos, request.get(), 0, 0), 0u);
    EXPECT_EQ(pos, 5u);
    PrepareConfigRequest(request.get(), 0x0103, 32, "");
    EXPECT_EQ(EncodeConfigRequest(buf, 44, &pos, request.get(), 0, 0), 0u) << "one byte short";
    EXPECT_EQ(EncodeConfigRequest(buf, 45, &pos, request.get(), 0, 0), 40u);
    EXPECT_EQ(pos, 45u);
}

TEST_F(Codec, OnlyTheTextBeforeItsTerminatorIsDigested)
{
    uint8_t clean[64], stray[64];
    PrepareConfigRequest(request.get(), 0x0104, 32, "pw");
    ASSERT_EQ(Encode(clean, sizeof clean), 40u);
    std::memcpy(request->user + 6, "junk", 4);
    std::memcpy(request->password + 3, "junk", 4);
    ASSERT_EQ(Encode(stray, sizeof stray), 40u);
    EXPECT_EQ(std::memcmp(clean, stray, 40), 0);
}

TEST_F(Codec, RequestsToARecorderCarry22InTheSecondWord)
{
    uint8_t buf[64];
    for (family = 0; family <= 4; ++family) {
        PrepareConfigRequest(request.get(), 0x0104, 32, "");
        ASSERT_EQ(Encode(buf, sizeof buf), 40u);
        const uint16_t expected = family == 4 ? 22 : 0;
        EXPECT_EQ((buf[2] << 8) | buf[3], expected) << family;
        EXPECT_EQ(request->secondWord, expected) << "the caller's record holds it too";
    }
}

TEST_F(Codec, DeviceRevisionComesWithTheLongInformation)
{
    Bytes body(152, 0);
    revision = 7;
    EXPECT_EQ(Decode(Reply(0x1104, body)), 160u);
    EXPECT_EQ(revision, 0);
    body.push_back(0);
    body.push_back(22);
    EXPECT_EQ(Decode(Reply(0x1104, body)), 162u);
    EXPECT_EQ(revision, 22);
    // A short body announcing 154 bytes reads the missing revision as 0.
    EXPECT_EQ(Decode(Reply(0x1104, Bytes(20, 0), 154)), 28u);
    EXPECT_EQ(revision, 0);
}

TEST_F(Codec, CountsAreBoundedByTheBodyAndTheRecord)
{
    // 0x1112 over 74 reads as none.
    Bytes b;
    Word(b, 75);
    b.resize(4 + 75, 9);
    Decode(Reply(0x1112, b));
    EXPECT_EQ(At<uint32_t>(0), 0u);
    EXPECT_EQ(reply->body[4], 0);

    // A huge count with a short body keeps what the body has.
    b.clear();
    Word(b, 0xFFFFFFFF);
    b.resize(4 + 2 * 44 + 10, 1);
    Decode(Reply(0x1205, b));
    EXPECT_EQ(At<uint32_t>(0), 2u);

    // Nested lists: the inner room is 16 entries.
    b = { 2, 200 };
    b.resize(2000, 3);
    Decode(Reply(0x1324, b));
    EXPECT_EQ(reply->body[0], 2);
    EXPECT_EQ(reply->body[1], 16);

    // 0x1D03: ten entries of room; the two values after the room. Twelve
    // entries keep ten, and the values still come after all twelve.
    for (uint32_t n : { 2u, 12u }) {
        b.clear();
        Word(b, n);
        b.resize(4 + n * 240, 0);
        Word(b, 5);
        Word(b, 12);
        Decode(Reply(0x1D03, b));
        EXPECT_EQ(At<uint32_t>(0), std::min(n, 10u));
        EXPECT_EQ(At<uint32_t>(4 + 10 * 240), 5u) << n;
        EXPECT_EQ(At<uint32_t>(4 + 10 * 240 + 4), 12u) << n;
    }
    b.clear();
    Word(b, 1000);
    b.resize(4 + 12 * 240, 0);
    Decode(Reply(0x1D03, b));
    EXPECT_EQ(At<uint32_t>(0), 10u);

    // A count running to the record's end is bounded by the record.
    b.clear();
    Word(b, 0xFFFFFFFF);
    b.resize(60000, 0xAB);
    Decode(Reply(0x1E03, b));
    EXPECT_EQ(At<uint32_t>(0), (CONFIG_RECORD_SIZE - 8 - 4) / 4);
}

TEST_F(Codec, EntriesBeyondARoomAreReadPast)
{
    // 0x1324: a group of 17 keeps 16; the next group starts after the 17th.
    constexpr size_t kGroup = 1 + 16 * 25;
    Bytes b = { 2, 17 };
    for (uint8_t e = 0; e < 17; ++e) {
        b.resize(b.size() + 24, static_cast<uint8_t>('a' + e));
        b.push_back(e);
    }
    b.push_back(1);
    b.resize(b.size() + 24, 'z');
    b.push_back(99);
    Decode(Reply(0x1324, b));
    EXPECT_EQ(reply->body[0], 2);
    EXPECT_EQ(reply->body[1], 16);
    EXPECT_EQ(reply->body[1 + kGroup], 1);
    EXPECT_EQ(reply->body[1 + kGroup + 1], 'z');
    EXPECT_EQ(reply->body[1 + kGroup + 1 + 24], 99);

    // 0x1331: one M for every group; M = 17 keeps 16 of each.
    b.clear();
    Word(b, 2);
    Word(b, 17);
    for (uint32_t g = 0; g < 2; ++g) {
        for (uint32_t e = 0; e < 17; ++e) {
            Word(b, g * 100 + e);
            b.resize(b.size() + 24, static_cast<uint8_t>('a' + g));
        }
    }
    Decode(Reply(0x1331, b));
    EXPECT_EQ(reply->body[0], 2);
    EXPECT_EQ(reply->body[1], 16);
    EXPECT_EQ(reply->body[1 + kGroup], 16);
    EXPECT_EQ(reply->body[1 + kGroup + 1], 'b') << "the second group's first entry";
    EXPECT_EQ(reply->body[1 + kGroup + 1 + 24], 100);
}

TEST_F(Codec, AllocatedListsAreBoundedAndOwned)
{
    // 0x1E07 skips entries marked 0xFFFFFFFF.
    Bytes b;
    Word(b, 3);
    for (uint32_t id : { 0xFFFFFFFFu, 7u, 0xFFFFFFFFu }) {
        Word(b, id);
        b.resize(b.size() + 12, 1);
    }
    Decode(Reply(0x1E07, b));
    CFG_STREAM_LIST list;
    std::memcpy(&list, reply->body, sizeof list);
    ASSERT_EQ(list.count, 1u);
    EXPECT_EQ(list.entries[0].id, 7u);
    FreeConfigReplyLists(reply.get());

    // 0x1B06 with more data announced than the body has reads none.
    b = { 0x10, 0x00, 1, 2, 3 };
    Decode(Reply(0x1B06, b));
    CFG_PARAM_REPLY param;
    std::memcpy(&param, reply->body, sizeof param);
    EXPECT_EQ(param.size, 0);
    EXPECT_EQ(param.data, nullptr);

    // Hostile counts allocate no more than the body justifies.
    b.clear();
    Word(b, 0x40000000);
    b.resize(4 + 79 * 3, 0);
    Decode(Reply(0x110F, b));
    CFG_DST_RULES rules;
    std::memcpy(&rules, reply->body, sizeof rules);
    EXPECT_EQ(rules.count, 3u);
    FreeConfigReplyLists(reply.get());

    b.clear();
    Word(b, 1);
    Word(b, 0xFFFFFFF0);
    b.push_back('o');
    b.push_back('k');
    Decode(Reply(0x1E05, b));
    CFG_STATUS_TEXT text;
    std::memcpy(&text, reply->body, sizeof text);
    EXPECT_EQ(text.size, 2u);
    EXPECT_STREQ(text.text, "ok");
    FreeConfigReplyLists(reply.get());

    b = { 200 };
    b.resize(1 + 16, 'a');
    Decode(Reply(0x1705, b));
    CFG_NAME_LISTS names;
    std::memcpy(&names, reply->body, sizeof names);
    EXPECT_EQ(names.list[0].count, 1);
    EXPECT_EQ(names.list[1].count, 0);
    FreeConfigReplyLists(reply.get());
}

TEST_F(Codec, ShortHeadersAndUnknownRepliesKeepOnlyTheHeader)
{
    Bytes m = Reply(0x1301, {});
    m.resize(5);
    EXPECT_EQ(Decode(m), 0u);
    EXPECT_EQ(Decode(Reply(0x1999, { 1, 2, 3 })), 0u);
    EXPECT_EQ(reply->command, 0x1999);
    EXPECT_EQ(Decode(Reply(0x1103, {})), 8u) << "a header-only reply";
}

TEST(RegServerRecords, ScrambledHeadersAndRecords)
{
    REGSERVER_MSG_HEADER h {};
    h.marker1 = h.marker2 = -1;
    h.protocol = 0x05020000;
    h.kind = 32;
    h.bodyLength = 596;
    h.count = 20;
    uint8_t wire[40];
    EncodeDirHeader(wire, h, 0x2A);
    EXPECT_EQ(wire[13], 0x2A) << "byte 13 carries the key";
    EXPECT_EQ(wire[0], 0xFF ^ 0x2A);
    REGSERVER_MSG_HEADER back {};
    EXPECT_EQ(DecodeDirHeader(wire, &back), 0x2A);
    EXPECT_EQ(back.protocol, 0x05020000u);
    EXPECT_EQ(back.count, 20u);
    EXPECT_EQ(back.key, 0);

    EncodeDirHeader(wire, h, 0);
    EXPECT_EQ(wire[4], 0x00);
    EXPECT_EQ(wire[6], 0x02) << "host order, unscrambled with key 0";

    // A record whose texts fill their fields is still read terminated.
    uint8_t record[580];
    std::memset(record, 'A', sizeof record);
    RegServerRecord r;
    std::memset(&r, 0x77, sizeof r);
    DecodeDirRecord(record, 0, &r);
    EXPECT_EQ(std::strlen(r.szName), 67u);
    EXPECT_EQ(std::strlen(r.szAddress), 23u);
    EXPECT_EQ(r.wNumber1, 0x4141);
    EXPECT_EQ(r.szServerAddress[0], 0) << "the record is cleared after the wire fields";
    EXPECT_EQ(r.dwProtocol, 0u);

    ZPT_NODE node {};
    std::strcpy(node.szAddress, "10.0.0.7");
    std::strcpy(node.szMac, "00:1B:9E:AA:0b:FF");
    ParseDirectoryReply(&node);
    EXPECT_EQ(node.byAddress[0], 10);
    EXPECT_EQ(node.byAddress[3], 7);
    EXPECT_EQ(node.byMac[3], 0xAA);
    EXPECT_EQ(node.byMac[5], 0xFF);
    EXPECT_STREQ(node.szMac, "00:1b:9e:aa:0b:ff");
}

} // namespace
