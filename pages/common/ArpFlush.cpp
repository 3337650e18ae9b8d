#include "pages/common/ArpFlush.h"

#include "platform/base/Services.h"

bool FlushArpEntry(const char* oldAddress)
{
    if (Service<IProcessControl>().StartDetached("ip", { "neigh", "flush", oldAddress ? oldAddress : "" }))
        return true;
    AfxMessageBox("exec error");
    return false;
}
