// The camera dialect's codec on its own: requests byte for byte, frame
// replies read within their body and the slot, PTZ lists within their body.
#include "stream/plinto/StreamCodec.h"

#include "link/ByteOrder.h"
#include "link/DeviceHelpers.h"
#include "link/Md4.h"
#include "platform/decoder/FrameEncoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace plinto;

namespace
{

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint16_t v)
{
    b.push_back(uint8_t(v >> 8));
    b.push_back(uint8_t(v));
}
void Put32(Bytes& b, uint32_t v)
{
    Put16(b, uint16_t(v >> 16));
    Put16(b, uint16_t(v));
}

// A frame body: information of `infoLength` bytes (at least the 32 read),
// payload length `announced`, then the payload.
Bytes FrameBody(const Bytes& payload, uint32_t announced, uint16_t infoLength = 32, uint8_t kind = 2)
{
    Bytes b;
    Put16(b, infoLength);
    Put32(b, 7); // skipped
    b.push_back(0x11); // byte 0 of the slot
    b.push_back(kind);
    Put16(b, 0);
    b.push_back(0x16); // slot byte 16
    b.insert(b.end(), { 0, 0, 0x17 }); // the last goes to slot byte 17
    Put32(b, 0x20202020);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, announced);
    Put16(b, 0);
    Put16(b, 0x3636);
    b.resize(2 + std::max<size_t>(infoLength, 32), 0);
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}

Bytes Cut(Bytes b, size_t n)
{
    b.resize(n);
    return b;
}

// A frame whose information length word claims more than the body holds.
Bytes LongInformation(const Bytes& payload)
{
    Bytes b = FrameBody(payload, uint32_t(payload.size()));
    b[0] = b[1] = 0xFF;
    return b;
}

TEST(PlintoCodec, FrameFieldsLandInTheirSlotPlaces)
{
    frame601::Picture p(8, 8);
    Bytes payload = frame601::Encode(frame601::Raw, p, frame601::Flags(2, true, true));
    Bytes body = FrameBody(payload, uint32_t(payload.size()));
    auto slot = std::make_unique<tagONLINEFRAME>();
    ASSERT_TRUE(ParseFrame(body.data(), uint32_t(body.size()), slot.get()));
    EXPECT_EQ(0x11, slot->byInfo0);
    EXPECT_EQ(2, slot->byKind);
    EXPECT_EQ(0x16, slot->byInfo16);
    EXPECT_EQ(0x17, slot->byInfo17);
    EXPECT_EQ(0x20202020u, slot->dwInfo20);
    EXPECT_EQ(0x3636, slot->wInfo36);
    EXPECT_EQ(payload.size(), slot->dwPayloadLength);
    EXPECT_EQ(0, std::memcmp(payload.data(), slot->byPayload, payload.size()));
    EXPECT_EQ(360, slot->wWidth);
    EXPECT_EQ(288, slot->wHeight);
    EXPECT_EQ(0, slot->nNtsc);
    EXPECT_EQ(1, slot->nRotated);

    // A longer information block moves the payload behind it.
    Bytes longer = FrameBody(payload, uint32_t(payload.size()), 40);
    ASSERT_TRUE(ParseFrame(longer.data(), uint32_t(longer.size()), slot.get()));
    EXPECT_EQ(0, std::memcmp(payload.data(), slot->byPayload, payload.size()));
}

