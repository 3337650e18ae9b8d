// The connectivity page's dial-in pane: the addresses of the recorder and
// of the client PC on a point-to-point link.
#pragma once

#include "dialogs/PagePane.h"
#include "link/ConnectivityBlocks.h"

class CPppDlg : public CPagePane
{
public:
    explicit CPppDlg(CWnd* pParent = nullptr);

    void SetPpp(tagPppSetting ppp);
    // True when any of the three words changed since the last Set or Get.
    bool GetPpp(tagPppSetting* pPpp);

protected:
    BOOL OnInitDialog() override;
    void Refresh();
    void OnChanged() { NotifyPage(); }
    void OnFieldChanged(UINT id, NMHDR* pNotify, LRESULT* pResult);

    tagPppSetting m_Stored {};

    DECLARE_MESSAGE_MAP()
};
