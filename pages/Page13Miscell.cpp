#include "pages/Page13Miscell.h"

#include "link/CameraBlocks.h"
#include "link/DeviceGates.h"
#include "link/SystemBlocks.h"
#include "platform/ui/DataExchange.h"

namespace
{

constexpr uint8_t kNetworkCameraItem = 1;
constexpr uint8_t kNoVideoRecordingItem = 2;

// "No Video Recording" exists from this firmware on.
bool HasNoVideoRecording()
{
    return IsVersionAtLeast(1, 3, 3);
}

} // namespace

BEGIN_MESSAGE_MAP(CPage13Miscell, CConfigPage)
ON_BN_CLICKED(IDC_MISC_NETWORK_CAMERAS, OnNetworkCamerasClicked)
ON_BN_CLICKED(IDC_MISC_NO_VIDEO_RECORDING, OnNoVideoRecordingClicked)
END_MESSAGE_MAP()

CPage13Miscell::CPage13Miscell()
    : CConfigPage(IDD_PAGE13_MISCELL, SLOT_Miscell)
{
    DeclareGroups(GROUP_COUNT);
    // Every item read is written back on each apply.
    SetWriteAllGroups(TRUE);
}

void CPage13Miscell::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MISC_NETWORK_CAMERAS, m_bNetworkCameras);
    DDX_Check(pDX, IDC_MISC_NO_VIDEO_RECORDING, m_bNoVideoRecording);
}

BOOL CPage13Miscell::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    if (CWnd* networkCameras = GetDlgItem(IDC_MISC_NETWORK_CAMERAS))
        networkCameras->ShowWindow(SW_HIDE);
    if (CWnd* noVideo = GetDlgItem(IDC_MISC_NO_VIDEO_RECORDING))
        noVideo->MoveWindow(20, 10, 512, 20);
    CString apply;
    apply.LoadString(IDS_SCRAD_APPLY);
    SetDlgItemText(IDC_PAGE_APPLY, apply);
    return TRUE;
}

void CPage13Miscell::ReadSettings()
{
    m_bNetworkCameras = 0;
    m_bNoVideoRecording = 0;
    CFG_CAMERA_COUNTS counts;
    const BOOL countsRead = ReadBlock(GET_CAMERA_COUNTS, &counts);
    MarkGroupRead(GROUP_NETWORK_CAMERAS, countsRead);
    if (countsRead) {
        m_bNetworkChannels = counts.network != 0;
        m_bNetworkCameras = counts.networkSetup;
        GetDlgItem(IDC_MISC_NETWORK_CAMERAS)->EnableWindow(m_bNetworkChannels);
    }
    if (!HasNoVideoRecording())
        return;
    CFG_MISC_ITEM item;
    const BOOL itemRead = ReadBlock(GET_MISC_ITEM, &item, { kNoVideoRecordingItem });
    MarkGroupRead(GROUP_NO_VIDEO_RECORDING, itemRead);
    if (itemRead && item.count > 0)
        m_bNoVideoRecording = item.value;
}

void CPage13Miscell::OnNetworkCamerasClicked()
{
    MarkGroupChanged(GROUP_NETWORK_CAMERAS);
}

void CPage13Miscell::OnNoVideoRecordingClicked()
{
    MarkGroupChanged(GROUP_NO_VIDEO_RECORDING);
}

ConfigResult CPage13Miscell::WriteGroup(int group)
{
    if (group == GROUP_NETWORK_CAMERAS)
        return WriteBlock(SET_MISC_ITEM, { kNetworkCameraItem, 1, uint8_t(m_bNetworkCameras ? 1 : 0) });
    if (!HasNoVideoRecording())
        return CONFIG_DONE;
    return WriteBlock(SET_MISC_ITEM, { kNoVideoRecordingItem, 1, uint8_t(m_bNoVideoRecording ? 1 : 0) });
}
