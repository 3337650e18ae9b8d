#include "pages/Page14DVRInput.h"

#include "link/CameraBlocks.h"
#include "pages/common/ParameterRequest.h"
#include "pages/common/WriteEach.h"
#include "platform/base/Services.h"

#include <algorithm>

CPage14DVRInput::CPage14DVRInput()
    : CConfigPage(IDD_PAGE14_DVR_INPUT, SLOT_DVRInput)
{
    DeclareGroups(GROUP_COUNT);
    SetWriteAllGroups(TRUE);
}

CPage14DVRInput::~CPage14DVRInput() = default;

void CPage14DVRInput::ReleaseChildDialogs()
{
    m_pSensorDlg.reset();
    m_pMotionDlg.reset();
    m_pTextDlg.reset();
}

BOOL CPage14DVRInput::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    if (CWnd* group = GetDlgItem(IDC_INPUT_GROUP))
        group->MoveWindow(10, 5, 520, 458);
    m_pSensorDlg = std::make_unique<CSensorDlg>(this);
    m_pSensorDlg->CreatePane(this);
    m_pSensorDlg->MoveWindow(20, 15, 500, 107);
    m_pSensorDlg->ShowWindow(SW_SHOW);
    m_pMotionDlg = std::make_unique<CMotionSetupDlg>(this);
    m_pMotionDlg->CreatePane(this);
    m_pMotionDlg->MoveWindow(20, 127, 500, 165);
    m_pMotionDlg->ShowWindow(SW_SHOW);
    m_pTextDlg = std::make_unique<CTextInsertDlg>(this, 1);
    m_pTextDlg->Create(IDD_TEXT_INSERT, this);
    m_pTextDlg->MoveWindow(20, 292, 500, 165);
    m_pTextDlg->ShowWindow(SW_SHOW);
    return TRUE;
}

void CPage14DVRInput::ReadSettings()
{
    SetCapture();
    // The text devices' names, shown as the device sends them. Without a
    // list the page reads nothing more.
    SerialDeviceNames names;
    if (ReadSerialDeviceNames(m_ConfigSession, m_Reply, &names, true) != SERIAL_NAMES_READ) {
        ReleaseCapture();
        return;
    }
    const auto devices = names.Table(SERIAL_KIND_TEXT);
    m_pTextDlg->FillDevices(int(devices.size()), devices.data());

    const BOOL sensorsRead = ReadBlock(GET_SENSOR_TYPES, &m_Sensors);
    MarkGroupRead(GROUP_SENSORS, sensorsRead);
    if (sensorsRead)
        m_pSensorDlg->SetSensorTypes(m_Sensors.byType);

    // Without the camera count no motion entry is known, and none is
    // written over the device's.
    CFG_CAMERA_COUNTS counts {};
    const BOOL countsRead = ReadBlock(GET_CAMERA_COUNTS, &counts);
    std::fill(std::begin(m_bMotionRead), std::end(m_bMotionRead), false);
    MarkGroupRead(GROUP_MOTION, countsRead);
    if (countsRead) {
        m_nCameraCount = std::min<int>(counts.analogue, kCameras);
        m_pMotionDlg->FillCameras(m_nCameraCount);
        m_pTextDlg->FillSyncChannels(counts.analogue);
        std::fill(std::begin(m_Motion), std::end(m_Motion), tagMotionEntry {});
        for (int camera = 0; camera < m_nCameraCount; ++camera) {
            CFG_MOTION motion {};
            m_bMotionRead[camera] = ReadBlock(GET_MOTION, &motion, { uint8_t(camera) });
            if (m_bMotionRead[camera])
                m_Motion[camera] = motion.entry;
        }
        m_pMotionDlg->SetMotion(m_Motion);
    }

    const BOOL textRead = ReadTextSettings(m_ConfigSession, m_Reply, &m_Text);
    MarkGroupRead(GROUP_TEXT, textRead);
    if (textRead) {
        m_pTextDlg->SetTextSettings(m_Text);
        m_pTextDlg->UpdateHeaderControls();
    }
    ReleaseCapture();
}

ConfigResult CPage14DVRInput::WriteMotion()
{
    m_pMotionDlg->GetMotion(m_Motion);
    // All sixteen entries go, the empty ones of cameras the recorder lacks
    // too; a camera whose read failed keeps what the device has.
    return WriteEach(kCameras, [this](int camera) {
        if (camera < m_nCameraCount && !m_bMotionRead[camera])
            return CONFIG_DONE;
        return WriteBlock(SET_MOTION, { uint8_t(camera), m_Motion[camera] });
    });
}

ConfigResult CPage14DVRInput::WriteGroup(int group)
{
    CWaitCursor wait;
    switch (group) {
    case GROUP_SENSORS:
        m_pSensorDlg->GetSensorTypes(m_Sensors.byType);
        return WriteBlock(SET_SENSOR_TYPES, m_Sensors);
    case GROUP_MOTION:
        return WriteMotion();
    case GROUP_TEXT:
        m_pTextDlg->GetTextSettings(&m_Text);
        return WriteCheckedTextSettings(m_ConfigSession, m_Reply, m_Text);
    default:
        return CONFIG_DONE;
    }
}
