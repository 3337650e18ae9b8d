// Arbitrary bytes as a reply to the explorer: a discovery datagram of at
// most 1024 bytes, or a port-query reply, decoded at every offset a caller
// could start from; whatever is decoded came from bytes that are there.
#include "explorer/DeviceMessage.h"
#include "fuzz/Datagram.h"
#include "fuzz/TouchBytes.h"

#include <cstdint>
#include <memory>

using namespace morrik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::unique_ptr<uint8_t[]> datagram = ReceivedDatagram(data, &size);
    for (uint32_t start = 0; start < size && start < 16; ++start) {
        DEVICE_REPLY reply {};
        uint32_t cursor = start;
        size_t read = DecodeDeviceMessage(datagram.get(), size, &cursor, &reply);
        if (cursor != start + read || cursor > size)
            __builtin_trap();
        if (read == 0)
            continue;
        Touch(&reply, sizeof reply);
        RES_DISCOVER_OVEL record;
        if (MakeDiscoverRecord(reply, 0x7F000002, &record)) {
            if (record.ipAddress != 0x7F000002 || (reply.wCode == RES_DISCOVER && record.port != 0))
                __builtin_trap();
            IsVersion3OrLater(record.version2);
        }
    }
    return 0;
}
