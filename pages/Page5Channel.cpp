#include "pages/Page5Channel.h"

#include "dialogs/PtzSetupDlg.h"
#include "link/CurrentDevice.h"
#include "platform/ui/DataExchange.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>

namespace
{

const int kSensors[4] = { IDC_CHAN_SENSOR1, IDC_CHAN_SENSOR2, IDC_CHAN_SENSOR3, IDC_CHAN_SENSOR4 };
const int kRelays[4] = { IDC_CHAN_RELAY1, IDC_CHAN_RELAY2, IDC_CHAN_RELAY3, IDC_CHAN_RELAY4 };
const int kSerialControls[] = { IDC_CHAN_SERIAL_GROUP, IDC_CHAN_SERIAL_RS232, IDC_CHAN_SERIAL_RS485,
    IDC_CHAN_SERIAL_PORT, IDC_CHAN_SERIAL_USED, IDC_CHAN_SERIAL_PORT_LABEL, IDC_CHAN_SERIAL_RS232_LABEL,
    IDC_CHAN_SERIAL_RS485_LABEL };

// Every control of the page's template but its three buttons.
const int kControls[] = { IDC_CHAN_ENABLED_GROUP, IDC_CHAN_CH1_TYPE_GROUP, IDC_CHAN_SOURCE_NONE,
    IDC_CHAN_SOURCE_INTERNAL, IDC_CHAN_SOURCE_EXTERNAL, IDC_CHAN_ENABLE1, IDC_CHAN_ENABLE2, IDC_CHAN_ENABLE3,
    IDC_CHAN_ENABLE4, IDC_CHAN_CAMERA_GROUP, IDC_CHAN_ROW_LABEL1, IDC_CHAN_ROW_LABEL1 + 1,
    IDC_CHAN_ROW_LABEL1 + 2, IDC_CHAN_ROW_LABEL1 + 3, IDC_CHAN_TYPE_LABEL, IDC_CHAN_ROTATION_LABEL,
    IDC_CHAN_MONO_LABEL, IDC_CHAN_TYPE1, IDC_CHAN_TYPE2, IDC_CHAN_TYPE3, IDC_CHAN_TYPE4, IDC_CHAN_ROTATION1,
    IDC_CHAN_ROTATION2, IDC_CHAN_ROTATION3, IDC_CHAN_ROTATION4, IDC_CHAN_MONO1, IDC_CHAN_MONO2,
    IDC_CHAN_MONO3, IDC_CHAN_MONO4, IDC_CHAN_THRESHOLD_GROUP, IDC_CHAN_THRESHOLD1, IDC_CHAN_THRESHOLD2,
    IDC_CHAN_THRESHOLD3, IDC_CHAN_THRESHOLD4, IDC_CHAN_PTZ_GROUP, IDC_CHAN_MODEL_LABEL, IDC_CHAN_MODEL1,
    IDC_CHAN_MODEL2, IDC_CHAN_MODEL3, IDC_CHAN_MODEL4, IDC_CHAN_SETUP1, IDC_CHAN_SETUP2, IDC_CHAN_SETUP3,
    IDC_CHAN_SETUP4, IDC_CHAN_EXT_GROUP, IDC_CHAN_SENSOR_LABEL, IDC_CHAN_RELAY_LABEL, IDC_CHAN_SENSOR1,
    IDC_CHAN_SENSOR2, IDC_CHAN_SENSOR3, IDC_CHAN_SENSOR4, IDC_CHAN_RELAY1, IDC_CHAN_RELAY2, IDC_CHAN_RELAY3,
    IDC_CHAN_RELAY4 };

constexpr uint32_t kCameraFamily = 0;
constexpr uint32_t kStreamServerFamily = 2;
constexpr uint32_t kVideoServerFamily = 3;
constexpr int kNewestFirmware = 5;

ExtDeviceLayout LayoutOfFamily(uint32_t family)
{
    switch (family) {
    case kCameraFamily:
        return EXT_ONE_PER_BYTE;
    case kVideoServerFamily:
        return EXT_MASKS;
    default:
        return EXT_NONE;
    }
}

} // namespace

