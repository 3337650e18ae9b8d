// The connectivity page's xDSL pane: the account of the recorder's PPPoE
// link and the link's status as the recorder reports it.
#pragma once

#include "dialogs/PagePane.h"
#include "link/NetworkBlocks.h"

class CXdslDlg : public CPagePane
{
public:
    explicit CXdslDlg(CWnd* pParent = nullptr);

    void SetXdsl(CFG_XDSL_STATE xdsl);
    // Writes the record; true when the account changed since the last Set or Get.
    bool GetXdsl(CFG_XDSL_STATE* pXdsl);

    CString m_strUser;
    CString m_strPassword;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void Refresh();
    void OnChanged() { NotifyPage(); }

    CFG_XDSL_STATE m_Stored {};

    DECLARE_MESSAGE_MAP()
};

// The status line: "xDSL Server Status " and the device's text, two of
// whose texts read in the system's own words on a Japanese system.
CString XdslStatusLine(const char* status);
