// The discovery socket of one network adapter: broadcasts and unicasts the
// discovery request and the address-change request to UDP port 8404, and
// hands every discovery reply that passes its filters to its owner.
#pragma once

#include "link/DiscoveryRecord.h"
#include "platform/msg/AsyncSocket.h"

// What the socket calls on its owner (the device-selection view).
class CDiscoveryOwner
{
public:
    virtual ~CDiscoveryOwner() = default;
    // One accepted discovery reply; the record lives for the call only.
    virtual void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) = 0;
    // A device took the address change.
    virtual void SetChangedIp() = 0;
    // True while an address-change request is out and unanswered: only
    // then are change replies acted on (anyone may send one).
    virtual BOOL IsIpChangePending() { return FALSE; }
};

class CMsgSocket : public CSocket
{
public:
    CMsgSocket();
    ~CMsgSocket() override;

    // After Create: allows broadcasts, aims them at 255.255.255.255 port
    // 8404 and keeps the owner.
    void Init(CDiscoveryOwner* pOwner);
    BOOL ReqDiscoveryMsg();
    BOOL ReqUniQuestMsg(LPCTSTR lpszAddress);
    // password: the 16-byte password field; mac: the device's MAC address;
    // dwNewAddress: first octet most significant.
    BOOL ReqChngIPAddrMsg(const BYTE* password, const BYTE* mac, DWORD dwNewAddress);

    void OnReceive(int nErrorCode) override;

    SOCKADDR_IN m_addrDest;
    CDiscoveryOwner* m_pOwner;

private:
    BOOL SendDiscovery(const SOCKADDR_IN& dest);
    BOOL SendRequest(ConfigRequest& request, const SOCKADDR_IN& dest);
};
