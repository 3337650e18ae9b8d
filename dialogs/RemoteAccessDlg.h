// "Remote Setup" and "Remote Relay": two switches of a recorder's remote
// access as a pane for a DVR settings page; its page reads the boxes.
#pragma once

#include "dialogs/PagePane.h"

class CRemoteAccessDlg : public CPagePane
{
public:
    explicit CRemoteAccessDlg(CWnd* pParent = nullptr)
        : CPagePane(IDD_REMOTE_ACCESS, pParent)
    {
    }
};
