#include "link/DiscoveryRecord.h"

#include "link/ByteOrder.h"

#include <cstring>

namespace
{

// Where the decoder puts the fields of the two reply forms in the reply
// record's body (natural alignment, host order).
constexpr size_t kModel = 0;
constexpr size_t kVersion1 = 16;
constexpr size_t kVersion2 = 48;
constexpr size_t kSerial = 80;
constexpr size_t kMac = 108;
constexpr size_t kTitle = 114;
constexpr size_t kPortEx = 108;
constexpr size_t kMacEx = 112;
constexpr size_t kTitleEx = 118;

} // namespace

bool MakeDiscoveryRecord(const ConfigReply& reply, uint32_t sourceAddress, RES_DISCOVER_OVEL* record)
{
    if (reply.command != RES_DISCOVER && reply.command != RES_DISCOVER_EX)
        return false;
    std::memset(record, 0, sizeof(*record));
    const uint8_t* body = reply.body;
    // Fixed fields are kept byte for byte, as the device sent them.
    std::memcpy(record->model, body + kModel, sizeof(record->model));
    std::memcpy(record->version1, body + kVersion1, sizeof(record->version1));
    std::memcpy(record->version2, body + kVersion2, sizeof(record->version2));
    std::memcpy(record->serial, body + kSerial, sizeof(record->serial));
    // The device's own idea of its address (the field after the serial) is
    // not trusted: the datagram's source is where it answers.
    record->ipAddress = sourceAddress;
    bool withPort = reply.command == RES_DISCOVER_EX;
    std::memcpy(record->mac, body + (withPort ? kMacEx : kMac), 6);
    std::memcpy(record->title, body + (withPort ? kTitleEx : kTitle), sizeof(record->title));
    if (withPort)
        std::memcpy(&record->port, body + kPortEx, 4);
    return true;
}
