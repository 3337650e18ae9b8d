#include "pages/SheetFactory.h"

#include "pages/CamScheduleDlg.h"
#include "pages/CamScheduleDlg2.h"
#include "pages/Page10Hdd.h"
#include "pages/Page10HddDVR.h"
#include "pages/Page10HddDvrSorvak.h"
#include "pages/Page11DeviceDVR.h"
#include "pages/Page11StreamServer.h"
#include "pages/Page12DioDVR.h"
#include "pages/Page12DoutRZ4250XT.h"
#include "pages/Page13Miscell.h"
#include "pages/Page14DVRInput.h"
#include "pages/Page15Ptz.h"
#include "pages/Page16Event.h"
#include "pages/Page17Log.h"
#include "pages/Page1CamInfo.h"
#include "pages/Page2System.h"
#include "pages/Page2System2.h"
#include "pages/Page2SystemSorvakDvr.h"
#include "pages/Page3Network.h"
#include "pages/Page3Network2.h"
#include "pages/Page3NetworkSorvakDvr.h"
#include "pages/Page4User.h"
#include "pages/Page4UserDvr.h"
#include "pages/Page5Channel.h"
#include "pages/Page5Channel2.h"
#include "pages/Page5ChannelDVR.h"
#include "pages/Page5Chnl.h"
#include "pages/Page6Profiles.h"
#include "pages/Page6ScheduleZone.h"
#include "pages/Page6ScrAd.h"
#include "pages/Page6ScrAd2.h"
#include "pages/Page8AlarmRec.h"
#include "pages/Page8NormalRec.h"
#include "pages/Page8Schedule.h"
#include "pages/Page8Schedule2.h"
#include "pages/Page8ScheduleDVR.h"
#include "pages/Page8ScheduleDvrSorvak.h"
#include "pages/Page8ScheduleFeldra.h"
#include "pages/Page9Security.h"
#include "pages/QualityBoxDlg2.h"
#include "pages/SheetDialog.h"

#include <cstring>

CConfigPage* CreateSheetPage(SheetSlot slot)
{
    switch (slot) {
    case SLOT_CamInfo:
        return new CPage1CamInfo;
    case SLOT_Network:
        return new CPage3Network;
    case SLOT_Network2:
        return new CPage3Network2;
    case SLOT_User:
        return new CPage4User;
    case SLOT_UserDvr:
        return new CPage4UserDvr;
    case SLOT_NetworkSorvakDvr:
        return new CPage3NetworkSorvakDvr;
    case SLOT_SystemSorvakDvr:
        return new CPage2SystemSorvakDvr;
    case SLOT_ScrAd:
        return new CPage6ScrAd;
    case SLOT_ScrAd2:
        return new CPage6ScrAd2;
    case SLOT_Security:
        return new CPage9Security;
    case SLOT_Miscell:
        return new CPage13Miscell;
    case SLOT_Log:
        return new CPage17Log;
    case SLOT_System:
        return new CPage2System;
    case SLOT_System2:
        return new CPage2System2;
    case SLOT_Schedule:
        return new CPage8Schedule;
    case SLOT_Schedule2:
        return new CPage8Schedule2;
    case SLOT_ScheduleZone:
        return new CPage6ScheduleZone;
    case SLOT_DioDVR:
        return new CPage12DioDVR;
    case SLOT_Hdd:
        return new CPage10Hdd;
    case SLOT_HddDVR:
        return new CPage10HddDVR;
    case SLOT_Channel:
        return new CPage5Channel;
    case SLOT_Channel2:
        return new CPage5Channel2;
    case SLOT_ScheduleFeldra:
        return new CPage8ScheduleFeldra;
    case SLOT_ChannelDVR:
        return new CPage5ChannelDVR;
    case SLOT_Event:
        return new CPage16Event;
    case SLOT_Ptz:
        return new CPage15Ptz;
    case SLOT_DoutRZ4250XT:
        return new CPage12DoutRZ4250XT;
    case SLOT_NormalRec:
        return new CPage8NormalRec;
    case SLOT_ScheduleDVR:
        return new CPage8ScheduleDVR;
    case SLOT_AlarmRec:
        return new CPage8AlarmRec;
    case SLOT_ScheduleDvrSorvak:
        return new CPage8ScheduleDvrSorvak;
    case SLOT_Profiles:
        return new CPage6Profiles;
    case SLOT_StreamServer:
        return new CPage11StreamServer;
    case SLOT_HddDvrSorvak:
        return new CPage10HddDvrSorvak;
    case SLOT_DVRInput:
        return new CPage14DVRInput;
    case SLOT_DeviceDVR:
        return new CPage11DeviceDVR;
    default:
        // Pages still to come.
        return nullptr;
    }
}

CSheetDialog* CreateSheetDialog(SheetSlot slot)
{
    switch (slot) {
    case SLOT_QualityBoxDlg:
        return new CQualityBoxDlg;
    case SLOT_QualityBoxDlg2:
        return new CQualityBoxDlg2;
    case SLOT_CamScheduleDlg:
        return new CCamScheduleDlg;
    case SLOT_CamScheduleDlg2:
        return new CCamScheduleDlg2;
    default:
        // Dialogs still to come.
        return nullptr;
    }
}

namespace
{

// Pages that have no slot of their own in any sheet.
struct UnslottedPage {
    const char* className;
    CConfigPage* (*create)();
};
const UnslottedPage kUnslottedPages[] = {
    { "CPage5Chnl", []() -> CConfigPage* { return new CPage5Chnl; } },
};

} // namespace

CConfigPage* CreatePageByClassName(const char* className)
{
    if (!className)
        return nullptr;
    for (int s = 0; s < SLOT_FIRST_DIALOG; ++s) {
        if (std::strcmp(SlotClassName(static_cast<SheetSlot>(s)), className) == 0)
            return CreateSheetPage(static_cast<SheetSlot>(s));
    }
    for (const UnslottedPage& page : kUnslottedPages) {
        if (page.className && std::strcmp(page.className, className) == 0)
            return page.create();
    }
    return nullptr;
}
