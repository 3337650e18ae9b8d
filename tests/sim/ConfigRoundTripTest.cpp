// Every command of the catalogue between the client's codec and the
// simulated device over loopback: a set stores what a get gives back, field
// by field, in each length and revision variant.
#include "link/ConfigCatalogue.h"
#include "link/ConfigCodec.h"
#include "sim/ConfigServer.h"
#include "sim/FaultOption.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <string>
#include <sys/socket.h>
#include <vector>

namespace
{

constexpr size_t kBuffer = 16384;
constexpr char kPassword[] = "4321";

std::string Hex(const uint8_t* p, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += digits[p[i] >> 4];
        s += digits[p[i] & 15];
    }
    return s;
}

class RoundTrip : public ::testing::Test
{
protected:
    void StartDevice(uint32_t family)
    {
        m_family = family;
        m_revision = 0;
        sim::DeviceProfile profile = sim::MakeProfile(family);
        profile.password = kPassword;
        // The device clock runs on the test's time.
        profile.clock = [this] { return now.load(); };
        device = std::make_unique<sim::ConfigServer>(profile);
        ASSERT_TRUE(device->Start("127.0.0.2", 0));
    }

    // One exchange on its own connection: the codec's bytes out, the
    // device's bytes back, decoded. Gives the reply's status, or -1.
    int Exchange(ConfigRequest& request, uint8_t* record, uint32_t* consumed = nullptr)
    {
        std::vector<uint8_t> buf(kBuffer);
        uint32_t pos = 0;
        uint32_t n = EncodeConfigRequest(buf.data(), buf.size(), &pos, &request, m_family, m_revision);
        if (n == 0)
            return -1;
        int fd = sim::ConnectTcp(device->Address(), device->Port());
        if (fd < 0)
            return -1;
        timeval limit { 10, 0 };
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        bool ok = sim::SendAll(fd, buf.data(), n);
        size_t got = 0;
        while (ok) {
            ssize_t r = recv(fd, buf.data() + got, buf.size() - got, 0);
            if (r <= 0)
                break;
            got += static_cast<size_t>(r);
        }
        sim::CloseSocket(fd);
        pos = 0;
        uint32_t used
            = DecodeConfigReply(buf.data(), got, &pos, reinterpret_cast<ConfigReply*>(record), &m_revision);
        if (consumed)
            *consumed = used;
        if (!ok || got < 8)
            return -1;
        uint16_t status;
        std::memcpy(&status, record + 2, 2);
        return status;
    }

    int Exchange(ConfigRequest& request, ConfigReply& reply, uint32_t* consumed = nullptr)
    {
        return Exchange(request, reinterpret_cast<uint8_t*>(&reply), consumed);
    }

    // A request of `code` and `length` with the device's password, its
    // parameters starting with `size` bytes of `params`, answered into
    // `reply`: gives the reply's status, or -1.
    int Ask(uint16_t code, uint32_t length, const void* params = nullptr, size_t size = 0,
        uint32_t* consumed = nullptr)
    {
        PrepareConfigRequest(request.get(), code, length, kPassword);
        if (size)
            std::memcpy(request->params, params, size);
        return Exchange(*request, *reply, consumed);
    }

    std::unique_ptr<sim::ConfigServer> device;
    std::unique_ptr<ConfigRequest> request = std::make_unique<ConfigRequest>();
    std::unique_ptr<ConfigReply> reply = std::make_unique<ConfigReply>();
    // The device's family and the revision its information reply told.
    uint32_t m_family = 0;
    uint16_t m_revision = 0;
    std::atomic<int64_t> now { 1784110830 }; // 15 July 2026, 10:20:30 UTC
};

// A set and the get that reads it back.
struct PairCase {
    uint16_t set;
    uint16_t get;
    uint32_t length; // of the set request
    uint32_t keyBytes; // parameters of the get: the first bytes of the set
    bool keyInReply; // the get's reply starts with the key
    std::function<void(uint8_t* params)> counts; // puts sane counts into the pattern
};

