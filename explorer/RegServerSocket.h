// The explorer's registration-server datagram socket: accepts the record
// replies of a registration server (a header, then its records, in any
// split over datagrams, page after page) and posts each device to its
// owner dialog as a ZPT_NODE. It sends nothing itself. The receive state
// machine is the program's own registration-server socket's.
#pragma once

#include "explorer/ZptNode.h"
#include "link/RegServerSocket.h"

class CWndBase;

namespace morrik
{

class CRegServerSocket : public ::CRegServerSocket, private CRegServerRecordTarget
{
public:
    CRegServerSocket();
    ~CRegServerSocket() override;

    // After Create (datagram, port 0): keeps the owner, clears the pending
    // rounds and the page and receive state.
    void Attach(CWndBase* pOwner);

    CWndBase* m_pOwner = nullptr;

private:
    void OnRegServerRecord(::ZPT_NODE* pNode) override;
};

// The explorer's node of a record as the datagram path makes it: the
// program's node plus the address as a value (first octet most
// significant), the record's 32-bit word and the MAC text upper-cased.
void MakeDatagramNode(const ::ZPT_NODE& from, const RegServerRecord& record, ZPT_NODE* node);

} // namespace morrik
