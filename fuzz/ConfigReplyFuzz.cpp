// Any reply bytes, with any reply code, to every request of the catalogue:
// the first byte picks the request, the rest is the message the device
// sent. What the session takes as the request's answer is decoded and read
// as the pages read it, by the request's own layout (lists and all); the
// decoder must stay inside the bytes and the record, and every list a page
// walks must be as long as its count says.
#include "fuzz/TouchBytes.h"
#include "link/ConfigCatalogue.h"
#include "link/ConfigCodec.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace
{

template <class T> T Fields(const ConfigReply& reply)
{
    T fields;
    std::memcpy(&fields, reply.body, sizeof fields);
    return fields;
}

// What a page reads of the reply to `request` beyond its fixed fields.
void ReadAsPage(uint16_t request, const ConfigReply& reply)
{
    switch (request) {
    case 0x010F: {
        const auto rules = Fields<CFG_DST_RULES>(reply);
        if (rules.names)
            Touch(rules.names, size_t(rules.count) * 64);
        if (rules.rules)
            Touch(rules.rules, size_t(rules.count) * 15);
        break;
    }
    case 0x0705: {
        const auto lists = Fields<CFG_NAME_LISTS>(reply);
        for (const auto& list : lists.list)
            if (list.items)
                Touch(list.items, size_t(list.count) * 16);
        if (lists.extra)
            Touch(lists.extra, size_t(lists.list[3].count) * 3);
        break;
    }
    case 0x0B06: {
        const auto param = Fields<CFG_PARAM_REPLY>(reply);
        if (param.data)
            Touch(param.data, param.size);
        break;
    }
    case 0x0E05: {
        const auto status = Fields<CFG_STATUS_TEXT>(reply);
        if (status.text)
            Touch(status.text, size_t(status.size) + 1);
        break;
    }
    case 0x0E07: {
        const auto list = Fields<CFG_STREAM_LIST>(reply);
        if (list.entries)
            Touch(list.entries, size_t(list.count) * sizeof(CFG_STREAM_ENTRY));
        break;
    }
    default:
        Touch(reply.body, sizeof reply.body);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    size_t count = 0;
    const ConfigCommand* commands = ConfigCommands(&count);
    const uint16_t request = commands[data[0] % count].command;
    const uint8_t* message = data + 1;
    size -= 1;
    // The session refuses a reply of another code before decoding anything.
    if (!IsReplyTo(request, message, size))
        return 0;
    auto reply = std::make_unique<ConfigReply>();
    uint32_t pos = 0;
    uint16_t revision = 0;
    uint32_t used = DecodeConfigReply(message, size, &pos, reply.get(), &revision);
    if (pos > size || used > size)
        std::abort();
    ReadAsPage(request, *reply);
    FreeConfigReplyLists(reply.get());
    return 0;
}
