// CToolTipDlg: the small hint window of the schedule charts, a borderless
// pop-up on a pale yellow ground that sizes itself to its one line of text.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/GdiObject.h"
#include "resources/setup/Resource.h"

class CToolTipDlg : public CDialog
{
public:
    enum { IDD = IDD_TOOLTIP };

    explicit CToolTipDlg(CWnd* pParent = nullptr);

    int m_nX = 0; // screen pixels
    int m_nY = 0;
    CString m_strText;

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_brush;
};
