// CAddDvrAutoDlg: adds a device picked from the list of devices that answer
// a broadcast of the dialog's own socket, reached over Ethernet or by
// dialling a phone number.
#pragma once

#include "link/DetectSocket.h"
#include "link/DiscoveryRecord.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ListCtrl.h"
#include "resources/setup/Resource.h"

constexpr int ACCESS_ETHERNET = 0;
constexpr int ACCESS_DIAL = 1;

class CAddDvrAutoDlg : public CDialog
{
public:
    explicit CAddDvrAutoDlg(CWnd* pParent = nullptr);
    ~CAddDvrAutoDlg() override;

    // What the caller reads after IDOK.
    RES_DISCOVER_OVEL m_record {};
    CString m_strAddress;
    CString m_strName;
    int m_nAccess = ACCESS_ETHERNET;
    CString m_strPhone;

    CListCtrl m_List;
    DiscoveredDevice* m_pSelected = nullptr; // a row's record

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAutoDetect();
    void OnEthernet();
    void OnDial();
    void OnClickList(NMHDR* pNMHDR, LRESULT* pResult);
    LRESULT OnDetectResult(WPARAM wParam, LPARAM lParam);
    void OnDestroy();

    // Frees every row's record and empties the list.
    void FreeRows();
    DiscoveredDevice* RowDevice(int row) const;
    // The address the user typed, not matching the selected row: the record
    // is built from it.
    void TakeTypedAddress();
    void FillRecordFrom(const DiscoveredDevice& device);

    CDetectSocket m_Socket;

    DECLARE_MESSAGE_MAP()
};