void PutU32(uint8_t* at, uint32_t v)
{
    std::memcpy(at, &v, 4);
}

// clang-format off
const PairCase kPairs[] = {
    { 0x0107, 0x0108, 40, 0, false, {} },
    { 0x010B, 0x010A, 37, 0, false, {} },
    { 0x010E, 0x010D, 59, 0, false, {} },
    { 0x0202, 0x0201, 202, 0, false, {} },
    { 0x0202, 0x0201, 197, 0, false, {} },
    { 0x0204, 0x0203, 242, 0, false, {} },
    { 0x0206, 0x0205, 32 + 4 + 2 * 44, 0, false, [](uint8_t* p) { PutU32(p, 2); } },
    { 0x0208, 0x0207, 40, 0, false, {} },
    { 0x0302, 0x0301, 145, 0, false, {} },
    { 0x0302, 0x0301, 144, 0, false, {} },
    { 0x0304, 0x0303, 292, 0, false, {} },
    { 0x0306, 0x0305, 36, 0, false, {} },
    { 0x030D, 0x030C, 44, 0, false, {} },
    { 0x030F, 0x030E, 44, 0, false, {} },
    { 0x0311, 0x0310, 32 + 5 + 3, 1, true, [](uint8_t* p) { PutU32(p + 4, 3); } },
    { 0x0313, 0x0312, 48, 0, false, {} },
    { 0x0315, 0x0314, 43, 1, true, {} },
    { 0x0317, 0x0316, 48, 0, false, {} },
    { 0x0319, 0x0318, 33, 0, false, {} },
    { 0x031B, 0x031A, 225, 0, false, {} },
    { 0x031D, 0x031C, 66, 1, true, {} },
    { 0x031F, 0x031E, 32 + 1281, 0, false, {} },
    { 0x0321, 0x0320, 291, 0, false, {} },
    { 0x0323, 0x0322, 33, 0, false, {} },
    { 0x0325, 0x0324, 32 + 1 + (1 + 3 * 25) + (1 + 1 * 25), 0, false,
      [](uint8_t* p) { p[0] = 2; p[1] = 3; p[1 + 401] = 1; } },
    { 0x0327, 0x0326, 32 + 1 + (1 + 2 * 29) + (1 + 0 * 29), 0, false,
      [](uint8_t* p) { p[0] = 2; p[4] = 2; p[4 + 516] = 0; } },
    { 0x0339, 0x0338, 97, 0, false, {} },
    { 0x0341, 0x0340, 256, 0, false, {} },
    { 0x0343, 0x0342, 34, 0, false, {} },
    { 0x0402, 0x0401, 92, 0, false, {} },
    { 0x0405, 0x0404, 75, 1, false, {} },
    { 0x0407, 0x0406, 270, 1, false, {} },
    { 0x0502, 0x0501, 192, 0, false, {} },
    { 0x0602, 0x0601, 40, 1, true, {} },
    { 0x0702, 0x0701, 216, 4, true, {} },
    { 0x0702, 0x0701, 196, 4, true, {} },
    { 0x0704, 0x0703, 40, 0, false, {} },
    { 0x0707, 0x0706, 57, 1, false, {} },
    { 0x0709, 0x0708, 86, 1, false, {} },
    { 0x0709, 0x0708, 54, 1, false, {} },
    { 0x0709, 0x0708, 50, 1, false, {} },
    { 0x070B, 0x070A, 104, 0, false, {} },
    { 0x070B, 0x070A, 68, 0, false, {} },
    { 0x070D, 0x070C, 152, 0, false, {} },
    { 0x070D, 0x070C, 112, 0, false, {} },
    { 0x070F, 0x070E, 47, 1, true, {} },
    { 0x0711, 0x0710, 61, 1, true, {} },
    { 0x0713, 0x0712, 61, 1, true, {} },
    { 0x0715, 0x0714, 61, 1, true, {} },
    { 0x0717, 0x0716, 43, 0, false, {} },
    { 0x0719, 0x0718, 76, 0, false, {} },
    { 0x071B, 0x071A, 65, 1, false, {} },
    { 0x0802, 0x0801, 40, 0, false, {} },
    { 0x0A02, 0x0A01, 40, 0, false, {} },
    { 0x0A04, 0x0A03, 40, 0, false, {} },
    { 0x0B02, 0x0B01, 40, 0, false, {} },
    { 0x0B02, 0x0B01, 36, 0, false, {} },
    { 0x0B08, 0x0B07, 36, 0, false, {} },
    { 0x0C02, 0x0C01, 36, 0, false, {} },
    { 0x0D04, 0x0D03, 32 + 4 + 2 * 240, 0, false, [](uint8_t* p) { PutU32(p, 2); } },
    { 0x0D06, 0x0D05, 36, 0, false, {} },
    { 0x0D08, 0x0D07, 44, 0, false, {} },
    { 0x0E02, 0x0E01, 36, 1, true, {} },
};
// clang-format on

