// The recorder's "Device" page: how many sensor inputs and relay outputs it
// has, the serial ports (one grid row each: attached device, interface,
// parity, stop bits, data bits, baud rate), the audio and, below model
// class 4, the text insertion, all through the generic parameter request.
// Every group read is written back on Apply; a port, or a group, whose read
// failed is not.
#pragma once

#include "controls/GridCtrl.h"
#include "dialogs/AudioDlg.h"
#include "dialogs/SerialPortDlg.h"
#include "dialogs/TextInsertDlg.h"
#include "pages/ConfigPage.h"
#include "pages/common/ParameterRequest.h"

#include <memory>

class CPage11DeviceDVR : public CConfigPage
{
public:
    // Apply writes the text, then the audio, then the ports.
    enum Group { GROUP_TEXT, GROUP_AUDIO, GROUP_SERIAL, GROUP_COUNT };
    // The ports a recorder may announce; more are not shown.
    static constexpr int kMaxPorts = 5;

    CPage11DeviceDVR();
    ~CPage11DeviceDVR() override;

    BOOL OnInitDialog() override;
    void ReleaseChildDialogs() override;

    CAudioDlg* AudioPane() const { return m_pAudioDlg.get(); }
    CTextInsertDlg* TextPane() const { return m_pTextDlg.get(); }
    CGridCtrl& Grid() { return m_Grid; }
    int PortCount() const { return m_nPorts; }

protected:
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);

    void ShowPort(int port);
    tagSerialSetting PortFromGrid(int port) const;
    void SizeGrid();
    // The device names a port can take: the first port has its own list.
    int DeviceKind(int port) const { return port == 0 ? SERIAL_KIND_FIRST_PORT : SERIAL_KIND_LATER_PORTS; }

    CGridCtrl m_Grid;
    std::unique_ptr<CAudioDlg> m_pAudioDlg;
    std::unique_ptr<CTextInsertDlg> m_pTextDlg;
    SerialDeviceNames m_Names;
    int m_nPorts = 0;
    tagSerialSetting m_Ports[kMaxPorts] {};
    bool m_bPortRead[kMaxPorts] = {};
    tagAudioSetting m_Audio {};
    tagTextInsertSetting m_Text {};

    DECLARE_MESSAGE_MAP()
};
