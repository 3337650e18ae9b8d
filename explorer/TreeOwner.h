// What the device tree asks of the dialog that owns it. The explorer dialog
// and the camera explorer dialog implement it and hand themselves to their
// grids, so that the grid never needs to know which dialog holds it.
#pragma once

#include "morrikExport.h"
#include "platform/base/String.h"

namespace morrik
{

class CItemInfo;

class MORRIK_EXPORT CTreeOwner
{
public:
    virtual ~CTreeOwner() = default;

    // Asks the registration server at `server` for the devices of group
    // `name` (an empty text: not given), narrowed to a serial `text` and a
    // MAC text "xx:xx:xx:xx:xx:xx" when given. The records come back later
    // through the owner's RetYemMsg.
    virtual bool ReqFindMsg(
        const CString& server, const CString& name, const CString& text, const CString& mac)
        = 0;
    // The whole list of one group.
    virtual bool ReqListMsg(const CString& server, const CString& name) = 0;
    // A discovery probe to one dotted address; the reply comes back through
    // the owner's ResDiscoverProc.
    virtual bool ReqUniQuestMsg(const CString& address) = 0;
    // The user chose a device by double click: connect to it and close.
    virtual void GetConnectCamAndCloseDlg(CItemInfo* item) = 0;
    // Whether channel rows may be renamed (the host switches it).
    virtual bool IsRenameEnabled() const = 0;
};

} // namespace morrik