const CPage5Channel::RowIds CPage5Channel::kRowIds[4] = {
    { IDC_CHAN_ENABLE1, IDC_CHAN_TYPE1, IDC_CHAN_ROTATION1, IDC_CHAN_MONO1, IDC_CHAN_THRESHOLD1,
        IDC_CHAN_MODEL1, IDC_CHAN_SETUP1 },
    { IDC_CHAN_ENABLE2, IDC_CHAN_TYPE2, IDC_CHAN_ROTATION2, IDC_CHAN_MONO2, IDC_CHAN_THRESHOLD2,
        IDC_CHAN_MODEL2, IDC_CHAN_SETUP2 },
    { IDC_CHAN_ENABLE3, IDC_CHAN_TYPE3, IDC_CHAN_ROTATION3, IDC_CHAN_MONO3, IDC_CHAN_THRESHOLD3,
        IDC_CHAN_MODEL3, IDC_CHAN_SETUP3 },
    { IDC_CHAN_ENABLE4, IDC_CHAN_TYPE4, IDC_CHAN_ROTATION4, IDC_CHAN_MONO4, IDC_CHAN_THRESHOLD4,
        IDC_CHAN_MODEL4, IDC_CHAN_SETUP4 },
};

BEGIN_MESSAGE_MAP(CPage5Channel, CConfigPage)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CHAN_TYPE3, IDC_CHAN_TYPE4, OnRowEdited)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CHAN_TYPE1, IDC_CHAN_TYPE2, OnRowEdited)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_ROTATION2, IDC_CHAN_MONO4, OnRowEdited)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_ROTATION1, IDC_CHAN_ROTATION1, OnRowEdited)
ON_CONTROL_RANGE(EN_CHANGE, IDC_CHAN_THRESHOLD1, IDC_CHAN_THRESHOLD4, OnRowEdited)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_SOURCE_NONE, IDC_CHAN_SOURCE_NONE, OnSourceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_SOURCE_INTERNAL, IDC_CHAN_SOURCE_EXTERNAL, OnSourceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_ENABLE1, IDC_CHAN_ENABLE4, OnChannelClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_SETUP1, IDC_CHAN_SETUP4, OnSetupClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_SENSOR1, IDC_CHAN_RELAY1, OnExtDeviceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_SENSOR3, IDC_CHAN_SENSOR4, OnExtDeviceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_RELAY3, IDC_CHAN_RELAY2, OnExtDeviceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN2_SENSOR1, IDC_CHAN2_RELAY2, OnExtDeviceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN2_SENSOR2, IDC_CHAN2_SENSOR2, OnExtDeviceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN2_SENSOR3, IDC_CHAN2_SENSOR3, OnExtDeviceClicked)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN2_RELAY3, IDC_CHAN2_RELAY3, OnExtDeviceClicked)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CPage5Channel::CPage5Channel()
    : CPage5Channel(IDD_PAGE5_CHANNEL, SLOT_Channel, 4, kRowIds, LayoutOfFamily(g_CurrentDevice.dwFamily))
{
}

CPage5Channel::CPage5Channel(
    UINT nIDTemplate, SheetSlot slot, int rows, const RowIds* ids, ExtDeviceLayout layout)
    : CConfigPage(nIDTemplate, slot)
    , m_nRows(rows)
    , m_pRowIds(ids)
    , m_ExtLayout(layout)
{
    DeclareGroups(GROUP_COUNT);
    m_WhiteBrush.CreateSolidBrush(RGB(255, 255, 255));
    m_FaceBrush.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
}

CPage5Channel::~CPage5Channel() = default;

bool CPage5Channel::IsFamily(uint32_t family) const
{
    return g_CurrentDevice.dwFamily == family;
}

void CPage5Channel::SetConfigView(IConfigPageHost* pView)
{
    CConfigPage::SetConfigView(pView);
    CFG_CHANNEL_CONFIG block;
    if (ReadBlock(GET_CHANNEL_CONFIG, &block))
        CommittedChannels(block, m_bCommitted);
}

void CPage5Channel::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_CHAN_SOURCE_NONE, m_nCh1Source);
    for (int row = 0; row < m_nRows; ++row) {
        DDX_Text(pDX, m_pRowIds[row].threshold, m_nThreshold[row]);
        DDV_MinMaxInt(pDX, m_nThreshold[row], 0, 999);
    }
}

BOOL CPage5Channel::OnInitDialog()
{
    m_bFilling = TRUE;
    CConfigPage::OnInitDialog();
    for (int row = 0; row < m_nRows; ++row) {
        auto* type = static_cast<CComboBox*>(GetDlgItem(m_pRowIds[row].type));
        type->AddString("NTSC");
        type->AddString("PAL");
        type->SetCurSel(0);
        EnableRow(row, FALSE);
    }
    Layout();
    m_bFilling = FALSE;
    return TRUE;
}

