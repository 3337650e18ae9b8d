// The serial port pane of a recorder's connectivity page: the device
// attached to the port, its baud rate, parity, stop and data bits. The page
// hands it the device names and the port's record and asks it on Apply
// whether the record changed; every choice marks the page modified.
#pragma once

#include "dialogs/PagePane.h"
#include "platform/ui/Controls.h"
#include "resources/setup/Resource.h"

#include <cstdint>

// The baud rates a serial port runs at, by the index the devices keep.
inline const char* kSerialBaudRates[]
    = { "1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200" };

// One serial port's settings, as the pane takes and gives them.
struct tagSerialSetting {
    uint8_t byDevice; // index into the device names given to the pane
    uint8_t byPad; // carried through
    uint16_t wReserved; // carried through
    uint8_t byInterface; // carried through (0 RS-232, 1 RS-485, 2 RS-422)
    uint8_t byParity; // 0 none, 1 even, 2 odd
    uint8_t byStopBits; // 0 one stop bit, 2 two
    uint8_t byDataBits; // 1 seven bits, 2 eight
    uint16_t wBaudIndex; // 0..7: 1200 to 115200
};
static_assert(sizeof(tagSerialSetting) == 10);

class CSerialPortDlg : public CPagePane
{
public:
    static constexpr int kMaxNames = 50;
    static constexpr int kNameSize = 128;

    explicit CSerialPortDlg(CWnd* pParent = nullptr);

    // At most 50 names, each cut to 127 characters; the pane keeps copies.
    void SetDeviceNames(int count, const char* const names[]);
    void SetSerialSettings(tagSerialSetting setting);
    // The shown values into *pOut; TRUE when they differ from the record
    // last stored, which they then become.
    BOOL GetSerialSettings(tagSerialSetting* pOut);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSelChange();
    void ShowSettings();

    char m_szDeviceNames[kMaxNames][kNameSize] = {};
    CComboBox m_cbBaudRate;
    CComboBox m_cbDataBits;
    CComboBox m_cbStopBits;
    CComboBox m_cbDevice;
    int m_nParity = -1;
    int m_nDeviceCount = 0;
    tagSerialSetting m_Setting {};

    DECLARE_MESSAGE_MAP()
};
