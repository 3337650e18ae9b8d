// The explorer's discovery socket, one per local network adapter: it
// broadcasts and unicasts the discovery request to UDP port 8404, broadcasts
// the address change, and hands every discovery reply that passes its
// filters to its owner window as WM_RES_DISCOVER.
//
// A host may make its own: construct it, Create(0, SOCK_DGRAM, FD_READ,
// adapter address) it, Init it with the window that takes the replies, and
// call ReqDiscoveryMsg. Replies arrive on the thread that created it.
#pragma once

#include "explorer/DiscoverRecord.h"
#include "morrikExport.h"
#include "platform/msg/AsyncSocket.h"

class CWnd;

namespace morrik
{

struct DEVICE_REQUEST;

class MORRIK_EXPORT CMsgSocket : public CSocket
{
public:
    CMsgSocket();
    ~CMsgSocket() override;

    // After Create: allows broadcasts, keeps the owner and aims at
    // 255.255.255.255 port 8404.
    void Init(CWnd* pOwner);
    // 1 when the request went out; 0 when it did not (a send of no bytes
    // also closes the socket, so that later rounds on it fail quietly).
    int ReqDiscoveryMsg();
    // The same request to port 8404 of one dotted address; FALSE without a
    // send when the text is not one.
    BOOL ReqUniQuestMsg(const CString& strAddress);
    // Broadcasts the address change for the device with MAC mac[6]:
    // user "admin", the 16 password bytes as they are, the new address
    // (first octet most significant). Its replies are not read.
    int ReqChngIPAddrMsg(const BYTE* pPassword, const BYTE* pMac, UINT nNewAddress);

    void OnReceive(int nErrorCode) override;

    SOCKADDR_IN m_addrDest;
    CWnd* m_pOwner;

private:
    int SendMessageTo(const DEVICE_REQUEST& request, const SOCKADDR_IN& dest);
};

} // namespace morrik
