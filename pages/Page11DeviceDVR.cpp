#include "pages/Page11DeviceDVR.h"

#include "link/CameraBlocks.h"
#include "link/CurrentDevice.h"
#include "pages/common/WriteEach.h"
#include "platform/base/Services.h"

#include <algorithm>
#include <vector>

namespace
{

enum Column { COL_PORT, COL_DEVICE, COL_INTERFACE, COL_PARITY, COL_STOP, COL_DATA, COL_BAUD, COLUMN_COUNT };

const char* kInterfaces[] = { "RS-232", "RS-485", "RS-422" };
const char* kStopBits[] = { "1", "2" };
const char* kDataBits[] = { "7", "8" };
const UINT kParityNames[] = { IDS_NONE, IDS_PARITY_EVEN, IDS_PARITY_ODD };
const UINT kColumnHeads[] = { IDS_DEVICE_COLUMN, IDS_INTERFACE_COLUMN, IDS_PARITY_COLUMN, IDS_STOP_COLUMN,
    IDS_DATA_COLUMN, IDS_BAUD_COLUMN };
constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr int kNameColumnWidth = 110, kMaxGridWidth = 460, kScrollBar = 16;

CString ParityName(int parity)
{
    CString text;
    text.LoadString(kParityNames[parity]);
    return text;
}

// The index of `text` among `count` choices; a text none of them is counts
// as the first.
template <class Name> uint8_t IndexOf(const CString& text, int count, Name name)
{
    for (int i = 0; i < count; ++i) {
        if (text == name(i))
            return uint8_t(i);
    }
    return 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CPage11DeviceDVR, CConfigPage)
ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_DEVICE_GRID, OnGridBeginEdit)
END_MESSAGE_MAP()

CPage11DeviceDVR::CPage11DeviceDVR()
    : CConfigPage(IDD_PAGE11_DEVICE_DVR, SLOT_DeviceDVR)
{
    DeclareGroups(GROUP_COUNT);
    SetWriteAllGroups(TRUE);
}

CPage11DeviceDVR::~CPage11DeviceDVR() = default;

void CPage11DeviceDVR::ReleaseChildDialogs()
{
    m_pAudioDlg.reset();
    m_pTextDlg.reset();
}

BOOL CPage11DeviceDVR::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    if (CWnd* group = GetDlgItem(IDC_DEVICE_GROUP))
        group->MoveWindow(14, 5, 515, 458);
    if (CWnd* label = GetDlgItem(IDC_DEVICE_IO_LABEL))
        label->MoveWindow(29, 20, 400, 16);
    m_pAudioDlg = std::make_unique<CAudioDlg>(this);
    m_pAudioDlg->CreatePane(this);
    m_pAudioDlg->MoveWindow(29, 44, 488, 80);
    m_pTextDlg = std::make_unique<CTextInsertDlg>(this, 0);
    m_pTextDlg->Create(IDD_TEXT_INSERT, this);
    m_pTextDlg->MoveWindow(29, 125, 488, 162);

    m_Grid.Create(CRect(41, 312, 41 + 450, 312 + 130), this, IDC_DEVICE_GRID,
        WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
    m_Grid.SetColumnCount(COLUMN_COUNT);
    m_Grid.SetRowCount(1);
    m_Grid.SetFixedRowCount(1);
    m_Grid.SetFixedColumnCount(1);
    m_Grid.SetEditable(TRUE);
    for (int col = COL_DEVICE; col < COLUMN_COUNT; ++col) {
        CString head;
        head.LoadString(kColumnHeads[col - COL_DEVICE]);
        m_Grid.SetItemText(0, col, head);
        m_Grid.SetItemFormat(0, col, kCentred);
    }
    CString parity[3] = { ParityName(0), ParityName(1), ParityName(2) };
    const char* parityNames[] = { parity[0], parity[1], parity[2] };
    m_Grid.SetColumnOptions(COL_PARITY, parityNames, 3);
    m_Grid.SetColumnOptions(COL_STOP, kStopBits, 2);
    m_Grid.SetColumnOptions(COL_DATA, kDataBits, 2);
    std::vector<const char*> bauds(std::begin(kSerialBaudRates), std::end(kSerialBaudRates));
    m_Grid.SetColumnOptions(COL_BAUD, bauds.data(), int(bauds.size()));

    // Model class 4 has no text insertion here: the ports move up under the audio.
    const bool noText = g_nRecorderModel == 4;
    if (CWnd* serial = GetDlgItem(IDC_DEVICE_SERIAL_GROUP))
        serial->MoveWindow(30, noText ? 130 : 289, 470, 170);
    m_Grid.MoveWindow(41, noText ? 153 : 312, 450, 130);
    m_pAudioDlg->ShowWindow(SW_SHOW);
    m_pTextDlg->ShowWindow(noText ? SW_HIDE : SW_SHOW);
    return TRUE;
}

