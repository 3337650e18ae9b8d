#include "pages/Page10HddDvrSorvak.h"

#include "platform/ui/Controls.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/Resource.h"

#include <iterator>

namespace
{

constexpr int kLowestWarning = 5, kHighestWarning = 95, kWarningStep = 5;
const char* const kRecordingModes[] = { "Continuous", "Linear" };
const char* const kBlockPlaybackDays[]
    = { "Disable", "1", "2", "3", "4", "5", "6", "7", "14", "21", "28", "31" };

} // namespace

BEGIN_MESSAGE_MAP(CPage10HddDvrSorvak, CConfigPage)
ON_EN_CHANGE(IDC_DISK_FULL_WARNING, OnDiskChange)
ON_CBN_SELCHANGE(IDC_DISK_RECORDING_MODE, OnDiskChange)
ON_CBN_SELCHANGE(IDC_BLOCK_PLAYBACK, OnBlockPlaybackChange)
END_MESSAGE_MAP()

CPage10HddDvrSorvak::CPage10HddDvrSorvak()
    : CConfigPage(IDD_PAGE10_HDD_DVR_SORVAK, SLOT_HddDvrSorvak)
{
    DeclareGroups(GROUP_COUNT);
    SetWriteAllGroups(TRUE);
}

BOOL CPage10HddDvrSorvak::OnInitDialog()
{
    CConfigPage::OnInitDialog();
    if (auto* modes = static_cast<CComboBox*>(GetDlgItem(IDC_DISK_RECORDING_MODE)))
        for (const char* mode : kRecordingModes)
            modes->AddString(mode);
    if (auto* days = static_cast<CComboBox*>(GetDlgItem(IDC_BLOCK_PLAYBACK)))
        for (const char* day : kBlockPlaybackDays)
            days->AddString(day);
    if (auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_DISK_FULL_SPIN))) {
        spin->SetBuddy(GetDlgItem(IDC_DISK_FULL_WARNING));
        spin->SetRange32(kLowestWarning, kHighestWarning);
        UDACCEL step { 0, kWarningStep };
        spin->SetAccel(1, &step);
    }
    return TRUE;
}

void CPage10HddDvrSorvak::DoDataExchange(CDataExchange* pDX)
{
    CConfigPage::DoDataExchange(pDX);
    DDX_CBIndex(pDX, IDC_DISK_RECORDING_MODE, m_nRecordingMode);
    DDX_CBIndex(pDX, IDC_BLOCK_PLAYBACK, m_nBlockPlayback);
    DDX_Text(pDX, IDC_DISK_FULL_WARNING, m_nDiskFullWarning);
    // Out of range stops the apply: the level would travel as a negative code.
    // A disk group with no mode is never written, so its level is not checked.
    if (m_nRecordingMode >= 0)
        DDV_MinMaxInt(pDX, m_nDiskFullWarning, kLowestWarning, kHighestWarning);
}

void CPage10HddDvrSorvak::ReadSettings()
{
    CFG_BLOCK_PLAYBACK block {};
    if (ReadBlock(GET_BLOCK_PLAYBACK, &block)) {
        MarkGroupRead(GROUP_BLOCK_PLAYBACK, TRUE);
        m_nBlockPlayback = block.byIndex < std::size(kBlockPlaybackDays) ? block.byIndex : -1;
    }
    CFG_DISK_MANAGER disk {};
    if (ReadBlock(GET_DISK_MANAGER, &disk)) {
        MarkGroupRead(GROUP_DISK, TRUE);
        m_nRecordingMode = disk.byRecordingMode < std::size(kRecordingModes) ? disk.byRecordingMode : -1;
        m_nDiskFullWarning = (disk.byWarningLevel + 1) * kWarningStep;
    }
}

ConfigResult CPage10HddDvrSorvak::WriteGroup(int group)
{
    if (group == GROUP_BLOCK_PLAYBACK) {
        // With no choice the device keeps its value: nothing is sent.
        if (m_nBlockPlayback < 0)
            return CONFIG_DONE;
        return WriteBlock(SET_BLOCK_PLAYBACK, { BYTE(m_nBlockPlayback) });
    }
    if (m_nRecordingMode < 0)
        return CONFIG_DONE;
    return WriteBlock(
        SET_DISK_MANAGER, { BYTE(m_nRecordingMode), BYTE(m_nDiskFullWarning / kWarningStep - 1) });
}

void CPage10HddDvrSorvak::OnBlockPlaybackChange()
{
    MarkGroupChanged(GROUP_BLOCK_PLAYBACK);
}

void CPage10HddDvrSorvak::OnDiskChange()
{
    MarkGroupChanged(GROUP_DISK);
}
