// One queued request of the DVR stream clients and its marshalling into the
// wire message (8-byte header, big-endian body).
#pragma once

#include "stream/ferrock/FerrockTypes.h"

#include <cstdint>
#include <vector>

namespace ferrock
{

// Request ids of the live dialect.
enum : uint16_t {
    kReqVersion = 0x2001,
    kReqLogout = 0x2005,
    kReqChangePassword = 0x2007,
    kReqRelay = 0x2008,
    kReqContentList = 0x2012,
    kReqAddService = 0x2013,
    kReqModifyService = 0x2014,
    kReqDeleteService = 0x2015,
    kReqLogin = 0x2016,
    kReqKeepAlive = 0x2017,
    kReqChannelNames = 0x2018,
    kReqTimezone = 0x2019,
    kReqExtended = 0x201A,
    kReqAudioOut = 0x2203,
    kReqFrameAck = 0x2302,
    kFrameMessage = 0x2203,
    kFrameAckedMessage = 0x2202, // what a frame acknowledgement carries
};

// Request ids of the playback dialect.
enum : uint16_t {
    kPbLogin = 0x4001,
    kPbVersion = 0x4005,
    kPbChangePassword = 0x4006,
    kPbDelFiles = 0x4008,
    kPbLogout = 0x4009,
    kPbHddStatus = 0x400C,
    kPbContentList = 0x400D,
    kPbLog = 0x400E,
    kPbPlayCtrl = 0x4010,
    kPbRegionSize = 0x4011,
    kPbKeepAlive = 0x4012,
    kPbFuncPerms = 0x4014,
};

struct ServiceSlot {
    uint16_t wService = 0;
    uint16_t wParmLength = 0; // 12 when the slot carries its block
    tagServiceParm parm {};
};

struct DvrRequest {
    uint16_t wId = 0;
    UserInfoParm credentials {}; // the digested pair
    uint8_t newPassword[16] {}; // scrambled, for a password change
    uint32_t dwValue[2] {};
    uint32_t dwMode = 0; // of a service request
    std::vector<ServiceSlot> services;
    uint32_t dwCtrl[6] {}; // playback control fields
    uint32_t dwFrameWord[2] {}; // words 20 and 24 of an audio frame
    std::vector<uint8_t> data; // audio data or playback control data (rounded up)
};

// Sets up the byte-order helpers once for the library, whichever thread
// comes first.
void UseNetByteOrder();

// Copies the caller's service list into the request, one slot per entry.
void SetServiceMsg(DvrRequest& request, uint16_t wId, const tagReqServiceParm& parm);

// The wire message of a request; empty for an id the dialect does not
// marshal.
std::vector<uint8_t> MarshalLiveRequest(const DvrRequest& request);
std::vector<uint8_t> MarshalPlaybackRequest(const DvrRequest& request);

// The credentials as the DVR expects them: each text up to its terminator,
// at most 16 bytes, in a zeroed field.
void CopyCredentialField(char (&field)[16], const char* text);

} // namespace ferrock