void CPage5Channel::ExtDeviceChecks(const int** sensors, const int** relays, int* count) const
{
    *sensors = kSensors;
    *relays = kRelays;
    *count = IsFamily(kVideoServerFamily) ? 4 : IsFamily(kCameraFamily) ? 2 : 0;
}

void CPage5Channel::Layout()
{
    auto show = [this](int id, bool shown) {
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };
    auto place = [this](int id, int x, int y, int width, int height) {
        if (CWnd* control = GetDlgItem(id))
            control->MoveWindow(x, y, width, height);
    };
    for (int id : kSerialControls)
        show(id, false);

    if (IsFamily(kCameraFamily)) {
        // Two sensors and one relay output, captioned by name.
        show(IDC_CHAN_ENABLE1, false);
        show(IDC_CHAN_SENSOR_LABEL, false);
        show(IDC_CHAN_RELAY_LABEL, false);
        for (int id :
            { IDC_CHAN_SENSOR3, IDC_CHAN_SENSOR4, IDC_CHAN_RELAY2, IDC_CHAN_RELAY3, IDC_CHAN_RELAY4 })
            show(id, false);
        const UINT captions[3] = { IDS_SENSOR1_CAPTION, IDS_SENSOR2_CAPTION, IDS_RELAY_OUTPUT_CAPTION };
        const int ids[3] = { IDC_CHAN_SENSOR1, IDC_CHAN_SENSOR2, IDC_CHAN_RELAY1 };
        for (int i = 0; i < 3; ++i) {
            CString caption;
            caption.LoadString(captions[i]);
            SetDlgItemText(ids[i], caption);
            place(ids[i], 30 + 120 * i, 428, 110, 20);
        }
        return;
    }
    if (IsFamily(kStreamServerFamily)) {
        // Only channel 1's source, camera type and black-and-white mode.
        const int kept[] = { IDC_CHAN_ENABLED_GROUP, IDC_CHAN_SOURCE_INTERNAL, IDC_CHAN_SOURCE_EXTERNAL,
            IDC_CHAN_CAMERA_GROUP, IDC_CHAN_TYPE1, IDC_CHAN_MONO1, IDC_CHAN_TYPE_LABEL, IDC_CHAN_MONO_LABEL };
        for (int id : kControls) {
            if (std::find(std::begin(kept), std::end(kept), id) == std::end(kept))
                show(id, false);
        }
        place(IDC_CHAN_ENABLED_GROUP, 15, 15, 510, 50);
        place(IDC_CHAN_SOURCE_INTERNAL, 35, 35, 90, 20);
        place(IDC_CHAN_SOURCE_EXTERNAL, 135, 35, 90, 20);
        place(IDC_CHAN_CAMERA_GROUP, 15, 70, 510, 80);
        place(IDC_CHAN_TYPE_LABEL, 25, 95, 100, 13);
        place(IDC_CHAN_TYPE1, 135, 90, 70, 22);
        place(IDC_CHAN_MONO_LABEL, 25, 122, 100, 13);
        place(IDC_CHAN_MONO1, 160, 118, 20, 20);
        return;
    }
    if (!IsFamily(kVideoServerFamily))
        return;
    // The video server: "Channel 1" beside the other three, the groups 40
    // pixels higher, four sensors and four relay outputs.
    for (int id :
        { IDC_CHAN_CH1_TYPE_GROUP, IDC_CHAN_SOURCE_NONE, IDC_CHAN_SOURCE_INTERNAL, IDC_CHAN_SOURCE_EXTERNAL })
        show(id, false);
    place(IDC_CHAN_ENABLED_GROUP, 15, 15, 510, 50);
    place(IDC_CHAN_ENABLE1, 135, 35, 90, 20);
    for (int c = 1; c < 4; ++c)
        place(m_pRowIds[c].enable, 135 + 100 * c, 35, 90, 20);
    for (int id : kControls) {
        CWnd* child = GetDlgItem(id);
        if (!child)
            continue;
        CRect rect;
        child->GetWindowRect(&rect);
        ScreenToClient(&rect);
        if (rect.top >= 110 && rect.top < 410)
            child->MoveWindow(rect.left, rect.top - 40, rect.Width(), rect.Height());
    }
    place(IDC_CHAN_EXT_GROUP, 15, 370, 510, 85);
    place(IDC_CHAN_SENSOR_LABEL, 25, 392, 100, 13);
    place(IDC_CHAN_RELAY_LABEL, 25, 422, 100, 13);
    for (int i = 0; i < 4; ++i) {
        place(kSensors[i], 135 + 95 * i, 388, 60, 20);
        place(kRelays[i], 135 + 95 * i, 418, 60, 20);
    }
    const bool newest = m_pConfigView && m_pConfigView->FirmwareKind() == kNewestFirmware;
    if (newest) {
        for (int id : { IDC_CHAN_EXT_GROUP, IDC_CHAN_SENSOR_LABEL, IDC_CHAN_RELAY_LABEL })
            show(id, false);
        for (int i = 0; i < 4; ++i) {
            show(kSensors[i], false);
            show(kRelays[i], false);
        }
    }
}

