// A short-lived TCP client of the explorers that asks a device for its
// ports: one request and one reply per connection, on the calling thread.
// Exported beside the discovery socket, so that a host can ask a device
// it found for its ports as the explorers do.
#pragma once

#include "explorer/DeviceMessage.h"
#include "morrikExport.h"
#include "platform/base/String.h"
#include "platform/msg/AsyncSocket.h"

#include <ctime>

namespace morrik
{

class MORRIK_EXPORT CPortQuerySocket : public CSocket
{
public:
    CPortQuerySocket();
    ~CPortQuerySocket() override;

    // 0x0A03: the reply's flag and port in dwValue1 and dwValue2.
    BOOL QueryExtraPort(
        DEVICE_REPLY* pReply, UINT nPort, LPCTSTR lpszAddress, const char* pUser, const char* pPassword);
    // 0x0A01: the reply's first and second value in dwValue1 and dwValue2.
    BOOL QueryPortPair(
        DEVICE_REPLY* pReply, UINT nPort, LPCTSTR lpszAddress, const char* pUser, const char* pPassword);

    // Ends a blocking call that has run 300 rounds or more than 3 seconds.
    BOOL OnMessagePending() override;

    CString m_strScratch;
    BOOL m_bFirstChunk;
    int m_nCalls;
    time_t m_tStart;
    int m_nCallLimit;
    int m_nSecondsLimit;

private:
    BOOL Query(uint16_t code, DEVICE_REPLY* pReply, UINT nPort, LPCTSTR lpszAddress, const char* pUser,
        const char* pPassword);
    BOOL SendAll(const uint8_t* data, int size);
    // The whole reply into buffer[capacity]; its size, or 0 after a failure.
    int ReceiveReply(uint8_t* buffer, int capacity);
};

} // namespace morrik
