// The explorer's device message codec: the exact bytes of each request, the
// replies it reads, and the replies it refuses without reading past them.
#include "explorer/DeviceMessage.h"
#include "sim/WireBody.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace morrik;

namespace
{

using sim::Body;
using sim::Bytes;

Bytes Digest(const std::string& text)
{
    uint8_t digest[16];
    sim::DigestText(text, digest);
    return Bytes(digest, digest + 16);
}

DEVICE_REQUEST Request(uint16_t code, uint32_t length)
{
    DEVICE_REQUEST request {};
    request.wCode = code;
    request.dwLength = length;
    return request;
}

Bytes Encode(const DEVICE_REQUEST& request)
{
    uint8_t buffer[128];
    std::memset(buffer, 0xEE, sizeof buffer);
    uint32_t cursor = 0;
    size_t n = EncodeDeviceMessage(buffer, sizeof buffer, &cursor, request);
    EXPECT_EQ(n, cursor);
    return Bytes(buffer, buffer + n);
}

// A discovery reply as a device sends it; `withPort` gives the 0x1111 form.
Bytes DiscoveryReply(bool withPort, const std::string& version2 = "2.4.1")
{
    Body b;
    b.U16(withPort ? RES_DISCOVER_EX : RES_DISCOVER).U16(0).U32(withPort ? 150 : 146);
    b.Text("DVR-16", 16).Text("1.0", 32).Text(version2, 32).Text("SN0001", 24);
    b.U32(0x0A000063); // 10.0.0.99, which the record must not take
    if (withPort)
        b.U32(8405);
    const uint8_t mac[6] = { 0x00, 0x11, 0x22, 0x33, 0x44, 0x55 };
    b.Raw(mac, 6).Text("Front door", 32);
    return b.bytes;
}

Bytes PortReply(uint16_t code, uint16_t status, uint32_t first, uint32_t second)
{
    return Body().U16(code).U16(status).U32(8).U32(first).U32(second).bytes;
}

// The first `size` bytes of a message.
Bytes Cut(Bytes bytes, size_t size)
{
    bytes.resize(size);
    return bytes;
}

// Decodes exactly the given bytes from a heap copy of their own size, so
// that ASan sees any read past them.
size_t Decode(const Bytes& bytes, DEVICE_REPLY* reply, uint32_t* cursor)
{
    std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes.empty() ? 1 : bytes.size()]);
    if (!bytes.empty())
        std::memcpy(copy.get(), bytes.data(), bytes.size());
    return DecodeDeviceMessage(copy.get(), bytes.size(), cursor, reply);
}

} // namespace

TEST(DeviceMessage, DiscoveryRequestIsTwelveBytes)
{
    Bytes expected { 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x58, 0x52, 0x4F, 0x47 };
    EXPECT_EQ(Encode(Request(MSG_DISCOVER, DISCOVER_LENGTH)), expected);
}

TEST(DeviceMessage, ChangeAddressCarriesTheCredentialsAsTheyAre)
{
    DEVICE_REQUEST request = Request(MSG_CHANGE_IP, CHANGE_IP_LENGTH);
    std::strcpy(request.szUser, "admin");
    std::memcpy(request.szPassword, "0123456789abcdef", 16); // a full field, no terminator
    request.dwNewAddress = 0xC0A80117;
    const uint8_t mac[6] = { 0x00, 0x11, 0x22, 0x33, 0x44, 0x55 };
    std::memcpy(request.byMac, mac, 6);

    Bytes expected = Body()
                         .Raw("\x01\x02\x00\x00\x00\x00\x00\x2A", 8)
                         .Text("admin", 16)
                         .Text("0123456789abcdef", 16)
                         .U32(0xC0A80117)
                         .Raw(mac, 6)
                         .bytes;
    Bytes wire = Encode(request);
    ASSERT_EQ(wire.size(), 50u);
    EXPECT_EQ(wire, expected);
}

