// CRelayTableDlg: the relay time table of the four relay outputs of family-3 cameras
#pragma once

#include "dialogs/RelayTimeTable.h"
#include "resources/setup/Resource.h"

class CRelayTableDlg : public CRelayTimeTable
{
public:
    enum { IDD = IDD_RELAY_TABLE };

    explicit CRelayTableDlg(CWnd* pParent = nullptr);
};
