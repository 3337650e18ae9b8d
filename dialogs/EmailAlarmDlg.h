// The connectivity page's alarm notification pane: e-mail on or off, the
// recipient, the SMTP server, how many images go with a mail, and the
// telephone dial-out.
#pragma once

#include "dialogs/PagePane.h"
#include "link/ConnectivityBlocks.h"

class CEmailAlarmDlg : public CPagePane
{
public:
    explicit CEmailAlarmDlg(CWnd* pParent = nullptr);

    // Takes the values; the controls show them at the pane's next refresh.
    void SetSettings(tagEmailNotify settings);
    // Shows the values last set.
    void Refresh();
    // Reads the controls into the record; true when any byte changed since
    // the last Set or Get.
    bool GetSettings(tagEmailNotify* pSettings);

    int m_bStatus = 0;
    CString m_strRecipient;
    CString m_strSmtp;
    int m_nImages = 0;
    int m_bPstn = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChanged() { NotifyPage(); }
    void OnImagesSpin(NMHDR* pNotify, LRESULT* pResult);

    tagEmailNotify m_Stored {};

    DECLARE_MESSAGE_MAP()
};
