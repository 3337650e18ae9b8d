// CPtzSetupDlg: the PTZ camera of one channel and the serial line that
// drives it (interface, baud rate, data bits, parity, stop bits, address).
// It edits the channel's tagPtzSetting that its caller hands in and hands it
// back on OK; it does not talk to the device. OK stays disabled until
// something is changed, and with model "None" the line cannot be edited.
#pragma once

#include "link/ChannelSettings.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CPtzSetupDlg : public CDialog
{
public:
    explicit CPtzSetupDlg(CWnd* pParent = nullptr);

    // The caller's inputs: the channel 1 to 4, the model list, whether a
    // serial device occupies the RS-232 line, and the setting.
    int m_nChannel = 1;
    PtzModelList m_Models;
    BYTE m_bSerialDeviceUsed = FALSE;
    tagPtzSetting m_PtzSetting {};
    int m_nAddress = 0;

    static const int kBaudRates[8];
    // A model's name as the channel pages show it, "None" for no model.
    static CString ModelName(const PtzModelList& models, int model);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnChanged();
    void OnModelChanged();
    void EnableLine(BOOL bEnable);
    CComboBox* Combo(int id);

    DECLARE_MESSAGE_MAP()
};