void CPage11DeviceDVR::ReadSettings()
{
    CString sensors, relays, line;
    sensors.LoadString(IDS_SENSOR_INPUT);
    relays.LoadString(IDS_RELAY_OUTPUT_CAPTION);
    line.Format("%s : %d , %s : 4", LPCTSTR(sensors), g_nRecorderModel < 2 ? 4 : 16, LPCTSTR(relays));
    SetDlgItemText(IDC_DEVICE_IO_LABEL, line);

    // Without the device lists nothing more is read.
    std::fill(std::begin(m_bPortRead), std::end(m_bPortRead), false);
    if (ReadSerialDeviceNames(m_ConfigSession, m_Reply, &m_Names) != SERIAL_NAMES_READ)
        return;
    m_nPorts = std::clamp(m_Names.portCount, 0, int(kMaxPorts));
    m_Grid.SetRowCount(m_nPorts + 1);
    const auto textDevices = m_Names.Table(SERIAL_KIND_TEXT);
    m_pTextDlg->FillDevices(int(textDevices.size()), textDevices.data());

    CFG_CAMERA_COUNTS counts {};
    if (ReadBlock(GET_CAMERA_COUNTS, &counts)) {
        const int channels = counts.analogue + counts.network;
        m_pAudioDlg->FillSyncChannels(channels);
        m_pTextDlg->FillSyncChannels(channels);
    }

    bool anyPort = false;
    for (int port = 0; port < m_nPorts; ++port) {
        m_bPortRead[port] = ReadSerialSettings(m_ConfigSession, m_Reply, uint8_t(port), &m_Ports[port]);
        anyPort = anyPort || m_bPortRead[port];
        ShowPort(port);
    }
    MarkGroupRead(GROUP_SERIAL, anyPort);
    SizeGrid();

    const BOOL audioRead = ReadRecorderAudio(m_ConfigSession, m_Reply, &m_Audio);
    MarkGroupRead(GROUP_AUDIO, audioRead);
    if (audioRead)
        m_pAudioDlg->SetAudio(m_Audio);

    const BOOL textRead = ReadTextSettings(m_ConfigSession, m_Reply, &m_Text);
    MarkGroupRead(GROUP_TEXT, textRead);
    if (textRead) {
        m_pTextDlg->SetTextSettings(m_Text);
        m_pTextDlg->UpdateHeaderControls();
    }
}

void CPage11DeviceDVR::ShowPort(int port)
{
    const int row = port + 1;
    CString name;
    if (g_nRecorderModel >= 2)
        name.Format("COM %d", port + 1);
    else
        name = port == 0 ? "RS-232" : port == 1 ? "RS-232(PTZ)" : "RS-422/485(PTZ)";
    m_Grid.SetItemText(row, COL_PORT, name);
    for (int col = COL_DEVICE; col < COLUMN_COUNT; ++col) {
        m_Grid.SetItemText(row, col, "");
        m_Grid.SetItemFormat(row, col, kCentred);
    }
    // A port the device did not give keeps only its name.
    if (!m_bPortRead[port])
        return;
    const tagSerialSetting& s = m_Ports[port];
    const int kind = DeviceKind(port);
    if (s.byDevice < m_Names.count[kind])
        m_Grid.SetItemText(row, COL_DEVICE, m_Names.names[kind][s.byDevice]);
    if (s.byInterface < 3)
        m_Grid.SetItemText(row, COL_INTERFACE, kInterfaces[s.byInterface]);
    if (s.byParity < 3)
        m_Grid.SetItemText(row, COL_PARITY, ParityName(s.byParity));
    if (s.byStopBits < 3)
        m_Grid.SetItemText(row, COL_STOP, s.byStopBits == 0 ? "1" : "2");
    m_Grid.SetItemText(row, COL_DATA, s.byDataBits == 2 ? "8" : "7");
    m_Grid.SetItemText(row, COL_BAUD, kSerialBaudRates[s.wBaudIndex < 8 ? s.wBaudIndex : 0]);
}

