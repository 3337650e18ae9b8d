// The DVR's one-shot exchanges: a blocking connection that asks one thing
// (the content list, or the login, version and channel names) and closes.
// Replies are read into a bounded buffer; a longer one is refused.
#pragma once

#include "stream/ferrock/FerrockTypes.h"

#include <cstdint>
#include <vector>

namespace ferrock
{

// One stream content of the list.
struct tagContentEntry {
    uint16_t wInfo; // information word
    int nKind; // bits 10-15
    int nFlag; // bit 9
    uint8_t byLow; // low byte
    std::vector<uint8_t> data;
};

constexpr int kMaxChannelNames = 32;

// A content list as the DVR sends it (a value, the count, the contents,
// the 32 service words, mended); false when it does not fit its bytes.
struct tagContentList {
    uint16_t wValue = 0;
    std::vector<tagContentEntry> contents;
    uint32_t dwServices[32] = {};
};

// The caller's record of the two exchanges.
struct tagDVrInfo {
    int nPort = 0;
    UserInfoParm user {};
    char version1[32] = {};
    char version2[32] = {};
    tagContentList list;
    uint16_t wLoginValue = 0;
    uint16_t wLoginFlag = 0;
    int bExtendedClear = 0; // bit 13 of the extended reply clear
    int nChannelCount = 0;
    char channelNames[kMaxChannelNames][24] = {};
    int bNamesValid = 0;
};

// Results of the exchanges besides the DVR's status.
constexpr int kOneShotConnectFailed = -3;
constexpr int kOneShotSendFailed = -1;
constexpr int kOneShotReceiveFailed = -2;

// The longest reply an exchange takes.
constexpr uint32_t kOneShotReplyRoom = 0x10000;

// Connects within 5 s, then leaves the socket blocking with 5 s send and
// receive time-outs. The socket is 0 on failure.
FERROCK_EXPORT bool BlockConnect(intptr_t& sock, const char* host, int port);
FERROCK_EXPORT void BlockDisConnect(intptr_t& sock);
// Reads exactly n bytes; 0 when the peer closed or on an error.
FERROCK_EXPORT int SockBlockRead(intptr_t sock, uint8_t* buffer, int n);

FERROCK_EXPORT int GetContentList(const char* host, tagDVrInfo* pInfo);
FERROCK_EXPORT int GetChannelName(const char* host, tagDVrInfo* pInfo, int bWithVersion);

FERROCK_EXPORT bool ReadContentList(const uint8_t* body, size_t length, tagContentList* pList);

// The service words as some DVRs send them, and as they are meant.
FERROCK_EXPORT void CorrectServiceWords(uint32_t words[32]);

} // namespace ferrock