// Reading.

BOOL CPage5Channel::OnSetActive()
{
    // Filling the controls is not an edit.
    m_bFilling = TRUE;
    const BOOL active = CConfigPage::OnSetActive();
    m_bFilling = FALSE;
    return active;
}

int CPage5Channel::Ch1Entry() const
{
    return m_bCh1Internal && !IsFamily(kVideoServerFamily) ? 0 : 1;
}

void CPage5Channel::ShowEntry(int row, const CFG_CHANNEL_ENTRY& entry, const tagPtzSetting& ptz)
{
    const RowIds& ids = m_pRowIds[row];
    static_cast<CComboBox*>(GetDlgItem(ids.type))->SetCurSel((entry.byFlags & CHANNEL_PAL) ? 1 : 0);
    CheckDlgButton(ids.rotation, (entry.byFlags & CHANNEL_ROTATED) != 0);
    CheckDlgButton(ids.monochrome, (entry.byFlags & CHANNEL_MONOCHROME) != 0);
    m_nThreshold[row] = MotionThreshold(entry);
    SetDlgItemText(ids.model, CPtzSetupDlg::ModelName(m_Models, ptz.nModel));
}

void CPage5Channel::ReadSettings()
{
    const int* sensors = nullptr;
    const int* relays = nullptr;
    int count = 0;
    ExtDeviceChecks(&sensors, &relays, &count);
    CFG_EXT_DEVICE ext;
    if (count > 0 && ReadBlock(GET_EXT_DEVICE, &ext)) {
        const ExtDevices devices = DecodeExtDevices(ext, m_ExtLayout);
        // Family 0 keeps one relay output.
        const int relayCount = m_ExtLayout == EXT_ONE_PER_BYTE ? 1 : count;
        for (int i = 0; i < count; ++i)
            CheckDlgButton(sensors[i], devices.sensor[i]);
        for (int i = 0; i < relayCount; ++i)
            CheckDlgButton(relays[i], devices.relay[i]);
        MarkGroupRead(GROUP_EXT_DEVICE, TRUE);
    }
    ReadChannelBlock();
}

void CPage5Channel::ReadChannelBlock()
{
    CFG_CHANNEL_CONFIG block;
    m_bChannelRead = ReadBlock(GET_CHANNEL_CONFIG, &block);
    if (!m_bChannelRead)
        return;
    MarkGroupRead(GROUP_CHANNEL, TRUE);
    TakeChannelBlock(block, &m_Models, m_Entries, m_PtzSettings);
    auto on = [&](int entry) { return (block.entries[entry].byFlags & CHANNEL_ENABLED) != 0; };
    m_bCh1Internal = FALSE;
    bool ch1 = true;
    if (on(0) && !IsFamily(kVideoServerFamily)) {
        m_nCh1Source = SOURCE_INTERNAL;
        m_bCh1Internal = TRUE;
    } else if (on(1)) {
        m_nCh1Source = SOURCE_EXTERNAL;
    } else {
        m_nCh1Source = SOURCE_NONE;
        ch1 = false;
    }
    CheckDlgButton(m_pRowIds[0].enable, ch1);
    EnableRow(0, ch1);
    if (ch1) {
        ShowEntry(0, block.entries[Ch1Entry()], m_PtzSettings[Ch1Entry()]);
    } else {
        m_nThreshold[0] = 0;
        SetDlgItemText(m_pRowIds[0].model, CPtzSetupDlg::ModelName(m_Models, 0));
    }
    for (int row = 1; row < m_nRows; ++row) {
        CheckDlgButton(m_pRowIds[row].enable, on(row + 1));
        EnableRow(row, on(row + 1));
        ShowEntry(row, block.entries[row + 1], m_PtzSettings[row + 1]);
    }
    std::copy(std::begin(m_bCommitted), std::end(m_bCommitted), m_bEdited);
}