void CPage11DeviceDVR::SizeGrid()
{
    m_Grid.SetColumnWidth(COL_PORT, kNameColumnWidth);
    m_Grid.SetColumnWidth(COL_DEVICE, kNameColumnWidth);
    int width = 2, height = 2;
    for (int col = 0; col < m_Grid.GetColumnCount(); ++col)
        width += m_Grid.GetColumnWidth(col);
    for (int row = 0; row < m_Grid.GetRowCount(); ++row)
        height += m_Grid.GetRowHeight(row);
    if (width > kMaxGridWidth) {
        width = kMaxGridWidth;
        height += kScrollBar;
    }
    CRect place;
    m_Grid.GetWindowRect(&place);
    ScreenToClient(&place);
    m_Grid.MoveWindow(place.left, place.top, width, height);
    m_Grid.ResetScrollBars();
    if (CWnd* group = GetDlgItem(IDC_DEVICE_SERIAL_GROUP)) {
        CRect box;
        group->GetWindowRect(&box);
        ScreenToClient(&box);
        group->MoveWindow(box.left, box.top, box.Width(), height + 40);
    }
}

void CPage11DeviceDVR::OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* item = reinterpret_cast<const NM_GRIDVIEW*>(pNMHDR);
    *pResult = 0;
    const int row = item->iRow;
    if (item->iColumn == COL_PORT || row < 1 || row > m_nPorts)
        return;
    if (item->iColumn == COL_DEVICE) {
        auto names = m_Names.Table(DeviceKind(row - 1));
        m_Grid.SetColumnOptions(COL_DEVICE, names.data(), int(names.size()));
    } else if (item->iColumn == COL_INTERFACE) {
        // Which rows are the RS-232 ones depends on the model class.
        const bool rs232 = g_nRecorderModel >= 2 ? row == 1 || row == 3 : row == 1 || row == 2;
        if (rs232)
            m_Grid.SetColumnOptions(COL_INTERFACE, kInterfaces, 1);
        else
            m_Grid.SetColumnOptions(COL_INTERFACE, kInterfaces + 1, 2);
    }
    SetPageModified(TRUE);
}

tagSerialSetting CPage11DeviceDVR::PortFromGrid(int port) const
{
    const int row = port + 1;
    const int kind = DeviceKind(port);
    tagSerialSetting s {};
    s.byDevice = IndexOf(m_Grid.GetItemText(row, COL_DEVICE), m_Names.count[kind],
        [&](int i) { return m_Names.names[kind][i]; });
    s.byInterface = IndexOf(m_Grid.GetItemText(row, COL_INTERFACE), 3, [](int i) { return kInterfaces[i]; });
    s.byParity = IndexOf(m_Grid.GetItemText(row, COL_PARITY), 3, ParityName);
    s.byStopBits = m_Grid.GetItemText(row, COL_STOP) == "2" ? 2 : 0;
    // Read as 1 for seven bits and 2 for eight: written the same way.
    s.byDataBits
        = uint8_t(IndexOf(m_Grid.GetItemText(row, COL_DATA), 2, [](int i) { return kDataBits[i]; }) + 1);
    s.wBaudIndex = IndexOf(m_Grid.GetItemText(row, COL_BAUD), 8, [](int i) { return kSerialBaudRates[i]; });
    return s;
}

ConfigResult CPage11DeviceDVR::WriteGroup(int group)
{
    CWaitCursor wait;
    switch (group) {
    case GROUP_TEXT:
        m_pTextDlg->GetTextSettings(&m_Text);
        return WriteCheckedTextSettings(m_ConfigSession, m_Reply, m_Text);
    case GROUP_AUDIO:
        m_pAudioDlg->GetAudio(&m_Audio);
        return WriteRecorderAudio(m_ConfigSession, m_Reply, m_Audio);
    case GROUP_SERIAL:
        return WriteEach(m_nPorts, [this](int port) {
            // A port the device did not give is not written with made-up values.
            if (!m_bPortRead[port])
                return CONFIG_DONE;
            return WriteSerialSettings(m_ConfigSession, m_Reply, uint8_t(port), PortFromGrid(port));
        });
    default:
        return CONFIG_DONE;
    }
}
