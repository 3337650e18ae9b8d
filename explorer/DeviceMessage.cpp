#include "explorer/DeviceMessage.h"

#include "link/ByteOrder.h"
#include "link/Md4.h"

#include <cstring>

namespace morrik
{

namespace
{

constexpr uint32_t kFieldSize = 16;

// The body a request of `code` writes; 0 for a code the explorer never sends.
uint32_t RequestBodySize(uint16_t code)
{
    switch (code) {
    case MSG_DISCOVER:
        return DISCOVER_LENGTH;
    case MSG_CHANGE_IP:
        return CHANGE_IP_LENGTH;
    case MSG_PORT_PAIR:
    case MSG_EXTRA_PORT:
        return PORT_QUERY_LENGTH;
    default:
        return 0;
    }
}

// The body a reply of `code` must bring before it is read; 0 for a code the
// explorer does not read.
uint32_t ReplyBodySize(uint16_t code)
{
    switch (code) {
    case RES_DISCOVER:
        return DISCOVER_REPLY_LENGTH;
    case RES_DISCOVER_EX:
        return DISCOVER_REPLY_EX_LENGTH;
    case RES_PORT_PAIR:
    case RES_EXTRA_PORT:
        return PORT_REPLY_LENGTH;
    default:
        return 0;
    }
}

// A credential field as a text of at most 15 characters in a zeroed
// 16-byte buffer, which the port queries send as its digest.
void PutDigest(uint8_t* buffer, uint32_t* cursor, const char* field)
{
    uint8_t padded[kFieldSize] = {};
    size_t n = 0;
    while (n < kFieldSize - 1 && field[n] != '\0')
        ++n;
    std::memcpy(padded, field, n);
    uint8_t digest[kFieldSize];
    MD4Digest(padded, sizeof padded, digest);
    NetPutBytes(buffer, cursor, digest, sizeof digest);
}

} // namespace

size_t EncodeDeviceMessage(uint8_t* buffer, size_t capacity, uint32_t* cursor, const DEVICE_REQUEST& request)
{
    const uint32_t body = RequestBodySize(request.wCode);
    if (body == 0 || *cursor > capacity || capacity - *cursor < NET_MSG_HEADER_SIZE + body)
        return 0;
    InitNetByteOrder();
    uint32_t at = *cursor;
    NetPutHeader(buffer, &at, NET_MSG_HEADER { request.wCode, request.wWord2, request.dwLength });
    switch (request.wCode) {
    case MSG_DISCOVER:
        NetPutU32(buffer, &at, DISCOVERY_MAGIC);
        break;
    case MSG_CHANGE_IP:
        NetPutBytes(buffer, &at, request.szUser, kFieldSize);
        NetPutBytes(buffer, &at, request.szPassword, kFieldSize);
        NetPutU32(buffer, &at, request.dwNewAddress);
        NetPutBytes(buffer, &at, request.byMac, sizeof request.byMac);
        break;
    default: // the port queries
        PutDigest(buffer, &at, request.szUser);
        PutDigest(buffer, &at, request.szPassword);
        break;
    }
    const size_t written = at - *cursor;
    *cursor = at;
    return written;
}

size_t DecodeDeviceMessage(const uint8_t* buffer, size_t size, uint32_t* cursor, DEVICE_REPLY* reply)
{
    if (*cursor > size || size - *cursor < NET_MSG_HEADER_SIZE)
        return 0;
    InitNetByteOrder();
    uint32_t at = *cursor;
    NET_MSG_HEADER header;
    NetGetHeader(buffer, &at, &header);
    const uint32_t body = ReplyBodySize(header.msgId);
    // A datagram shorter than its code's body is refused whole, before any
    // of the body is read.
    if (body == 0 || size - at < body)
        return 0;
    reply->wCode = header.msgId;
    reply->wStatus = header.word2;
    reply->dwLength = header.length;
    switch (header.msgId) {
    case RES_DISCOVER:
    case RES_DISCOVER_EX:
        NetGetBytes(buffer, &at, reply->model, sizeof reply->model);
        NetGetBytes(buffer, &at, reply->version1, sizeof reply->version1);
        NetGetBytes(buffer, &at, reply->version2, sizeof reply->version2);
        NetGetBytes(buffer, &at, reply->serial, sizeof reply->serial);
        NetGetU32(buffer, &at, &reply->dwAddress);
        if (header.msgId == RES_DISCOVER_EX)
            NetGetU32(buffer, &at, &reply->dwPort);
        NetGetBytes(buffer, &at, reply->mac, sizeof reply->mac);
        NetGetBytes(buffer, &at, reply->text, sizeof reply->text);
        break;
    default: // the port replies
        NetGetU32(buffer, &at, &reply->dwValue1);
        NetGetU32(buffer, &at, &reply->dwValue2);
        break;
    }
    const size_t read = at - *cursor;
    *cursor = at;
    return read;
}

bool MakeDiscoverRecord(const DEVICE_REPLY& reply, uint32_t sourceAddress, RES_DISCOVER_OVEL* record)
{
    if (reply.wCode != RES_DISCOVER && reply.wCode != RES_DISCOVER_EX)
        return false;
    std::memset(record, 0, sizeof *record);
    std::memcpy(record->model, reply.model, sizeof record->model);
    std::memcpy(record->version1, reply.version1, sizeof record->version1);
    std::memcpy(record->version2, reply.version2, sizeof record->version2);
    std::memcpy(record->serial, reply.serial, sizeof record->serial);
    record->ipAddress = sourceAddress;
    std::memcpy(record->mac, reply.mac, sizeof record->mac);
    std::memcpy(record->title, reply.text, sizeof record->title);
    record->port = reply.wCode == RES_DISCOVER_EX ? reply.dwPort : 0;
    return true;
}

} // namespace morrik
