// The address change of a device: CIpAddressDlg asks for the new address;
// CIpChangeWaitDlg shows a line while the device takes it.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CIpAddressDlg : public CDialog
{
public:
    explicit CIpAddressDlg(CWnd* pParent = nullptr);

    void SetValues(const CString& address, const CString& secondText);

    DWORD m_dwAddress = 0; // first octet in the most significant byte
    CString m_strAddress;
    CString m_strSecond;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
};

// The four dotted fields of an address text, each 0 to 255; false when a
// field is missing or out of range.
bool ParseDottedAddress(const char* text, DWORD* address);

class CIpChangeWaitDlg : public CDialog
{
public:
    explicit CIpChangeWaitDlg(CWnd* pParent = nullptr);

    void SetMessage(const CString& text);
    // Shows the text for one second, then ends the box.
    void SetMessageAndClose(const CString& text);

    CString m_strMessage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and Esc do nothing: only the creator ends the box.
    void OnOK() override { }
    void OnCancel() override { }
};
