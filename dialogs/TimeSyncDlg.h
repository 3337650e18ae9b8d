// CTimeSyncDlg: the time synchronisation pane of the other-brand recorder's
// system page: a network time server on or off, its address, and whether
// this recorder is a client or the master of the recorders around it.
#pragma once

#include "dialogs/TimePane.h"
#include "resources/setup/Resource.h"

class CTimeSyncDlg : public CTimePane
{
public:
    explicit CTimeSyncDlg(CWnd* pPage);

    void SetTimeSync(tagTimeSyncSetting setting);
    // The record for 0x030F; TRUE when it differs from the one last kept.
    bool GetTimeSync(tagTimeSyncSetting* setting);

    int m_bServer = 0;
    int m_nRole = -1; // 0 client, 1 master
    int m_nLocation = -1; // 0 public, 1 local network (kept hidden)
    UINT m_nInterval = 0; // minutes (kept hidden)

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnEdit() { ReportEdit(); }
    void OnListChange();

    DECLARE_MESSAGE_MAP()

private:
    tagTimeSyncSetting m_Kept {};
};