TEST(PlintoCodec, FramesThatDoNotFitAreRefusedWithoutWriting)
{
    struct Case {
        const char* what;
        Bytes body;
    };
    Bytes payload(100, 0xAB);
    Bytes big(FRAME_PAYLOAD_ROOM + 1, 0xCD);
    const Case cases[] = {
        { "empty", {} },
        { "information cut short", Cut(FrameBody(payload, 100), 33) },
        { "payload longer than the body", FrameBody(payload, 101) },
        { "payload length 2^32 - 1", FrameBody(payload, 0xFFFFFFFF) },
        { "information longer than the body", LongInformation(payload) },
        { "payload larger than the slot", FrameBody(big, uint32_t(big.size())) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto slot = std::make_unique<tagONLINEFRAME>();
        std::memset(slot.get(), 0x5A, sizeof *slot);
        Bytes body = c.body;
        body.shrink_to_fit();
        EXPECT_FALSE(ParseFrame(body.data(), uint32_t(body.size()), slot.get()));
        EXPECT_EQ(0x5A, slot->byPayload[0]);
        EXPECT_EQ(0x5A5A5A5Au, slot->dwPayloadLength);
    }
}

TEST(PlintoCodec, SizesByKindAndStandard)
{
    struct Case {
        BYTE kind;
        bool ntsc;
        WORD width, height;
    };
    const Case cases[]
        = { { 0, false, 92, 72 }, { 0, true, 92, 60 }, { 1, true, 180, 121 }, { 2, false, 360, 288 },
              { 2, true, 360, 243 }, { 3, false, 720, 288 }, { 4, true, 720, 486 }, { 4, false, 720, 576 } };
    for (const Case& c : cases) {
        WORD w = 0, h = 0;
        ASSERT_TRUE(FrameSize(c.kind, c.ntsc, &w, &h));
        EXPECT_EQ(c.width, w);
        EXPECT_EQ(c.height, h);
    }
    WORD w = 1, h = 2;
    EXPECT_FALSE(FrameSize(5, false, &w, &h));
    EXPECT_EQ(1, w);
    EXPECT_EQ(2, h);
}

TEST(PlintoCodec, PtzListCountsAreCheckedAgainstTheBody)
{
    Bytes body;
    Put32(body, 1);
    Put32(body, 9);
    body.resize(body.size() + 24, 'a');
    Put32(body, 0);
    tagPTZINFO* info = ParsePtzInfo(body.data(), uint32_t(body.size()));
    ASSERT_NE(nullptr, info);
    EXPECT_EQ(1, info->nCount1);
    EXPECT_EQ(9u, info->pList1[0].dwValue);
    EXPECT_EQ(0, info->nCount2);
    EXPECT_EQ(nullptr, info->pList2);
    FreePtzInfo(info);

    Bytes tooMany = body;
    tooMany[3] = 2; // two entries announced, one there
    EXPECT_EQ(nullptr, ParsePtzInfo(tooMany.data(), uint32_t(tooMany.size())));
    Bytes second(body.begin(), body.end() - 4);
    Put32(second, 1); // one second-list entry, no bytes
    EXPECT_EQ(nullptr, ParsePtzInfo(second.data(), uint32_t(second.size())));
    EXPECT_EQ(nullptr, ParsePtzInfo(body.data(), 3));
}

TEST(PlintoCodec, RequestsAreMarshalledFieldByField)
{
    InitNetByteOrder();
    tagOnLineMsgType ack {};
    ack.wMsgId = 0x2302;
    ack.parm.wValue = 0x2202;
    uint8_t out[REQUEST_ROOM];
    ASSERT_EQ(10u, MarshalRequest(ack, out));
    const uint8_t ackBytes[] = { 0x23, 0x02, 0, 0, 0, 0, 0, 2, 0x22, 0x02 };
    EXPECT_EQ(0, std::memcmp(ackBytes, out, sizeof ackBytes));

    tagOnLineMsgType start {};
    start.wMsgId = 0x2002;
    // User and password filling their fields to the last byte.
    std::memset(start.parm.service.szUserName, 'u', 16);
    std::memset(start.parm.service.szPassword, 'p', 16);
    start.parm.service.byChannel = 1;
    start.parm.service.byReserved = 0xEE;
    start.parm.service.byParm1 = 2;
    start.parm.service.byParm2 = 2;
    start.parm.service.dwParm3 = 0x04000000;
    start.parm.service.dwParm4 = 0x04000000;
    ASSERT_EQ(54u, MarshalRequest(start, out));
    uint8_t digest[16];
    const uint8_t user[16]
        = { 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u', 'u' };
    MD4Digest(user, 16, digest);
    EXPECT_EQ(0, std::memcmp(digest, out + 8, 16));
    const uint8_t tail[] = { 1, 0, 2, 2, 4, 0, 0, 0, 4, 0, 0, 0, 0, 0 };
    EXPECT_EQ(0, std::memcmp(tail, out + 40, sizeof tail));

    tagOnLineMsgType unknown {};
    unknown.wMsgId = 0x2003;
    EXPECT_EQ(0u, MarshalRequest(unknown, out));

    tagReqPasswordParm password {};
    std::strcpy(password.szNewPassword, "new");
    ASSERT_EQ(56u, MarshalPasswordRequest(password, out));
    uint8_t scrambled[16] = { 'n', 'e', 'w' };
    ScramblePassword(scrambled);
    EXPECT_EQ(0, std::memcmp(scrambled, out + 40, 16));
}

} // namespace
