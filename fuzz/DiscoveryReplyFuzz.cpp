// A discovery datagram as the discovery socket reads it: any bytes up to its
// 1024-byte buffer, decoded by the reply codec into the device record.
#include "fuzz/Datagram.h"
#include "link/ConfigCodec.h"
#include "link/DiscoveryRecord.h"

#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<uint8_t[]> datagram = ReceivedDatagram(data, &size);
    auto reply = std::make_unique<ConfigReply>();
    uint32_t pos = 0;
    DecodeConfigReply(datagram.get(), size, &pos, reply.get(), nullptr);
    if (pos > size)
        std::abort();
    RES_DISCOVER_OVEL record;
    if (MakeDiscoveryRecord(*reply, 0x7F000002, &record)) {
        if (record.ipAddress != 0x7F000002 || (reply->command == RES_DISCOVER && record.port != 0))
            std::abort();
        IsFirmwareTooNew(record.version2);
    }
    // The socket decodes only these; other replies may carry lists the caller frees.
    FreeConfigReplyLists(reply.get());
    return 0;
}
