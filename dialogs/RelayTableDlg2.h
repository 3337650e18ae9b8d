// CRelayTableDlg2: the relay time table of family 0's one relay output
#pragma once

#include "dialogs/RelayTimeTable.h"
#include "resources/setup/Resource.h"

class CRelayTableDlg2 : public CRelayTimeTable
{
public:
    enum { IDD = IDD_RELAY_TABLE2 };

    explicit CRelayTableDlg2(CWnd* pParent = nullptr);
};
