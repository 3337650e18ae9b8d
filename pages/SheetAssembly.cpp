#include "pages/SheetAssembly.h"

#include "link/CurrentDevice.h"
#include "link/DeviceGates.h"
#include "link/DeviceHelpers.h"

namespace
{

const char* const kClassNames[SLOT_COUNT] = {
    "CPage1CamInfo",
    "CPage2System",
    "CPage2System2",
    "CPage3Network",
    "CPage3Network2",
    "CPage4User",
    "CPage4UserDvr",
    "CPage5Channel",
    "CPage5Channel2",
    "CPage5ChannelDVR",
    "CPage6ScrAd",
    "CPage6ScrAd2",
    "CPage6ScheduleZone",
    "CPage8Schedule",
    "CPage8Schedule2",
    "CPage8ScheduleDVR",
    "CPage8NormalRec",
    "CPage8AlarmRec",
    "CPage9Security",
    "CPage10Hdd",
    "CPage10HddDVR",
    "CPage11StreamServer",
    "CPage11DeviceDVR",
    "CPage12DioDVR",
    "CPage12DoutRZ4250XT",
    "CPage13Miscell",
    "CPage14DVRInput",
    "CPage15Ptz",
    "CPage2SystemSorvakDvr",
    "CPage3NetworkSorvakDvr",
    "CPage10HddDvrSorvak",
    "CPage8ScheduleDvrSorvak",
    "CPage8ScheduleFeldra",
    "CPage6Profiles",
    "CPage16Event",
    "CPage17Log",
    "CCamScheduleDlg",
    "CQualityBoxDlg",
    "CCamScheduleDlg2",
    "CQualityBoxDlg2",
};

bool IsCameraFamily(uint32_t family)
{
    return family == 0 || family == 1 || family == 3;
}

void CreateSlots(SheetAssembly& sheet, const SheetInputs& in)
{
    bool* c = sheet.created;
    const uint32_t f = in.family;
    const bool dvr = f == 4;
    const bool secondGeneration = IsCameraFamily(f) && in.firmwareKind == 3;

    c[SLOT_CamInfo] = true;
    c[SLOT_System] = c[SLOT_Network] = !secondGeneration;
    c[SLOT_System2] = c[SLOT_Network2] = secondGeneration;
    c[SLOT_User] = !(dvr && in.firmware140);
    c[SLOT_UserDvr] = dvr && in.firmware140;
    c[SLOT_Security] = true;
    if (f > 4)
        return;

    c[SLOT_Channel] = c[SLOT_ScrAd] = f == 0 || f == 2 || f == 3;
    c[SLOT_Channel2] = c[SLOT_ScrAd2] = f == 1;
    c[SLOT_Schedule] = c[SLOT_Hdd] = f == 0 || f == 3;
    c[SLOT_CamScheduleDlg] = c[SLOT_QualityBoxDlg] = f == 0 || f == 3;
    c[SLOT_Schedule2] = c[SLOT_CamScheduleDlg2] = c[SLOT_QualityBoxDlg2] = f == 1;
    c[SLOT_StreamServer] = f == 2;
    // A recorder gets every DVR page whatever its model class; the class only
    // decides which of them are added.
    for (SheetSlot s : { SLOT_ChannelDVR, SLOT_ScheduleZone, SLOT_ScheduleDVR, SLOT_NormalRec, SLOT_AlarmRec,
             SLOT_HddDVR, SLOT_DeviceDVR, SLOT_DioDVR, SLOT_DoutRZ4250XT, SLOT_Miscell, SLOT_DVRInput })
        c[s] = dvr;
    c[SLOT_Ptz] = ((f == 0 || f == 3) && in.firmware2421) || (dvr && in.firmware140);
}

void OrderSlots(SheetAssembly& sheet, const SheetInputs& in)
{
    auto add = [&sheet](SheetSlot slot) {
        if (sheet.created[slot])
            sheet.order.push_back(slot);
    };
    const uint32_t f = in.family;
    const bool classFour = in.modelClass == 4;

    add(SLOT_CamInfo);
    add(SLOT_System2);
    add(SLOT_System);
    add(SLOT_Network2);
    add(SLOT_Network);
    add(SLOT_UserDvr);
    add(SLOT_User);
    switch (f) {
    case 0:
    case 3:
        for (SheetSlot s : { SLOT_Channel, SLOT_Hdd, SLOT_ScrAd, SLOT_Schedule, SLOT_Security, SLOT_Ptz })
            add(s);
        break;
    case 1:
        for (SheetSlot s : { SLOT_Channel2, SLOT_ScrAd2, SLOT_Schedule2, SLOT_Security })
            add(s);
        break;
    case 2:
        for (SheetSlot s : { SLOT_Channel, SLOT_ScrAd, SLOT_StreamServer, SLOT_Security })
            add(s);
        break;
    case 4:
        for (SheetSlot s : { SLOT_ChannelDVR, SLOT_HddDVR, SLOT_ScheduleZone })
            add(s);
        if (classFour) {
            add(SLOT_NormalRec);
            add(SLOT_AlarmRec);
        } else {
            add(SLOT_ScheduleDVR);
        }
        add(SLOT_Security);
        add(SLOT_DeviceDVR);
        if (classFour) {
            add(SLOT_DoutRZ4250XT);
            add(SLOT_DVRInput);
        } else {
            add(SLOT_DioDVR);
        }
        if (in.firmware1225)
            add(SLOT_Miscell);
        add(SLOT_Ptz);
        break;
    default:
        // An unknown family keeps its security page out of the sheet.
        break;
    }
}

void LinkSlots(SheetAssembly& sheet, const SheetInputs& in)
{
    auto link = [&sheet](SheetSlot from, SheetLinkRole role, SheetSlot to) {
        if (sheet.created[from])
            sheet.links.push_back({ from, role, to });
    };
    const uint32_t f = in.family;
    const bool secondGeneration = IsCameraFamily(f) && in.firmwareKind == 3;

    if (secondGeneration) {
        // The second-generation network page is given the empty system slot.
        link(SLOT_Network2, LINK_SystemPage, SLOT_System);
        link(SLOT_System2, LINK_InfoPage, SLOT_CamInfo);
    } else {
        link(SLOT_Network, LINK_SystemPage, SLOT_System);
        link(SLOT_System, LINK_InfoPage, SLOT_CamInfo);
    }
    if (f == 0 || f == 3) {
        link(SLOT_System, LINK_ChannelPage, SLOT_Channel);
        link(SLOT_System, LINK_SchedulePage, SLOT_Schedule);
        link(SLOT_CamScheduleDlg, LINK_SchedulePage, SLOT_Schedule);
        link(SLOT_QualityBoxDlg, LINK_SchedulePage, SLOT_Schedule);
        link(SLOT_Schedule, LINK_ChannelPage, SLOT_Channel);
        link(SLOT_Schedule, LINK_ScheduleDialog, SLOT_CamScheduleDlg);
        link(SLOT_QualityBoxDlg, LINK_ScheduleDialog, SLOT_CamScheduleDlg);
        link(SLOT_CamScheduleDlg, LINK_QualityBox, SLOT_QualityBoxDlg);
    } else if (f == 1) {
        link(SLOT_System, LINK_ChannelPage, SLOT_Channel2);
        link(SLOT_System, LINK_SchedulePage, SLOT_Schedule2);
        link(SLOT_Schedule2, LINK_ChannelPage, SLOT_Channel2);
        link(SLOT_Schedule2, LINK_ScheduleDialog, SLOT_CamScheduleDlg2);
        link(SLOT_CamScheduleDlg2, LINK_SchedulePage, SLOT_Schedule2);
        link(SLOT_CamScheduleDlg2, LINK_QualityBox, SLOT_QualityBoxDlg2);
        link(SLOT_QualityBoxDlg2, LINK_SchedulePage, SLOT_Schedule2);
        link(SLOT_QualityBoxDlg2, LINK_ScheduleDialog, SLOT_CamScheduleDlg2);
    } else if (f == 2) {
        link(SLOT_System, LINK_ChannelPage, SLOT_Channel);
    }
}

} // namespace

