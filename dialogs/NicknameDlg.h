// Two texts of a device: its nickname and its location. The caller sets
// them before the dialog runs and reads them after OK.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CNicknameDlg : public CDialog
{
public:
    explicit CNicknameDlg(CWnd* pParent = nullptr);

    CString m_strLocation;
    CString m_strNickname;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