class PairRoundTrip : public RoundTrip, public ::testing::WithParamInterface<std::tuple<PairCase, uint32_t>>
{
};

TEST_P(PairRoundTrip, GetGivesBackWhatSetStored)
{
    const PairCase& c = std::get<0>(GetParam());
    uint32_t family = std::get<1>(GetParam());
    StartDevice(family);
    // The revision the device reports decides 0x0407's last byte.
    auto login = std::make_unique<ConfigRequest>();
    auto info = std::make_unique<ConfigReply>();
    PrepareConfigRequest(login.get(), 0x0104, 32, kPassword);
    ASSERT_EQ(Exchange(*login, *info), 0);
    EXPECT_EQ(m_revision, family == 4 ? 22 : 0);

    const ConfigCommand* setEntry = FindConfigCommand(c.set);
    const ConfigCommand* getEntry = FindConfigCommand(c.get);
    ASSERT_TRUE(setEntry && getEntry);
    // The network camera block carries one more byte from revision 22 on.
    uint32_t length = c.length + (c.set == 0x0407 && m_revision >= 22 ? 1 : 0);
    auto set = std::make_unique<ConfigRequest>();
    PrepareConfigRequest(set.get(), c.set, length, kPassword);
    for (size_t i = 0; i < sizeof set->params; ++i)
        set->params[i] = static_cast<uint8_t>(i * 7 + 3);
    if (c.counts)
        c.counts(set->params);
    auto reply = std::make_unique<ConfigReply>();
    ASSERT_EQ(Exchange(*set, *reply), 0) << std::hex << c.set;
    EXPECT_EQ(reply->command, c.set + 0x1000);

    auto get = std::make_unique<ConfigRequest>();
    PrepareConfigRequest(get.get(), c.get, 32 + c.keyBytes, kPassword);
    std::memcpy(get->params, set->params, c.keyBytes);
    uint32_t consumed = 0;
    ASSERT_EQ(Exchange(*get, *reply, &consumed), 0) << std::hex << c.get;
    EXPECT_EQ(consumed, 8 + reply->length);

    // Field by field: what the set record held is where the get record holds it.
    const uint8_t* setEnd = reinterpret_cast<const uint8_t*>(set.get()) + CONFIG_RECORD_SIZE;
    auto sent = ListLayoutFields(setEntry->requestLayout, set->params, setEnd, length, m_revision);
    if (!c.keyInReply && c.keyBytes)
        sent.erase(sent.begin());
    uint8_t* frame = reinterpret_cast<uint8_t*>(reply.get()) + (getEntry->replyLayout.afterGap ? 40 : 8);
    const uint8_t* replyEnd = reinterpret_cast<const uint8_t*>(reply.get()) + CONFIG_RECORD_SIZE;
    auto got = ListLayoutFields(getEntry->replyLayout, frame, replyEnd, reply->length, m_revision);
    ASSERT_GE(got.size(), sent.size()) << std::hex << c.get;
    for (size_t i = 0; i < sent.size(); ++i) {
        ASSERT_EQ(sent[i].width, got[i].width) << "field " << i;
        EXPECT_EQ(Hex(set->params + sent[i].offset, sent[i].width), Hex(frame + got[i].offset, got[i].width))
            << std::hex << c.get << " field " << std::dec << i;
    }
}

