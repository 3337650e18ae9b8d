// Which pages and modeless dialogs a device's settings sheet is made of, in
// which order the user sees them and which of them point at each other.
// Pure data: the view builds the objects from it, tests read it directly.
#pragma once

#include <cstdint>
#include <vector>

// One slot per page class and per modeless dialog the view may hold.
enum SheetSlot : int {
    SLOT_CamInfo, // CPage1CamInfo
    SLOT_System, // CPage2System
    SLOT_System2, // CPage2System2
    SLOT_Network, // CPage3Network
    SLOT_Network2, // CPage3Network2
    SLOT_User, // CPage4User
    SLOT_UserDvr, // CPage4UserDvr
    SLOT_Channel, // CPage5Channel
    SLOT_Channel2, // CPage5Channel2
    SLOT_ChannelDVR, // CPage5ChannelDVR
    SLOT_ScrAd, // CPage6ScrAd
    SLOT_ScrAd2, // CPage6ScrAd2
    SLOT_ScheduleZone, // CPage6ScheduleZone
    SLOT_Schedule, // CPage8Schedule
    SLOT_Schedule2, // CPage8Schedule2
    SLOT_ScheduleDVR, // CPage8ScheduleDVR
    SLOT_NormalRec, // CPage8NormalRec
    SLOT_AlarmRec, // CPage8AlarmRec
    SLOT_Security, // CPage9Security
    SLOT_Hdd, // CPage10Hdd
    SLOT_HddDVR, // CPage10HddDVR
    SLOT_StreamServer, // CPage11StreamServer
    SLOT_DeviceDVR, // CPage11DeviceDVR
    SLOT_DioDVR, // CPage12DioDVR
    SLOT_DoutRZ4250XT, // CPage12DoutRZ4250XT
    SLOT_Miscell, // CPage13Miscell
    SLOT_DVRInput, // CPage14DVRInput
    SLOT_Ptz, // CPage15Ptz
    // Slots no family fills; every step of the sheet's life still walks them.
    SLOT_SystemSorvakDvr,
    SLOT_NetworkSorvakDvr,
    SLOT_HddDvrSorvak,
    SLOT_ScheduleDvrSorvak,
    SLOT_ScheduleFeldra,
    SLOT_Profiles,
    SLOT_Event,
    SLOT_Log,
    // Modeless dialogs owned by the view.
    SLOT_CamScheduleDlg, // CCamScheduleDlg, dialog 144
    SLOT_QualityBoxDlg, // CQualityBoxDlg, dialog 145
    SLOT_CamScheduleDlg2, // CCamScheduleDlg2, dialog 185
    SLOT_QualityBoxDlg2, // CQualityBoxDlg2, dialog 176
    SLOT_COUNT
};

constexpr int SLOT_FIRST_DIALOG = SLOT_CamScheduleDlg;

inline bool IsDialogSlot(SheetSlot slot)
{
    return slot >= SLOT_FIRST_DIALOG && slot < SLOT_COUNT;
}

// Class name of the object a slot holds.
const char* SlotClassName(SheetSlot slot);

// The member a link fills in the object it is given to.
enum SheetLinkRole : int {
    LINK_InfoPage,
    LINK_SystemPage,
    LINK_ChannelPage,
    LINK_SchedulePage,
    LINK_ScheduleDialog,
    LINK_QualityBox,
};

// `from` is given a pointer to `to`; when `to` is empty it is given none.
struct SheetLink {
    SheetSlot from;
    SheetLinkRole role;
    SheetSlot to;
    bool operator==(const SheetLink&) const = default;
};

// What decides the page set.
struct SheetInputs {
    uint32_t family = 0;
    int firmwareKind = 0;
    int modelClass = -1; // g_nRecorderModel
    bool firmware140 = false; // firmware 1.4.0 or newer
    bool firmware1225 = false; // firmware 1.2.25 or newer
    bool firmware2421 = false; // firmware 2.4.2.1 or newer (four parts)
};

struct SheetAssembly {
    bool created[SLOT_COUNT] = {};
    std::vector<SheetSlot> order; // pages in the order they are added
    std::vector<SheetLink> links; // made in this order, only from created objects
};

// Firmware kind from the family and the firmware (second) version text;
// kind 3 chooses the second generation of system and network pages.
int FirmwareKindOf(uint32_t family, const char* version2);

// The inputs for g_CurrentDevice and g_nRecorderModel.
SheetInputs SheetInputsForCurrentDevice(int firmwareKind);

SheetAssembly AssembleSheet(const SheetInputs& inputs);

// Image index of every tab position for the family and model class;
// empty for a family without icons.
std::vector<int> TabIconsFor(uint32_t family, int modelClass);