const char* SlotClassName(SheetSlot slot)
{
    return slot >= 0 && slot < SLOT_COUNT ? kClassNames[slot] : "";
}

int FirmwareKindOf(uint32_t family, const char* version2)
{
    int v[3];
    ParseVersionText(version2, v, 3);
    const int a = v[0], b = v[1], c = v[2];
    if (IsCameraFamily(family)) {
        if (a < 2)
            return 3;
        if (b == 0)
            return c < 3 ? 3 : 4;
        return b <= 2 ? 4 : 5;
    }
    if (family == 2) {
        if (a == 0)
            return 0;
        if (b == 0)
            return c < 4 ? 0 : 1;
        if (b == 1)
            return c == 0 ? 1 : 2;
        return 2;
    }
    return 0;
}

SheetInputs SheetInputsForCurrentDevice(int firmwareKind)
{
    SheetInputs in;
    in.family = g_CurrentDevice.dwFamily;
    in.firmwareKind = firmwareKind;
    in.modelClass = g_nRecorderModel;
    in.firmware140 = IsVersionAtLeast(1, 4, 0);
    in.firmware1225 = IsVersionAtLeast(1, 2, 25);
    in.firmware2421 = IsVersionAtLeast4(2, 4, 2, 1);
    return in;
}

SheetAssembly AssembleSheet(const SheetInputs& inputs)
{
    SheetAssembly sheet;
    CreateSlots(sheet, inputs);
    OrderSlots(sheet, inputs);
    LinkSlots(sheet, inputs);
    return sheet;
}

std::vector<int> TabIconsFor(uint32_t family, int modelClass)
{
    switch (family) {
    case 0:
    case 3:
        return { 0, 1, 2, 3, 4, 5, 6, 7, 8, 14 };
    case 1:
        return { 0, 1, 2, 3, 4, 6, 7, 8 };
    case 2:
        return { 0, 1, 2, 3, 4, 6, 10, 8 };
    case 4:
        if (modelClass == 4)
            return { 0, 1, 2, 3, 4, 5, 6, 7, 7, 8, 11, 12, 13, 9, 14 };
        return { 0, 1, 2, 3, 4, 5, 6, 7, 8, 11, 12, 9, 14 };
    default:
        return {};
    }
}
