#include "stream/plinto/StreamCodec.h"

#include "link/ByteOrder.h"
#include "link/DeviceHelpers.h"
#include "link/Md4.h"

#include <algorithm>
#include <cstring>

namespace plinto
{

namespace
{

// Frame information in a frame reply: the 16-bit length L, then 32 bytes.
constexpr uint32_t kFrameInfoEnd = 2 + 32;

void PutDigestPair(uint8_t* out, uint32_t* at, const char* user, const char* password)
{
    uint8_t digest[16];
    DigestField(user, digest);
    NetPutBytes(out, at, digest, 16);
    DigestField(password, digest);
    NetPutBytes(out, at, digest, 16);
}

// The stream-parameter block, the same in the start and the change
// request; its second byte never goes out.
template <class Parm> void PutParameters(uint8_t* out, uint32_t* at, const Parm& p)
{
    NetPutU8(out, at, p.byChannel);
    NetPutU8(out, at, 0);
    NetPutU8(out, at, p.byParm1);
    NetPutU8(out, at, p.byParm2);
    NetPutU32(out, at, p.dwParm3);
    NetPutU32(out, at, p.dwParm4);
    NetPutU16(out, at, p.wParm5);
}

} // namespace

void PutHeader(uint8_t* out, WORD id, WORD status, uint32_t length)
{
    uint32_t at = 0;
    NetPutU16(out, &at, id);
    NetPutU16(out, &at, status);
    NetPutU32(out, &at, length);
}

MsgHeader GetHeader(const uint8_t* in)
{
    WireReader r(in, HEADER_SIZE);
    MsgHeader h;
    h.id = r.U16();
    h.status = r.U16();
    h.length = r.U32();
    return h;
}

void DigestField(const char* text, uint8_t digest[16])
{
    uint8_t field[16] = {};
    if (text)
        std::memcpy(field, text, strnlen(text, sizeof field));
    MD4Digest(field, sizeof field, digest);
}

uint32_t MarshalRequest(const tagOnLineMsgType& msg, uint8_t* out)
{
    uint32_t at = HEADER_SIZE;
    const auto& p = msg.parm;
    switch (msg.wMsgId) {
    case MSG_VERSION:
    case MSG_CHANNEL_INFO:
        PutDigestPair(out, &at, p.user.szUserName, p.user.szPassword);
        break;
    case MSG_START_SERVICE:
        // The texts may fill their fields without a terminator.
        {
            char user[17] = {}, password[17] = {};
            std::memcpy(user, p.service.szUserName, 16);
            std::memcpy(password, p.service.szPassword, 16);
            PutDigestPair(out, &at, user, password);
        }
        PutParameters(out, &at, p.service);
        break;
    case MSG_CHANGE_SERVICE:
        PutParameters(out, &at, p.change);
        break;
    case MSG_STOP_SERVICE:
    case MSG_INSTALL_INFO:
        break;
    case MSG_OUTPUT_CONTROL:
    case MSG_PTZ_INFO:
        NetPutU32(out, &at, p.dwValue);
        break;
    case MSG_FRAME_ACK:
        NetPutU16(out, &at, p.wValue);
        break;
    default:
        return 0;
    }
    PutHeader(out, msg.wMsgId, 0, at - HEADER_SIZE);
    return at;
}

uint32_t MarshalPasswordRequest(const tagReqPasswordParm& parm, uint8_t* out)
{
    uint32_t at = HEADER_SIZE;
    char user[17] = {}, old[17] = {};
    std::memcpy(user, parm.szUserName, 16);
    std::memcpy(old, parm.szOldPassword, 16);
    PutDigestPair(out, &at, user, old);
    uint8_t scrambled[16];
    std::memcpy(scrambled, parm.szNewPassword, 16);
    ScramblePassword(scrambled);
    NetPutBytes(out, &at, scrambled, 16);
    PutHeader(out, MSG_CHANGE_PASSWORD, 0, at - HEADER_SIZE);
    return at;
}

bool FrameSize(BYTE kind, bool ntsc, WORD* width, WORD* height)
{
    static constexpr WORD kWidth[] = { 92, 180, 360, 720, 720 };
    static constexpr WORD kPal[] = { 72, 144, 288, 288, 576 };
    static constexpr WORD kNtsc[] = { 60, 121, 243, 243, 486 };
    if (kind > 4)
        return false;
    *width = kWidth[kind];
    *height = ntsc ? kNtsc[kind] : kPal[kind];
    return true;
}

bool ParseFrame(const uint8_t* body, uint32_t length, tagONLINEFRAME* slot)
{
    if (length < kFrameInfoEnd)
        return false;
    WireReader r(body, length);
    const uint32_t infoLength = r.U16();
    r.Skip(4);
    const BYTE info0 = r.U8();
    const BYTE kind = r.U8();
    r.Skip(2);
    const BYTE info16 = r.U8();
    r.Skip(2);
    const BYTE info17 = r.U8();
    const DWORD info20 = r.U32();
    r.Skip(8);
    const uint32_t payloadLength = r.U32();
    r.Skip(2);
    const WORD info36 = r.U16();
    // The payload follows the information its length announces, or the
    // fields read, whichever ends later.
    const uint32_t payloadStart = std::max<uint32_t>(2 + infoLength, kFrameInfoEnd);
    if (payloadLength > FRAME_PAYLOAD_ROOM || payloadStart > length || payloadLength > length - payloadStart)
        return false;
    slot->byInfo0 = info0;
    slot->byKind = kind;
    slot->byInfo16 = info16;
    slot->byInfo17 = info17;
    slot->dwInfo20 = info20;
    slot->dwPayloadLength = payloadLength;
    slot->wInfo36 = info36;
    std::memcpy(slot->byPayload, body + payloadStart, payloadLength);
    // The flag word: little-endian at payload bytes 12-15, as stored.
    DWORD flags = 0;
    for (uint32_t i = 0; i < 4 && 12 + i < payloadLength; ++i)
        flags |= DWORD(slot->byPayload[12 + i]) << (8 * i);
    const bool ntsc = (flags & (1u << 19)) == 0;
    slot->nNtsc = ntsc ? 1 : 0;
    slot->nRotated = ((flags >> 24) & 3) == 2 ? 1 : 0;
    FrameSize(kind, ntsc, &slot->wWidth, &slot->wHeight);
    return true;
}

void ParseVersion(const uint8_t* body, uint32_t length, tagONLINEVERSION2* version)
{
    WireReader r(body, length);
    r.Bytes(version->szText2, sizeof version->szText2);
    r.Bytes(version->szText1, sizeof version->szText1);
}

tagPTZINFO* ParsePtzInfo(const uint8_t* body, uint32_t length)
{
    constexpr size_t kEntry1 = 28, kEntry2 = 32;
    WireReader r(body, length);
    const uint32_t count1 = r.U32();
    if (r.Short() || count1 > r.RecordsLeft(kEntry1))
        return nullptr;
    auto* info = new tagPTZINFO {};
    info->nCount1 = int(count1);
    if (count1) {
        info->pList1 = new tagPTZINFOENTRY1[count1] {};
        for (uint32_t i = 0; i < count1; ++i) {
            info->pList1[i].dwValue = r.U32();
            r.Bytes(info->pList1[i].szName, sizeof info->pList1[i].szName);
        }
    }
    const uint32_t count2 = r.U32();
    if (r.Short() || count2 > r.RecordsLeft(kEntry2)) {
        FreePtzInfo(info);
        return nullptr;
    }
    info->nCount2 = int(count2);
    if (count2) {
        info->pList2 = new tagPTZINFOENTRY2[count2] {};
        for (uint32_t i = 0; i < count2; ++i) {
            info->pList2[i].dwValue1 = r.U32();
            info->pList2[i].dwValue2 = r.U32();
            r.Bytes(info->pList2[i].szName, sizeof info->pList2[i].szName);
        }
    }
    return info;
}

void FreePtzInfo(tagPTZINFO* info)
{
    if (!info)
        return;
    delete[] info->pList1;
    delete[] info->pList2;
    delete info;
}

} // namespace plinto
