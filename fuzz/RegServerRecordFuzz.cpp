// Registration-server data as the FTP client reads it: a scrambled header
// and records, and the node a window parses.
#include "link/RegServerRecords.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < REGSERVER_HEADER_SIZE)
        return 0;
    REGSERVER_MSG_HEADER header;
    uint8_t key = DecodeDirHeader(data, &header);
    if (header.key != 0)
        std::abort();
    size_t at = REGSERVER_HEADER_SIZE;
    RegServerRecord record;
    for (uint32_t i = 0; i < header.count && size - at >= REGSERVER_RECORD_WIRE_SIZE; ++i) {
        DecodeDirRecord(data + at, key, &record);
        at += REGSERVER_RECORD_WIRE_SIZE;
        if (std::strlen(record.szName) >= sizeof record.szName || std::strlen(record.szAddress) >= 24)
            std::abort();
        ZPT_NODE node {};
        std::memcpy(node.szMac, record.szMac, sizeof node.szMac);
        std::memcpy(node.szAddress, record.szAddress, sizeof node.szAddress);
        ParseDirectoryReply(&node);
    }
    return 0;
}
