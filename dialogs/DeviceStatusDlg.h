// CDeviceStatusDlg: the logged-in device's status report as plain text,
// fetched again on "Refresh".
#pragma once

#include "link/ConfigSession.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/GdiObject.h"
#include "resources/setup/Resource.h"

class CDeviceStatusDlg : public CDialog
{
public:
    explicit CDeviceStatusDlg(CWnd* pParent = nullptr);
    ~CDeviceStatusDlg() override;

    CString m_strStatus;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnRefresh();
    DECLARE_MESSAGE_MAP()

private:
    CFont m_Font;
    ConfigReply m_Reply {};
    CConfigSession m_ConfigSession;
};
