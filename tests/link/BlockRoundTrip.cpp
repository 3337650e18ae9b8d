#include "tests/link/BlockRoundTrip.h"

#include "link/ConfigCatalogue.h"
#include "link/ConfigCodec.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

namespace blocks
{

Bytes WireBytes(const char* text)
{
    Bytes bytes;
    const char* p = text;
    while (*p) {
        if (*p == ' ') {
            ++p;
        } else if (*p == '\'') {
            for (++p; *p && *p != '\''; ++p)
                bytes.push_back(static_cast<uint8_t>(*p));
            if (*p)
                ++p;
        } else {
            const char* start = p;
            while (std::isxdigit(static_cast<unsigned char>(*p)))
                ++p;
            std::string digits(start, p);
            if (digits.empty() || digits.size() % 2) {
                ADD_FAILURE() << "bad wire text at: " << start;
                return bytes;
            }
            Bytes run;
            for (size_t i = 0; i < digits.size(); i += 2)
                run.push_back(static_cast<uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
            size_t repeat = 1;
            if (*p == '*')
                repeat = std::strtoul(p + 1, const_cast<char**>(&p), 10);
            for (size_t k = 0; k < repeat; ++k)
                bytes.insert(bytes.end(), run.begin(), run.end());
        }
    }
    return bytes;
}

std::string RowName(const ::testing::TestParamInfo<BlockRow>& info)
{
    std::string name;
    bool upper = true;
    for (char c : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        } else {
            upper = true;
        }
    }
    return name;
}

namespace
{

Bytes Message(uint16_t id, const Bytes& body)
{
    const auto length = static_cast<uint32_t>(body.size());
    Bytes m = { static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id), 0, 0,
        static_cast<uint8_t>(length >> 24), static_cast<uint8_t>(length >> 16),
        static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length) };
    m.insert(m.end(), body.begin(), body.end());
    return m;
}

// The bytes of a record that its layout moves, in wire order.
Bytes CoveredBytes(const ConfigLayout& layout, const uint8_t* frame, const uint8_t* recordEnd,
    uint32_t bodyLength, uint16_t revision, size_t recordSize)
{
    Bytes covered;
    for (const LayoutField& f : ListLayoutFields(layout, frame, recordEnd, bodyLength, revision)) {
        EXPECT_LE(f.offset + f.width, recordSize) << "a field of the layout lies beyond the record";
        covered.insert(covered.end(), frame + f.offset, frame + f.offset + f.width);
    }
    return covered;
}

} // namespace

TEST_P(BlockRoundTrip, TheRecordTravelsAsItsBytes)
{
    const BlockRow& row = GetParam();
    const ConfigCommand* entry = FindConfigCommand(row.command);
    ASSERT_NE(entry, nullptr);
    // The per-camera reads are the only ones that skip the address lookup.
    EXPECT_EQ(row.lookupAllowed, row.command != 0x0404 && row.command != 0x0406);

    auto request = std::make_unique<ConfigRequest>();
    PrepareConfigRequest(request.get(), row.command, row.length, "");
    std::copy(row.params.begin(), row.params.end(), request->params);
    std::vector<uint8_t> sent(CONFIG_RECORD_SIZE * 2);
    uint32_t pos = 0;
    const uint32_t n = EncodeConfigRequest(sent.data(), sent.size(), &pos, request.get(), 0, row.revision);
    ASSERT_EQ(n, NET_MSG_HEADER_SIZE + row.length) << "the length is what the parameters travel as";
    const size_t paramsAt = NET_MSG_HEADER_SIZE + CONFIG_CRED_SIZE;
    const Bytes paramWire(sent.begin() + paramsAt, sent.begin() + n);
    EXPECT_EQ(paramWire, row.params.empty() ? Bytes {} : WireBytes(row.paramWire));
    if (!row.params.empty() && entry->request[0] != '!') {
        // Back from the wire into a record: the same fields.
        auto back = std::make_unique<ConfigRequest>();
        WireReader in(paramWire.data(), paramWire.size());
        uint8_t* end = reinterpret_cast<uint8_t*>(back.get()) + CONFIG_RECORD_SIZE;
        DecodeLayout(entry->requestLayout, back->params, end, row.length, row.revision, in);
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(CoveredBytes(
                      entry->requestLayout, back->params, end, row.length, row.revision, row.params.size()),
            CoveredBytes(entry->requestLayout, request->params,
                reinterpret_cast<uint8_t*>(request.get()) + CONFIG_RECORD_SIZE, row.length, row.revision,
                row.params.size()));
    }

    if (row.fields.empty())
        return;
    const Bytes body = WireBytes(row.fieldWire);
    const Bytes message = Message(static_cast<uint16_t>(row.command + CONFIG_REPLY_OFFSET), body);
    auto reply = std::make_unique<ConfigReply>();
    uint16_t revision = row.revision;
    pos = 0;
    EXPECT_EQ(DecodeConfigReply(message.data(), message.size(), &pos, reply.get(), &revision), message.size())
        << "the whole body is read";
    const uint8_t* decoded = ConfigReplyFields(*reply);
    if (row.checkFields) {
        row.checkFields(decoded);
        FreeConfigReplyLists(reply.get());
        return;
    }
    uint8_t* replyEnd = reinterpret_cast<uint8_t*>(reply.get()) + CONFIG_RECORD_SIZE;
    const auto bodyLength = static_cast<uint32_t>(body.size());
    // The record's fields are the ones the body carried...
    auto expected = std::make_unique<ConfigReply>();
    expected->command = reply->command;
    uint8_t* frame = const_cast<uint8_t*>(ConfigReplyFields(*expected));
    std::copy(row.fields.begin(), row.fields.end(), frame);
    uint8_t* expectedEnd = reinterpret_cast<uint8_t*>(expected.get()) + CONFIG_RECORD_SIZE;
    EXPECT_EQ(CoveredBytes(entry->replyLayout, const_cast<uint8_t*>(decoded), replyEnd, bodyLength, revision,
                  row.fields.size()),
        CoveredBytes(entry->replyLayout, frame, expectedEnd, bodyLength, revision, row.fields.size()));
    // ...and they travel back as the same body.
    Bytes again(body.size() + 64);
    WireWriter out(again.data(), again.size(), 0);
    EncodeLayout(entry->replyLayout, frame, expectedEnd, bodyLength, revision, out);
    again.resize(out.Offset());
    EXPECT_EQ(again, body);
}

} // namespace blocks