// Editing.

int CPage5Channel::RowOf(UINT nID) const
{
    for (int row = 0; row < m_nRows; ++row) {
        const RowIds& ids = m_pRowIds[row];
        for (int id :
            { ids.enable, ids.type, ids.rotation, ids.monochrome, ids.threshold, ids.model, ids.setup })
            if (int(nID) == id)
                return row;
    }
    return -1;
}

void CPage5Channel::Changed(int group)
{
    if (!m_bFilling)
        MarkGroupChanged(group);
}

uint8_t CPage5Channel::RowFlags(int row)
{
    const RowIds& ids = m_pRowIds[row];
    uint8_t flags = 0;
    if (static_cast<CComboBox*>(GetDlgItem(ids.type))->GetCurSel() == 1)
        flags |= CHANNEL_PAL;
    if (IsDlgButtonChecked(ids.rotation))
        flags |= CHANNEL_ROTATED;
    if (IsDlgButtonChecked(ids.monochrome))
        flags |= CHANNEL_MONOCHROME;
    return flags;
}

// Row 1's controls into the edited copy of channel 1's internal (0) or
// external (1) entry.
void CPage5Channel::StoreRow1(int entry, bool enabled)
{
    m_Entries[entry].byFlags = uint8_t(RowFlags(0) | (enabled ? CHANNEL_ENABLED : 0));
    m_Entries[entry].wMotion = uint16_t(m_nThreshold[0]);
}

void CPage5Channel::OnRowEdited(UINT nID)
{
    if (m_bFilling)
        return;
    Changed(GROUP_CHANNEL);
    if (RowOf(nID) != 0 || IsFamily(kVideoServerFamily))
        return;
    if (!UpdateData(TRUE))
        return;
    if (m_nCh1Source == SOURCE_INTERNAL || m_nCh1Source == SOURCE_EXTERNAL)
        StoreRow1(m_nCh1Source == SOURCE_INTERNAL ? 0 : 1, true);
}

void CPage5Channel::OnSourceClicked(UINT)
{
    const int previous = m_nCh1Source;
    if (!UpdateData(TRUE))
        return;
    if (previous == SOURCE_INTERNAL || previous == SOURCE_EXTERNAL)
        StoreRow1(previous == SOURCE_INTERNAL ? 0 : 1, false);
    m_bFilling = TRUE;
    if (m_nCh1Source == SOURCE_NONE) {
        m_bCh1Internal = FALSE;
        m_bEdited[0] = m_bEdited[1] = FALSE;
        CheckDlgButton(m_pRowIds[0].enable, FALSE);
        EnableRow(0, FALSE);
        m_nThreshold[0] = 0;
        SetDlgItemText(m_pRowIds[0].model, CPtzSetupDlg::ModelName(m_Models, 0));
    } else {
        const int entry = m_nCh1Source == SOURCE_INTERNAL ? 0 : 1;
        m_bCh1Internal = entry == 0;
        m_bEdited[entry] = TRUE;
        m_bEdited[1 - entry] = FALSE;
        CheckDlgButton(m_pRowIds[0].enable, TRUE);
        m_Entries[entry].byFlags |= CHANNEL_ENABLED;
        ShowEntry(0, m_Entries[entry], m_PtzSettings[entry]);
        EnableRow(0, TRUE);
    }
    UpdateData(FALSE);
    m_bFilling = FALSE;
    Changed(GROUP_CHANNEL);
}

void CPage5Channel::OnChannelClicked(UINT nID)
{
    const int row = RowOf(nID);
    if (row < 0)
        return;
    const bool checked = IsDlgButtonChecked(nID) != 0;
    if (row == 0) {
        m_bCh1Internal = FALSE;
        m_bEdited[0] = FALSE;
        m_bEdited[1] = checked;
    } else {
        m_bEdited[row + 1] = checked;
    }
    EnableRow(row, checked);
    Changed(GROUP_CHANNEL);
}

