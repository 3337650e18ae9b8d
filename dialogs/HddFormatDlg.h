// CHddFormatDlg: the captionless notice the storage page shows while the
// device formats its disk; it ends itself three seconds after the last line.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CHddFormatDlg : public CDialog
{
public:
    explicit CHddFormatDlg(CWnd* pParent = nullptr);

    // The line shows at once, before the caller goes on blocking.
    void SetMessage(const CString& text);
    // Shows the last line for three seconds, then ends the notice with OK.
    void SetMessageAndClose(const CString& text);

    CString m_strMessage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Esc do nothing: the format decides when the notice ends.
    void OnOK() override { }
    void OnCancel() override { }
};
