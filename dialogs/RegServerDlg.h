// The connectivity page's registration pane: how often the recorder
// registers with its registration server, the server and the group ID.
#pragma once

#include "dialogs/PagePane.h"
#include "link/NetworkBlocks.h"

// A registration interval is 0 (off) or from this bound to the highest;
// the spins, the checks and their message use the same bound.
constexpr int kRegIntervalLowest = 60;
constexpr int kRegIntervalHighest = 99999;

// The interval after one step of a spin: below the bound going down is 0,
// between 1 and the bound going up is the bound, never above the highest.
int StepRegInterval(int interval, int step);

class CRegServerDlg : public CPagePane
{
public:
    explicit CRegServerDlg(CWnd* pParent = nullptr);

    void SetRegServer(CFG_IP_CONFIG settings);
    // False after refusing the interval (its message shown, nothing
    // written, *pChanged untouched); else writes the record and tells
    // whether it changed since the last Set or Get.
    bool GetRegServer(CFG_IP_CONFIG* pSettings, bool* pChanged);

    int m_nInterval = 0;
    CString m_strServer;
    CString m_strGroupId;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void EnableFields();
    void OnChanged() { NotifyPage(); }
    void OnIntervalTyped();
    void OnIntervalSpin(NMHDR* pNotify, LRESULT* pResult);

    CFG_IP_CONFIG m_Stored {};

    DECLARE_MESSAGE_MAP()
};
