// The module's dialog table, gathered once from the files of the owning
// classes (dialogs/), in the order of their ids.
#include "resources/setup/SetupResources.h"

#include "resources/setup/dialogs/DialogParts.h"

#include <algorithm>
#include <vector>

std::span<const DialogTemplate> SetupDialogs()
{
    static const std::vector<DialogTemplate> dialogs = [] {
        std::vector<DialogTemplate> all;
        for (auto templates : { kAboutDlgTemplates, kAddDvrDlgTemplates, kAddDvrAutoDlgTemplates,
                 kAddGroupIdDlgTemplates, kAddRegServerDlgTemplates, kDialUpProgressDlgTemplates,
                 kFirewallDlgTemplates, kHddFormatDlgTemplates, kIpAddressDlgTemplates, kLevelBarDlgTemplates,
                 kNewFolderDlgTemplates, kNormalPortDlgTemplates, kPage1CamInfoTemplates,
                 kPortAssignDlgTemplates, kQualityBoxDlg3Templates, kPage3NetworkTemplates,
                 // The user pages.
                 kPage4UserTemplates,
                 // The connectivity page and its panes.
                 kPage3NetworkSorvakDvrTemplates, kIpSettingsDlgTemplates, kXdslDlgTemplates,
                 kRegServerDlgTemplates, kPortsDlgTemplates, kPppDlgTemplates, kDialUpSetupDlgTemplates,
                 kEmailAlarmDlgTemplates,
                 // The screen adjustment pages and the quality boxes.
                 kPage6ScrAdTemplates, kQualityBoxDlgTemplates,
                 // The pages' panes and dialogs of the system group.
                 kSerialPortDlgTemplates, kPage9SecurityTemplates, kPage17LogTemplates,
                 kPage13MiscellTemplates, kLoginDlgTemplates, kTextInsertDlgTemplates,
                 kRelayDwellDlgTemplates, kBlockPlaybackDlgTemplates, kAlarmBuzzerDlgTemplates,
                 kLanguageDlgTemplates, kNicknameDlgTemplates, kAuxSetupDlgTemplates,
                 // The system pages, the reboot wait and the time panes.
                 kRebootWaitDlgTemplates, kDateTimeDlgTemplates, kNtpDlgTemplates, kNtpIpTypeDlgTemplates,
                 kTimeSyncDlgTemplates, kPage2SystemTemplates, kPage2System2Templates,
                 kPasswordInputDlgTemplates,
                 // The schedules.
                 kPage8ScheduleTemplates, kToolTipDlgTemplates, kCamScheduleDlgTemplates,
                 kPage8Schedule2Templates, kCamScheduleDlg2Templates, kRelayTableDlgTemplates,
                 kRelayTableDlg2Templates,
                 // The recorder's recording pages, their alarm outputs and the period panes.
                 kPage6ScheduleZoneTemplates, kPage12DioDVRTemplates, kPage12DoutRZ4250XTTemplates,
                 kPage8NormalRecTemplates, kPage8ScheduleDVRTemplates, kPage8AlarmRecTemplates,
                 kPage8ScheduleDvrSorvakTemplates, kPage6ProfilesTemplates, kSystemEventsDlgTemplates,
                 kRemoteAccessDlgTemplates, kPeriodPanesTemplates,
                 // The other brand's system page and the audio panes.
                 kPage2SystemSorvakDvrTemplates, kAudioGainDlgTemplates, kAudioDlgTemplates,
                 // The disk pages.
                 kPage10HddTemplates, kPage10HddDVRTemplates, kPage10HddDvrSorvakTemplates,
                 kPage11StreamServerTemplates, kContentDlgTemplates, kAccessListDlgTemplates,
                 kDeviceStatusDlgTemplates,
                 // The channel pages and the PTZ set-up dialog.
                 kPage5ChannelTemplates, kPtzSetupDlgTemplates, kPage5ChnlTemplates,
                 // The Home/Night/Outing schedules.
                 kPage8ScheduleFeldraTemplates, kChannelScheduleDlgTemplates, kRelayModeDlgTemplates,
                 // The recorder's camera page and its panes.
                 kPage5ChannelDVRTemplates, kCameraDlgTemplates, kIpCameraDlgTemplates,
                 // The motion detect dialog and the event page.
                 kMotionDetectDlgTemplates, kPage16EventTemplates,
                 // The PTZ page.
                 kPage15PtzTemplates,
                 // The recorder's alarm-source page, its panes and the device page.
                 kPage14DVRInputTemplates, kSensorDlgTemplates, kMotionSetupDlgTemplates,
                 kPage11DeviceDVRTemplates }) {
            all.insert(all.end(), templates.begin(), templates.end());
        }
        std::sort(all.begin(), all.end(),
            [](const DialogTemplate& a, const DialogTemplate& b) { return a.id < b.id; });
        return all;
    }();
    return dialogs;
}
