// Any reply bytes for every reply code of the catalogue: the first byte picks
// the command, the rest is the reply message whose id is set to that
// command's reply. The decoder must stay inside the bytes and the record.
#include "link/ConfigCatalogue.h"
#include "link/ConfigCodec.h"

#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    size_t count = 0;
    const ConfigCommand* commands = ConfigCommands(&count);
    const ConfigCommand& pick = commands[data[0] % count];
    uint16_t replyId = static_cast<uint16_t>(pick.command + CONFIG_REPLY_OFFSET);
    size -= 1;
    std::unique_ptr<uint8_t[]> message(new uint8_t[size ? size : 1]);
    if (size)
        std::memcpy(message.get(), data + 1, size);
    if (size >= 2) {
        message[0] = static_cast<uint8_t>(replyId >> 8);
        message[1] = static_cast<uint8_t>(replyId);
    }
    auto reply = std::make_unique<ConfigReply>();
    uint32_t pos = 0;
    uint16_t revision = 0;
    uint32_t used = DecodeConfigReply(message.get(), size, &pos, reply.get(), &revision);
    if (pos > size || used > size)
        std::abort();
    FreeConfigReplyLists(reply.get());
    return 0;
}