void CPage5Channel::OnSetupClicked(UINT nID)
{
    const int row = RowOf(nID);
    if (row < 0)
        return;
    if (row == 0 && !UpdateData(TRUE))
        return;
    const int entry = row == 0 ? Ch1Entry() : row + 1;
    auto dialog = std::make_unique<CPtzSetupDlg>();
    dialog->m_Models = m_Models;
    dialog->m_nChannel = row + 1;
    // The page never uses the serial sensor device.
    dialog->m_bSerialDeviceUsed = FALSE;
    dialog->m_PtzSetting = m_PtzSettings[entry];
    if (dialog->DoModal() != IDOK)
        return;
    m_PtzSettings[entry] = dialog->m_PtzSetting;
    SetDlgItemText(m_pRowIds[row].model, CPtzSetupDlg::ModelName(m_Models, m_PtzSettings[entry].nModel));
    Changed(GROUP_CHANNEL);
}

void CPage5Channel::OnExtDeviceClicked(UINT)
{
    Changed(GROUP_EXT_DEVICE);
}

void CPage5Channel::EnableRow(int row, BOOL bEnable)
{
    const RowIds& ids = m_pRowIds[row];
    for (int id : { ids.type, ids.rotation, ids.monochrome, ids.threshold, ids.model, ids.setup })
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(bEnable);
}

HBRUSH CPage5Channel::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT)
{
    const int id = pWnd ? pWnd->GetDlgCtrlID() : 0;
    if (m_nRows < 4 || RowOf(UINT(id)) < 0 || id != m_pRowIds[RowOf(UINT(id))].model)
        return nullptr;
    CString text, none;
    pWnd->GetWindowText(text);
    none.LoadString(IDS_NONE);
    // A model in use stands out white; "None" looks like the page.
    if (text != none) {
        pDC->SetBkColor(RGB(255, 255, 255));
        return m_WhiteBrush;
    }
    pDC->SetBkColor(GetSysColor(COLOR_BTNFACE));
    return m_FaceBrush;
}

// Applying.

ConfigResult CPage5Channel::WriteGroup(int group)
{
    if (group == GROUP_EXT_DEVICE) {
        const int* sensors = nullptr;
        const int* relays = nullptr;
        int count = 0;
        ExtDeviceChecks(&sensors, &relays, &count);
        ExtDevices devices;
        for (int i = 0; i < count; ++i) {
            devices.sensor[i] = IsDlgButtonChecked(sensors[i]) != 0;
            devices.relay[i] = IsDlgButtonChecked(relays[i]) != 0;
        }
        // The newest camera firmware takes its sensors off and its relay on.
        if (IsFamily(kCameraFamily) && m_pConfigView && m_pConfigView->FirmwareKind() == kNewestFirmware) {
            devices = ExtDevices();
            devices.relay[0] = true;
        }
        // The result is not examined: the channel group follows regardless.
        const ConfigResult result = WriteBlock(SET_EXT_DEVICE, EncodeExtDevices(devices, m_ExtLayout));
        return result == CONFIG_NO_CONNECTION ? result : CONFIG_DONE;
    }
    // A block that was not read this time is not written: the edited copy
    // would hold nothing of the device.
    if (!m_bChannelRead)
        return CONFIG_DONE;
    CFG_CHANNEL_ENTRIES entries {};
    if (!IsFamily(kVideoServerFamily)) {
        for (int entry = 0; entry < 2; ++entry) {
            entries.entries[entry].byFlags = m_Entries[entry].byFlags;
            entries.entries[entry].wMotion = m_Entries[entry].wMotion;
            PackPtzSetting(m_PtzSettings[entry], &entries.entries[entry]);
        }
    } else {
        CFG_CHANNEL_ENTRY& entry = entries.entries[1];
        entry.byFlags
            = uint8_t(RowFlags(0) | (IsDlgButtonChecked(m_pRowIds[0].enable) ? CHANNEL_ENABLED : 0));
        entry.wMotion = uint16_t(m_nThreshold[0]);
        PackPtzSetting(m_PtzSettings[1], &entry);
    }
    for (int row = 1; row < m_nRows; ++row) {
        CFG_CHANNEL_ENTRY& entry = entries.entries[row + 1];
        const bool on = IsDlgButtonChecked(m_pRowIds[row].enable) != 0;
        if (on)
            m_bEdited[row + 1] = TRUE;
        entry.byFlags = uint8_t(RowFlags(row) | (on ? CHANNEL_ENABLED : 0));
        entry.wMotion = uint16_t(m_nThreshold[row]);
        PackPtzSetting(m_PtzSettings[row + 1], &entry);
    }
    const ConfigResult result = WriteBlock(SET_CHANNEL_CONFIG, entries);
    if (result == CONFIG_DONE)
        std::copy(std::begin(m_bEdited), std::end(m_bEdited), m_bCommitted);
    AfterChannelWrite();
    return result;
}