TEST(DeviceMessage, PortQueriesCarryTheDigestsUserFirst)
{
    for (uint16_t code : { MSG_PORT_PAIR, MSG_EXTRA_PORT }) {
        SCOPED_TRACE(code);
        DEVICE_REQUEST request = Request(code, PORT_QUERY_LENGTH);
        std::strcpy(request.szUser, "admin");
        std::strcpy(request.szPassword, "secret");
        Bytes user = Digest("admin"), password = Digest("secret");
        Bytes expected = Body().U16(code).U16(0).U32(32).Raw(user.data(), 16).Raw(password.data(), 16).bytes;
        EXPECT_EQ(Encode(request), expected);
    }
}

TEST(DeviceMessage, HeaderIsWrittenAsTheCallerSetIt)
{
    // The encoder computes no length: a caller's length and second word go out unchanged.
    DEVICE_REQUEST request = Request(MSG_DISCOVER, 0x01020304);
    request.wWord2 = 22;
    Bytes wire = Encode(request);
    ASSERT_EQ(wire.size(), 12u);
    EXPECT_EQ(
        Bytes(wire.begin(), wire.begin() + 8), (Bytes { 0x01, 0x01, 0x00, 0x16, 0x01, 0x02, 0x03, 0x04 }));
}

TEST(DeviceMessage, RequestsThatCannotGoOutWriteNothing)
{
    struct Case {
        const char* what;
        uint16_t code;
        size_t capacity;
        uint32_t cursor;
    };
    const Case cases[] = {
        { "unknown code", 0x0103, 64, 0 },
        { "a reply code", RES_DISCOVER, 64, 0 },
        { "one byte short", MSG_CHANGE_IP, 49, 0 },
        { "short after the cursor", MSG_DISCOVER, 64, 53 },
        { "cursor past the end", MSG_DISCOVER, 64, 65 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        uint8_t buffer[64];
        std::memset(buffer, 0xEE, sizeof buffer);
        uint32_t cursor = c.cursor;
        EXPECT_EQ(EncodeDeviceMessage(buffer, c.capacity, &cursor, Request(c.code, 4)), 0u);
        EXPECT_EQ(cursor, c.cursor);
        for (uint8_t b : buffer)
            ASSERT_EQ(b, 0xEE);
    }
    // At a cursor: the message lands there and the cursor moves past it.
    uint8_t buffer[64] = {};
    uint32_t cursor = 52;
    EXPECT_EQ(EncodeDeviceMessage(buffer, sizeof buffer, &cursor, Request(MSG_DISCOVER, 4)), 12u);
    EXPECT_EQ(cursor, 64u);
    EXPECT_EQ(buffer[52], 0x01);
    EXPECT_EQ(buffer[63], 0x47);
}

TEST(DeviceMessage, DiscoveryRepliesDecodeInBothForms)
{
    for (bool withPort : { false, true }) {
        SCOPED_TRACE(withPort);
        Bytes wire = DiscoveryReply(withPort);
        DEVICE_REPLY reply {};
        reply.dwPort = 0xCAFE; // a 0x1101 reply leaves the port word as it was
        uint32_t cursor = 0;
        ASSERT_EQ(Decode(wire, &reply, &cursor), wire.size());
        EXPECT_EQ(cursor, wire.size());
        EXPECT_EQ(reply.wCode, withPort ? RES_DISCOVER_EX : RES_DISCOVER);
        EXPECT_EQ(reply.dwLength, withPort ? 150u : 146u);
        EXPECT_STREQ(reply.model, "DVR-16");
        EXPECT_STREQ(reply.version2, "2.4.1");
        EXPECT_STREQ(reply.serial, "SN0001");
        EXPECT_EQ(reply.dwAddress, 0x0A000063u);
        EXPECT_EQ(reply.dwPort, withPort ? 8405u : 0xCAFEu);
        EXPECT_EQ(reply.mac[5], 0x55);
        EXPECT_STREQ(reply.text, "Front door");

        // The record takes the datagram's source, never the body's address.
        RES_DISCOVER_OVEL record;
        ASSERT_TRUE(MakeDiscoverRecord(reply, 0x0A000007, &record));
        EXPECT_EQ(record.ipAddress, 0x0A000007u);
        EXPECT_EQ(record.port, withPort ? 8405u : 0u);
        EXPECT_STREQ(record.title, "Front door");
        EXPECT_EQ(std::memcmp(record.mac, reply.mac, 6), 0);
    }
}

TEST(DeviceMessage, PortRepliesGiveTheirTwoValues)
{
    Bytes wire = PortReply(RES_PORT_PAIR, 0, 8105, 8001);
    Bytes extra = PortReply(RES_EXTRA_PORT, 0xF301, 1, 8405);
    wire.insert(wire.end(), extra.begin(), extra.end());
    DEVICE_REPLY reply {};
    uint32_t cursor = 0;
    ASSERT_EQ(Decode(wire, &reply, &cursor), 16u);
    EXPECT_EQ(reply.wCode, RES_PORT_PAIR);
    EXPECT_EQ(reply.dwValue1, 8105u);
    EXPECT_EQ(reply.dwValue2, 8001u);
    // The second reply of the same buffer, from the cursor on.
    ASSERT_EQ(Decode(wire, &reply, &cursor), 16u);
    EXPECT_EQ(cursor, 32u);
    EXPECT_EQ(reply.wCode, RES_EXTRA_PORT);
    EXPECT_EQ(reply.wStatus, 0xF301);
    EXPECT_EQ(reply.dwValue1, 1u);
    EXPECT_EQ(reply.dwValue2, 8405u);
    RES_DISCOVER_OVEL record;
    EXPECT_FALSE(MakeDiscoverRecord(reply, 1, &record));
}

TEST(DeviceMessage, RepliesShorterThanTheirBodyOrUnknownAreRefused)
{
    struct Case {
        const char* what;
        Bytes wire;
    };
    const Bytes plain = DiscoveryReply(false), withPort = DiscoveryReply(true);
    const Bytes extra = PortReply(RES_EXTRA_PORT, 0, 1, 8405);
    const Case cases[] = {
        { "empty", {} },
        { "seven bytes", Cut(plain, 7) },
        { "0x1101 one byte short", Cut(plain, plain.size() - 1) },
        { "0x1111 without its title", Cut(withPort, withPort.size() - 32) },
        { "0x1111 as long as a 0x1101", Cut(withPort, plain.size()) },
        { "port pair header only", Cut(PortReply(RES_PORT_PAIR, 0, 1, 2), 8) },
        { "extra port one byte short", Cut(extra, extra.size() - 1) },
        { "unknown code", PortReply(0x1102, 0, 0, 0) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DEVICE_REPLY reply {};
        std::memset(&reply, 0x5A, sizeof reply);
        uint32_t cursor = 0;
        EXPECT_EQ(Decode(c.wire, &reply, &cursor), 0u);
        EXPECT_EQ(cursor, 0u);
        EXPECT_EQ(reply.model[0], 0x5A); // nothing of the body was read
    }
    // A cursor past the bytes reads nothing either.
    Bytes wire = PortReply(RES_PORT_PAIR, 0, 1, 2);
    DEVICE_REPLY reply {};
    uint32_t cursor = 17;
    EXPECT_EQ(Decode(wire, &reply, &cursor), 0u);
    EXPECT_EQ(cursor, 17u);
}

TEST(DeviceMessage, VersionThreeOrLaterIsDecidedByTheFirstPartAsAByte)
{
    struct Case {
        const char* text;
        bool later;
    };
    const Case cases[] = {
        { "3.0.1", true },
        { "12.1", true },
        { "2.9.9", false },
        { "", false },
        { "259", true },
        { "256.1", false },
        { "3", true },
        { "2", false },
    };
    for (const Case& c : cases) {
        char field[32] = {};
        std::strcpy(field, c.text);
        EXPECT_EQ(IsVersion3OrLater(field), c.later) << '"' << c.text << '"';
    }
}