std::string PairName(const ::testing::TestParamInfo<PairRoundTrip::ParamType>& info)
{
    const PairCase& c = std::get<0>(info.param);
    char name[64];
    std::snprintf(name, sizeof name, "set%04X_L%u_family%u", c.set, c.length, std::get<1>(info.param));
    return name;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, PairRoundTrip,
    ::testing::Combine(::testing::ValuesIn(kPairs), ::testing::Values(0u, 4u)), PairName);

TEST_F(RoundTrip, LoginRequestBytes)
{
    const char* userDigest = "40613f6365913e0229a1dff3ce070b92";
    const char* emptyDigest = "487c3f5e2b0d6a79324ecdbe9c15166f";
    for (uint32_t family : { 0u, 4u }) {
        auto request = std::make_unique<ConfigRequest>();
        PrepareConfigRequest(request.get(), 0x0104, 32, "");
        uint8_t buf[64];
        uint32_t pos = 0;
        ASSERT_EQ(EncodeConfigRequest(buf, sizeof buf, &pos, request.get(), family, 0), 40u);
        std::string expect
            = std::string(family == 4 ? "01040016" : "01040000") + "00000020" + userDigest + emptyDigest;
        EXPECT_EQ(Hex(buf, 40), expect) << "family " << family;
        EXPECT_EQ(request->secondWord, family == 4 ? 22 : 0);
    }
}

TEST_F(RoundTrip, ReadOnlyCommandsAnswerTheDevicesValues)
{
    StartDevice(4);
    uint32_t consumed = 0;

    ASSERT_EQ(Ask(0x0104, 32, nullptr, 0, &consumed), 0);
    EXPECT_EQ(consumed, 8u + 154u);
    EXPECT_STREQ(reinterpret_cast<const char*>(reply->body + 4), "PT-D16");
    EXPECT_EQ(m_revision, 22);

    ASSERT_EQ(Ask(0x0111, 48, nullptr, 0, &consumed), 0);
    uint32_t port;
    std::memcpy(&port, reply->body + 108, 4);
    EXPECT_EQ(port, 8405u);

    for (uint16_t code : { 0x010C, 0x0110, 0x0403 }) {
        ASSERT_EQ(Ask(code, 32, nullptr, 0, &consumed), 0) << std::hex << code;
        EXPECT_EQ(consumed, 8 + reply->length);
    }
    EXPECT_EQ(reply->body[0], 16) << "a 16-channel recorder";

    ASSERT_EQ(Ask(0x010F, 32), 0);
    CFG_DST_RULES rules;
    std::memcpy(&rules, reply->body, sizeof rules);
    ASSERT_EQ(rules.count, 2u);
    EXPECT_STREQ(reinterpret_cast<const char*>(rules.names + 64), "North America");
    EXPECT_EQ(rules.rules[14], 60) << "the shift in minutes ends each rule";
    FreeConfigReplyLists(reply.get());

    ASSERT_EQ(Ask(0x0112, 32), 0);
    uint32_t count;
    std::memcpy(&count, reply->body, 4);
    EXPECT_EQ(count, 74u) << "one rule number per zone of the zone table";
    EXPECT_EQ(reply->body[4 + 26], 1) << "Berlin keeps the European rule";
    EXPECT_EQ(reply->body[4 + 12], 2) << "New York the North American";
    EXPECT_EQ(reply->body[4 + 60], 0) << "Tokyo none";

    ASSERT_EQ(Ask(0x0705, 32), 0);
    CFG_NAME_LISTS lists;
    std::memcpy(&lists, reply->body, sizeof lists);
    EXPECT_EQ(lists.list[0].count, 14);
    EXPECT_STREQ(reinterpret_cast<const char*>(lists.list[1].items), "Lowest");
    EXPECT_EQ(lists.list[2].items, nullptr);
    ASSERT_EQ(lists.list[3].count, 5);
    EXPECT_STREQ(reinterpret_cast<const char*>(lists.list[3].items + 16), "Low");
    ASSERT_NE(lists.extra, nullptr);
    EXPECT_EQ(lists.extra[3], 3) << "Low's speed index";
    FreeConfigReplyLists(reply.get());

    ASSERT_EQ(Ask(0x0E05, 36), 0);
    CFG_STATUS_TEXT text;
    std::memcpy(&text, reply->body, sizeof text);
    EXPECT_STREQ(text.text, "Recording: normal");
    FreeConfigReplyLists(reply.get());

    // A recorder's 0x0E07 is its system log: time, two words, event word.
    ASSERT_EQ(Ask(0x0E07, 32), 0);
    CFG_STREAM_LIST streams;
    std::memcpy(&streams, reply->body, sizeof streams);
    ASSERT_EQ(streams.count, 9u) << "the entry marked 0xFFFFFFFF is skipped";
    EXPECT_EQ(streams.entries[0].id, 1796716800u);
    EXPECT_EQ(streams.entries[1].id, 1796717100u);
    EXPECT_EQ(streams.entries[1].f, 0x31000u);
    EXPECT_EQ(streams.entries[2].id, 1796720400u);
    FreeConfigReplyLists(reply.get());
}

