// CDvrEditDlg: the explorer's Add DVR / Edit DVR dialog. The caller fills
// the embedded item and sets the edit flag for an edit, and reads the item
// after IDOK.
#pragma once

#include "explorer/ItemInfo.h"
#include "explorer/MorrikResources.h"
#include "morrikExport.h"

#include <cstdint>

namespace morrik
{

class MORRIK_EXPORT CDvrEditDlg : public CMorrikDialog
{
public:
    explicit CDvrEditDlg(CWnd* pParent = nullptr);

    CItemInfo m_item; // the device added or edited
    bool m_bEdit = false;

    CString m_strName;
    CString m_strAddress; // dotted IPv4 or host name
    UINT m_nPort = 80;
    CString m_strPassword;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
};

// The address text of a device to its IPv4 value (first octet most
// significant); a host name is looked up first. False when the name cannot
// be resolved.
MORRIK_EXPORT bool ResolveDeviceAddress(const char* text, uint32_t* address);

} // namespace morrik
