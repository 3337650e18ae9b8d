// The connectivity page's dial-out pane: the recorder's account, the
// address assigned to it, the number with its dial prefix, the idle time
// after which the line drops and the modem script of up to sixteen steps.
#pragma once

#include "controls/GridCtrl.h"
#include "dialogs/PagePane.h"
#include "link/ConnectivityBlocks.h"

class CDialUpSetupDlg : public CPagePane
{
public:
    explicit CDialUpSetupDlg(CWnd* pParent = nullptr);

    void SetDialUp(tagDialUpSetting setting);
    // True when any byte changed since the last Set or Get.
    bool GetDialUp(tagDialUpSetting* pSetting);

    // A step's text in the command column, and the kind of a text (0, "End",
    // for one that is none of them).
    static const char* StepText(int kind);
    static BYTE StepKind(const CString& text);

    CGridCtrl m_Grid;
    CString m_strUser;
    CString m_strPassword;
    CString m_strNumber;
    int m_nPrefix = -1; // 0 "None", else the digit + 1
    int m_nScript = -1;
    UINT m_nDisconnect = 0;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void Refresh();
    void OnChanged() { NotifyPage(); }
    void OnAddressChanged(NMHDR* pNotify, LRESULT* pResult);
    void OnDisconnectSpin(NMHDR* pNotify, LRESULT* pResult);
    void OnGridEdit(NMHDR* pNotify, LRESULT* pResult);

    tagDialUpSetting m_Stored {};

    DECLARE_MESSAGE_MAP()
};