TEST_F(RoundTrip, WideListsGenericParametersAndAccessFlags)
{
    StartDevice(4);
    // 0x0332 / 0x0334: one M for all groups, values widened to 32 bits.
    for (uint16_t set : { 0x0332, 0x0334 }) {
        bool ex = set == 0x0334;
        uint32_t groupAt = ex ? 4 : 1, groupSize = ex ? 516 : 401, entryAt = ex ? 4 : 1,
                 entrySize = ex ? 32 : 25;
        PrepareConfigRequest(request.get(), set, 32 + 8 + 2 * 2 * (ex ? 32 : 28), kPassword);
        request->params[0] = 2;
        for (uint32_t g = 0; g < 2; ++g) {
            uint8_t* group = request->params + groupAt + g * groupSize;
            group[0] = 2;
            for (uint32_t e = 0; e < 2; ++e) {
                uint8_t* entry = group + entryAt + e * entrySize;
                std::snprintf(reinterpret_cast<char*>(entry), 24, "preset %u.%u", g, e);
                entry[24] = static_cast<uint8_t>(10 * g + e);
                if (ex)
                    PutU32(entry + 28, 1000 + g * 10 + e);
            }
        }
        ASSERT_EQ(Exchange(*request, *reply), 0) << std::hex << set;
        auto log = device->Log();
        ASSERT_EQ(log.back().params.size(), 8u + 4 * (ex ? 32 : 28));
        EXPECT_EQ(Hex(log.back().params.data(), 12), "000000020000000200000000");
        ASSERT_EQ(Ask(static_cast<uint16_t>(set - 1), 32), 0);
        EXPECT_EQ(reply->body[0], 2);
        const uint8_t* group = reply->body + groupAt + groupSize;
        EXPECT_EQ(group[0], 2);
        const uint8_t* entry = group + entryAt + entrySize;
        EXPECT_STREQ(reinterpret_cast<const char*>(entry), "preset 1.1");
        EXPECT_EQ(entry[24], 11);
        if (ex) {
            uint32_t v;
            std::memcpy(&v, entry + 28, 4);
            EXPECT_EQ(v, 1011u);
        }
    }

    // 0x0B06: a write of item 6 is what a read of item 5 reports (port 1's
    // settings: the port, nine bytes and a trailing zero).
    const uint8_t data[] = { 1, 2, 0, 0, 1, 2, 0, 2, 0, 5, 0 };
    CFG_PARAM_REQUEST param { 3, 6, sizeof data, data };
    ASSERT_EQ(Ask(0x0B06, 32 + 6 + sizeof data, &param, sizeof param), 0);
    const uint8_t port = 1;
    param = { 3, 5, 1, &port };
    ASSERT_EQ(Ask(0x0B06, 32 + 7, &param, sizeof param), 0);
    CFG_PARAM_REPLY got;
    std::memcpy(&got, reply->body, sizeof got);
    ASSERT_EQ(got.size, sizeof data - 2);
    EXPECT_EQ(std::memcmp(got.data, data + 1, sizeof data - 2), 0);
    FreeConfigReplyLists(reply.get());

    // 0x0E04 writes rows and flag words; 0x0E03 reads as many words as rows.
    uint32_t words[11] = { 3, 0x11, 0x22, 0x33 };
    ASSERT_EQ(Ask(0x0E04, 32 + 44, words, sizeof words), 0);
    ASSERT_EQ(Ask(0x0E03, 32), 0);
    uint32_t back[4];
    std::memcpy(back, reply->body, sizeof back);
    EXPECT_EQ(back[0], 3u);
    EXPECT_EQ(back[3], 0x33u);

    // 0x0E06 sets the maximum of connections that 0x1D03 reports after the room of ten.
    const uint32_t most = 12;
    ASSERT_EQ(Ask(0x0E06, 36, &most, sizeof most), 0);
    ASSERT_EQ(Ask(0x0D03, 32), 0);
    uint32_t maxConnections;
    std::memcpy(&maxConnections, reply->body + 4 + 10 * 240 + 4, 4);
    EXPECT_EQ(maxConnections, 12u);
}

