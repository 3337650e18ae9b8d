// The datagram socket to a registration server (UDP port 6839): a blocking
// one-record query for a device's current address, and the paged device
// list of a login whose records go to a record target one by one.
#pragma once

#include "link/RegServerRecords.h"
#include "platform/msg/AsyncSocket.h"

constexpr UINT REGSERVER_UDP_PORT = 6839;
constexpr uint32_t REGSERVER_UDP_PROTOCOL = 0x05010000;
constexpr size_t REGSERVER_REQUEST_BODY_SIZE = 592;

// A header and the record that follows it (registration or query).
struct REGSERVER_MESSAGE {
    REGSERVER_MSG_HEADER header;
    RegServerRecord record;
};

// Writes the header and, by kind, its body (16: 580 bytes, 32: 592 bytes,
// others: none) at buf + *pos, scrambled with header.key, which travels in
// byte 13. Gives the bytes written (0 for another kind).
uint32_t EncodeRegServerMessage(uint8_t* buf, uint32_t* pos, const REGSERVER_MESSAGE& message);

// Receives the records of a listing (the device-selection view).
class CRegServerRecordTarget
{
public:
    virtual ~CRegServerRecordTarget() = default;
    // One device record; the node lives for the call only.
    virtual void OnRegServerRecord(ZPT_NODE* pNode) = 0;
};

class CRegServerSocket : public CSocket
{
public:
    CRegServerSocket();
    ~CRegServerSocket() override;

    void Reset(CRegServerRecordTarget* pTarget);
    void ResetFlags();
    void ResetReceive();
    void ResetAll();

    // Asks the server for the device with these keys and gives its address
    // text (24 bytes); false when there is none or no usable answer.
    BOOL Query(LPCTSTR lpszServer, const char* name68, const char* key32, const char* mac24, char* address24);
    // Asks for the next page of the login's device list.
    BOOL SendListRequest(LPCTSTR lpszServer, LPCTSTR lpszLoginName);

    void OnReceive(int nErrorCode) override;
    // Handles the m_nLastBytes bytes that a receive put at the fill
    // position: every unit they complete. Public for the fuzz target.
    void TakeReceived();
    BOOL OnMessagePending() override;

    CString m_strLoginName;
    CString m_strServerAddress;
    CString m_strFromAddress;
    BYTE m_bFirstPage;
    BYTE m_bMorePages;
    int m_nSequence;
    int m_nTotal;
    int m_nPageCount;
    int m_nRemaining;
    int m_nUnitLength; // 40 for a header, 580 for a record
    int m_nPhase; // 0 header, 1 record
    int m_nFillPos;
    int m_nLastBytes;
    int m_nRoom;
    BYTE m_buffer[670];
    BYTE m_byKey;
    int m_nPendingRounds;
    int m_nPageReceived;
    RegServerRecord m_record {}; // the record decoded last
    CRegServerRecordTarget* m_pTarget;

private:
    BOOL SendRequest(
        LPCTSTR lpszServer, uint32_t flags, uint32_t sequence, uint32_t count, const RegServerRecord& body);
    // Receives one datagram at the fill position; its size, or 0.
    int ReceiveDatagram();
    // Takes the complete unit at the buffer's start and moves the rest up.
    void ConsumeUnit(int nextUnit, int nextPhase);
    void OnHeader();
    void OnRecord();
};
