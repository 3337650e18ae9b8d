// The devices an explorer is adding that have not answered yet: five
// buffers, each the row data of one device as the user entered it. A reply
// that matches a buffer adds the device at once; what never answers is
// added with only its address and port.
#pragma once

#include "explorer/ItemInfo.h"
#include "morrikExport.h"

#include <cstdint>

namespace morrik
{

constexpr int PENDING_ADD_COUNT = 5;

class MORRIK_EXPORT CPendingAdds
{
public:
    // A buffer is free while its IPv4 address and its whole MAC are 0 (a
    // MAC that only begins with 0 still marks a device in waiting).
    bool IsFree(int index) const;
    // Index of the first free buffer, -1 when all five wait.
    int FindEmptyNewItemBuf() const;
    bool AnyWaiting() const;
    // The buffer waiting for this MAC; else the one waiting at this IPv4
    // address and configuration port (8405 for port 0); -1 when none.
    int FindNewItemIndx(const uint8_t* mac, uint32_t ip, uint32_t port) const;
    // Keeps what the add needs of `item`: name, accounts, lookup flag and
    // server, address text, IPv4, MAC and ports, for tree `tree`.
    void Fill(int index, const CItemInfo& item, int tree);
    void Release(int index);
    void Clear();

    CItemInfo m_NewItem[PENDING_ADD_COUNT];
};

} // namespace morrik