TEST_F(RoundTrip, ActionsReachTheDeviceAsEncoded)
{
    StartDevice(0);
    struct Action {
        uint16_t code;
        uint32_t length;
        std::vector<uint8_t> params;
        const char* wire;
    };
    const Action actions[] = {
        { 0x0103, 32, {}, "" },
        { 0x0335, 40, { 5, 7 }, "0000000500000007" },
        { 0x0328, 34, { 5, 7 }, "0507" },
        { 0x0105, 32 + 44, { 0, 0, 0, 1, 'x' }, nullptr },
        { 0x0409, 40, { 1, 0, 0, 0, 2, 0, 0, 0 }, "0000000100000002" },
        { 0x0E08, 32, {}, "" },
    };
    for (const Action& a : actions) {
        ASSERT_EQ(Ask(a.code, a.length, a.params.data(), a.params.size()), 0) << std::hex << a.code;
        auto log = device->Log();
        EXPECT_EQ(log.back().params.size(), a.length - 32);
        if (a.wire) {
            EXPECT_EQ(Hex(log.back().params.data(), log.back().params.size()), a.wire);
        }
    }
}

// The five words of 0x1110: clock, zone, offset, automatic, daylight now.
std::vector<uint32_t> ClockWords(const ConfigReply& reply)
{
    std::vector<uint32_t> words(5);
    std::memcpy(words.data(), reply.body, 20);
    return words;
}

