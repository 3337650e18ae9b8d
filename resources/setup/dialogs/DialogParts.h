// The module's dialog templates, one file per owning class: the styles they
// share, and each file's templates for the module's dialog table.
#pragma once

#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ResourceData.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "resources/setup/Resource.h"

#include <span>

constexpr uint32_t kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr uint32_t kChild = WS_CHILD | WS_VISIBLE;
constexpr uint32_t kEdit = kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr uint32_t kPortEdit = kEdit | ES_RIGHT;
constexpr uint32_t kOk = kChild | WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr uint32_t kButton = kChild | WS_TABSTOP;
// A settings page: a child with a caption, which the sheet shows on its tab.
constexpr uint32_t kPage = WS_CHILD | WS_CAPTION;
// A pane a page creates inside itself and shows or hides.
constexpr uint32_t kPane = WS_CHILD;

extern const std::span<const DialogTemplate> kAboutDlgTemplates;
extern const std::span<const DialogTemplate> kAddDvrDlgTemplates;
extern const std::span<const DialogTemplate> kAddDvrAutoDlgTemplates;
extern const std::span<const DialogTemplate> kAddGroupIdDlgTemplates;
extern const std::span<const DialogTemplate> kAddRegServerDlgTemplates;
extern const std::span<const DialogTemplate> kDialUpProgressDlgTemplates;
extern const std::span<const DialogTemplate> kFirewallDlgTemplates;
extern const std::span<const DialogTemplate> kHddFormatDlgTemplates;
extern const std::span<const DialogTemplate> kIpAddressDlgTemplates;
extern const std::span<const DialogTemplate> kLevelBarDlgTemplates;
extern const std::span<const DialogTemplate> kNewFolderDlgTemplates;
extern const std::span<const DialogTemplate> kNormalPortDlgTemplates;
extern const std::span<const DialogTemplate> kPage1CamInfoTemplates;
extern const std::span<const DialogTemplate> kPage4UserTemplates;
extern const std::span<const DialogTemplate> kPage5ChannelTemplates;
extern const std::span<const DialogTemplate> kPage5ChnlTemplates;
extern const std::span<const DialogTemplate> kPtzSetupDlgTemplates;
// The recorder's camera page and its panes.
extern const std::span<const DialogTemplate> kPage5ChannelDVRTemplates;
extern const std::span<const DialogTemplate> kCameraDlgTemplates;
extern const std::span<const DialogTemplate> kIpCameraDlgTemplates;
// The motion detect dialog and the event page.
extern const std::span<const DialogTemplate> kMotionDetectDlgTemplates;
extern const std::span<const DialogTemplate> kPage16EventTemplates;
// The PTZ page.
extern const std::span<const DialogTemplate> kPage15PtzTemplates;
extern const std::span<const DialogTemplate> kPortAssignDlgTemplates;
extern const std::span<const DialogTemplate> kQualityBoxDlg3Templates;
extern const std::span<const DialogTemplate> kPage3NetworkTemplates;
extern const std::span<const DialogTemplate> kPage3NetworkSorvakDvrTemplates;
extern const std::span<const DialogTemplate> kIpSettingsDlgTemplates;
extern const std::span<const DialogTemplate> kXdslDlgTemplates;
extern const std::span<const DialogTemplate> kRegServerDlgTemplates;
extern const std::span<const DialogTemplate> kPortsDlgTemplates;
extern const std::span<const DialogTemplate> kPppDlgTemplates;
extern const std::span<const DialogTemplate> kDialUpSetupDlgTemplates;
extern const std::span<const DialogTemplate> kEmailAlarmDlgTemplates;
// The screen adjustment pages and the quality boxes of the camera schedules.
extern const std::span<const DialogTemplate> kPage6ScrAdTemplates;
extern const std::span<const DialogTemplate> kQualityBoxDlgTemplates;
extern const std::span<const DialogTemplate> kSerialPortDlgTemplates;
extern const std::span<const DialogTemplate> kPage9SecurityTemplates;
extern const std::span<const DialogTemplate> kPage17LogTemplates;
extern const std::span<const DialogTemplate> kPage13MiscellTemplates;
extern const std::span<const DialogTemplate> kLoginDlgTemplates;
extern const std::span<const DialogTemplate> kTextInsertDlgTemplates;
extern const std::span<const DialogTemplate> kRelayDwellDlgTemplates;
extern const std::span<const DialogTemplate> kBlockPlaybackDlgTemplates;
extern const std::span<const DialogTemplate> kAlarmBuzzerDlgTemplates;
extern const std::span<const DialogTemplate> kLanguageDlgTemplates;
extern const std::span<const DialogTemplate> kNicknameDlgTemplates;
extern const std::span<const DialogTemplate> kAuxSetupDlgTemplates;
extern const std::span<const DialogTemplate> kRebootWaitDlgTemplates;
extern const std::span<const DialogTemplate> kDateTimeDlgTemplates;
extern const std::span<const DialogTemplate> kNtpDlgTemplates;
extern const std::span<const DialogTemplate> kNtpIpTypeDlgTemplates;
extern const std::span<const DialogTemplate> kTimeSyncDlgTemplates;
extern const std::span<const DialogTemplate> kPage2SystemTemplates;
extern const std::span<const DialogTemplate> kPage2System2Templates;
extern const std::span<const DialogTemplate> kPasswordInputDlgTemplates;
extern const std::span<const DialogTemplate> kPage8ScheduleTemplates;
extern const std::span<const DialogTemplate> kToolTipDlgTemplates;
extern const std::span<const DialogTemplate> kCamScheduleDlgTemplates;
extern const std::span<const DialogTemplate> kPage8Schedule2Templates;
extern const std::span<const DialogTemplate> kCamScheduleDlg2Templates;
extern const std::span<const DialogTemplate> kRelayTableDlgTemplates;
extern const std::span<const DialogTemplate> kRelayTableDlg2Templates;
// The recorder's recording pages, their alarm outputs and the period panes.
extern const std::span<const DialogTemplate> kPage6ScheduleZoneTemplates;
extern const std::span<const DialogTemplate> kPage12DioDVRTemplates;
// The other brand's system page and the audio panes.
extern const std::span<const DialogTemplate> kPage2SystemSorvakDvrTemplates;
extern const std::span<const DialogTemplate> kAudioGainDlgTemplates;
extern const std::span<const DialogTemplate> kAudioDlgTemplates;
extern const std::span<const DialogTemplate> kPage10HddTemplates;
extern const std::span<const DialogTemplate> kPage10HddDVRTemplates;
extern const std::span<const DialogTemplate> kPage10HddDvrSorvakTemplates;
extern const std::span<const DialogTemplate> kPage11StreamServerTemplates;
extern const std::span<const DialogTemplate> kContentDlgTemplates;
extern const std::span<const DialogTemplate> kAccessListDlgTemplates;
extern const std::span<const DialogTemplate> kDeviceStatusDlgTemplates;
// Controls of the settings pages.
constexpr uint32_t kGroupBox = kChild | BS_GROUPBOX;
constexpr uint32_t kCheckBox = kChild | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr uint32_t kRadioButton = kChild | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr uint32_t kDropList = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr uint32_t kUpDown = kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;
constexpr uint32_t kTimePicker = kChild | WS_TABSTOP | DTS_UPDOWN | DTS_TIMEFORMAT;
extern const std::span<const DialogTemplate> kPage8ScheduleFeldraTemplates;
extern const std::span<const DialogTemplate> kChannelScheduleDlgTemplates;
extern const std::span<const DialogTemplate> kRelayModeDlgTemplates;
extern const std::span<const DialogTemplate> kPage12DoutRZ4250XTTemplates;
extern const std::span<const DialogTemplate> kPage8NormalRecTemplates;
extern const std::span<const DialogTemplate> kPage8ScheduleDVRTemplates;
extern const std::span<const DialogTemplate> kPage8AlarmRecTemplates;
extern const std::span<const DialogTemplate> kPage8ScheduleDvrSorvakTemplates;
extern const std::span<const DialogTemplate> kPage6ProfilesTemplates;
extern const std::span<const DialogTemplate> kSystemEventsDlgTemplates;
extern const std::span<const DialogTemplate> kRemoteAccessDlgTemplates;
extern const std::span<const DialogTemplate> kPeriodPanesTemplates;
// The recorder's alarm-source page and its sensor and motion panes.
extern const std::span<const DialogTemplate> kPage14DVRInputTemplates;
extern const std::span<const DialogTemplate> kSensorDlgTemplates;
extern const std::span<const DialogTemplate> kMotionSetupDlgTemplates;
// The recorder's device page.
extern const std::span<const DialogTemplate> kPage11DeviceDVRTemplates;