TEST_F(RoundTrip, TheDeviceClockRunsOnInItsZoneWithItsDaylightRule)
{
    StartDevice(4);
    auto clock = [&] {
        EXPECT_EQ(Ask(0x0110, 32), 0);
        return ClockWords(*reply);
    };
    EXPECT_EQ(clock(), (std::vector<uint32_t> { uint32_t(now), 26, 3600, 1, 1 })) << "Berlin in summer";
    now += 90;
    EXPECT_EQ(clock()[0], uint32_t(now)) << "the clock follows the host's";

    // The European rule changes at 01:00 UTC on the last Sundays of March
    // and October; the North American at 02:00 local time on the second
    // Sunday of March and the first of November.
    struct Edge {
        int64_t at;
        uint32_t zone;
        int32_t offset;
        uint32_t daylight;
    };
    const Edge edges[] = {
        { 1774745999, 26, 3600, 0 }, { 1774746000, 26, 3600, 1 }, // 29 March 2026
        { 1792889999, 26, 3600, 1 }, { 1792890000, 26, 3600, 0 }, // 25 October
        { 1772953199, 12, -18000, 0 }, { 1772953200, 12, -18000, 1 }, // 8 March
        { 1793512799, 12, -18000, 1 }, { 1793512800, 12, -18000, 0 }, // 1 November
        { 1784110830, 60, 32400, 0 }, // Tokyo has no rule
    };
    for (const Edge& e : edges) {
        now = e.at;
        const uint32_t set[4] = { 0, e.zone, uint32_t(e.offset), 1 };
        ASSERT_EQ(Ask(0x0111, 48, set, sizeof set), 0);
        const auto words = clock();
        EXPECT_EQ(words[0], uint32_t(e.at)) << "a time of 0 leaves the clock";
        EXPECT_EQ(words[1], e.zone);
        EXPECT_EQ(words[4], e.daylight) << e.at;
    }

    // A wall-clock time set in New York in winter: the clock holds its UTC
    // time, and the device information leads with the wall clock.
    now = 1796889600; // 10 December 2026, 08:00 UTC
    const uint32_t wall[4] = { 1796904000, 12, uint32_t(-18000), 1 }; // 12:00 local
    ASSERT_EQ(Ask(0x0111, 48, wall, sizeof wall), 0);
    now += 10;
    EXPECT_EQ(clock(), (std::vector<uint32_t> { 1796904000 + 18000 + 10, 12, uint32_t(-18000), 1, 0 }));
    ASSERT_EQ(Ask(0x0104, 32), 0);
    uint32_t shown;
    std::memcpy(&shown, reply->body, 4);
    EXPECT_EQ(shown, 1796904000u + 10);

    // The zone-offset interface: a UTC time and an offset, running on.
    const uint32_t utc[2] = { 1800000000, 7200 };
    ASSERT_EQ(Ask(0x0107, 40, utc, sizeof utc), 0);
    now += 60;
    ASSERT_EQ(Ask(0x0108, 32), 0);
    uint32_t zoneOffset[2];
    std::memcpy(zoneOffset, reply->body, sizeof zoneOffset);
    EXPECT_EQ(zoneOffset[0], 1800000060u);
    EXPECT_EQ(zoneOffset[1], 7200u);
}

TEST_F(RoundTrip, TheDescriptionWrittenIsTheOneTheDeviceReports)
{
    StartDevice(0);
    const char desk[] = "Reception desk";
    ASSERT_EQ(Ask(0x0106, 64, desk, sizeof desk), 0);
    ASSERT_EQ(Ask(0x0104, 32), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(reply->body + 120), "Reception desk") << "the title field";
    // A factory reset brings the old one back.
    ASSERT_EQ(Ask(0x0901, 32), 0);
    ASSERT_EQ(Ask(0x0104, 32), 0);
    EXPECT_STREQ(reinterpret_cast<const char*>(reply->body + 120), "Lobby camera");
}

TEST_F(RoundTrip, EveryCommandHasACase)
{
    size_t count = 0;
    const ConfigCommand* all = ConfigCommands(&count);
    EXPECT_GT(count, 140u);
    for (size_t i = 0; i < count; ++i) {
        const ConfigCommand& c = all[i];
        if (c.request && c.request[0] != '!') {
            EXPECT_TRUE(c.requestLayout.items) << std::hex << c.command;
        }
        if (c.reply && c.reply[0] != '!') {
            EXPECT_TRUE(c.replyLayout.items) << std::hex << c.command;
        }
        if (i) {
            EXPECT_LT(all[i - 1].command, c.command);
        }
    }
}

// The fault modes a person starts with devsim --fault, on the wire: what
// the first read gets, and all a client gets until the device closes.
TEST_F(RoundTrip, FaultsAPersonCanStartReachTheWire)
{
    StartDevice(4);
    auto request = std::make_unique<ConfigRequest>();
    PrepareConfigRequest(request.get(), 0x010F, 32, kPassword);
    uint8_t out[64];
    uint32_t pos = 0;
    const uint32_t n = EncodeConfigRequest(out, sizeof out, &pos, request.get(), 4, 22);
    struct Received {
        std::vector<uint8_t> first, all;
        bool closed = false; // the device closed (rather than the wait ending)
    };
    auto exchange = [&](const char* spec, bool whole = true, int waitMs = 5000) {
        uint16_t command = 0;
        sim::Fault fault;
        std::string error;
        EXPECT_TRUE(sim::ParseFaultOption(spec, &command, &fault, &error)) << error;
        device->ClearFaults();
        device->SetFault(command, fault);
        Received got;
        int fd = sim::ConnectTcp(device->Address(), device->Port());
        timeval limit { waitMs / 1000, (waitMs % 1000) * 1000 };
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        sim::SendAll(fd, out, n);
        uint8_t buf[4096];
        ssize_t r;
        while ((r = recv(fd, buf, sizeof buf, 0)) > 0) {
            if (got.first.empty())
                got.first.assign(buf, buf + r);
            got.all.insert(got.all.end(), buf, buf + r);
            if (!whole)
                break;
        }
        got.closed = r == 0;
        sim::CloseSocket(fd);
        return got;
    };
    const Received plain = exchange("0110:delay=1");
    ASSERT_GT(plain.all.size(), 8u);
    EXPECT_EQ(Hex(plain.all.data(), 4), "110f0000");

    EXPECT_EQ(Hex(exchange("010F:status=F301").all.data(), 8), "110ff30100000000");
    const Received wrong = exchange("010F:reply=1104");
    EXPECT_EQ(Hex(wrong.all.data(), 4), "11040000") << "the device information record";
    EXPECT_EQ(wrong.all.size(), 8u + 154u);
    const Received oversized = exchange("010F:oversized=70000");
    EXPECT_EQ(Hex(oversized.all.data() + 4, 4), "00011170");
    EXPECT_EQ(oversized.all.size(), plain.all.size()) << "no more than there is";
    const Received split = exchange("010F:split=3,5");
    EXPECT_EQ(split.first.size(), 3u);
    EXPECT_EQ(split.all, plain.all);
    const Received trickle = exchange("010F:trickle=300", false);
    EXPECT_EQ(trickle.first.size(), 1u) << "one byte at a time";
    EXPECT_EQ(exchange("010F:cut=8").all.size(), 8u);
    const Received closed = exchange("010F:close");
    EXPECT_TRUE(closed.all.empty());
    EXPECT_TRUE(closed.closed);
    const Received silent = exchange("010F:silence", true, 300);
    EXPECT_TRUE(silent.all.empty());
    EXPECT_FALSE(silent.closed) << "no reply and no close";
    EXPECT_EQ(device->Log().back().command, 0x010F) << "the request was read and logged";
}

TEST(FaultOption, RefusesWhatItCannotRead)
{
    const char* const bad[] = { "", "0104", "0104:", "xyz:silence", "10000:silence", "0104:status",
        "0104:status=0", "0104:status=F30G", "0104:split=", "0104:split=3,", "0104:split=0", "0104:trickle=0",
        "0104:trickle=-5", "0104:delay=99999999999", "0104:oversized=4294967296", "0104:silence=1",
        "0104:sleep=5" };
    for (const char* text : bad) {
        uint16_t command = 0;
        sim::Fault fault;
        std::string error;
        EXPECT_FALSE(sim::ParseFaultOption(text, &command, &fault, &error)) << text;
        EXPECT_NE(error.find('"'), std::string::npos) << "the message quotes what was given: " << text;
    }
    uint16_t command = 0;
    sim::Fault fault;
    std::string error;
    ASSERT_TRUE(sim::ParseFaultOption("0x0201:split=8,20,4", &command, &fault, &error));
    EXPECT_EQ(command, 0x0201);
    EXPECT_EQ(fault.pieces, (std::vector<size_t> { 8, 20, 4 }));
}

} // namespace
