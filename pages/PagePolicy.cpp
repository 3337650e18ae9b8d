#include "pages/PagePolicy.h"

namespace
{

PagePolicy MakePolicy(SheetSlot slot)
{
    PagePolicy p;
    switch (slot) {
    case SLOT_UserDvr:
    case SLOT_Event:
    case SLOT_Log:
    case SLOT_Profiles:
        p.tracking = PagePolicy::TRACK_APPLY_BUTTON;
        break;
    case SLOT_HddDvrSorvak:
        p.tracking = PagePolicy::TRACK_APPLY_BUTTON;
        p.ok = PagePolicy::OK_APPLY_ALWAYS;
        break;
    case SLOT_ChannelDVR:
    case SLOT_ScheduleDVR:
        p.tracking = PagePolicy::TRACK_GROUPS;
        break;
    // OK keeps the user's plan: the schedule pages apply a held change too.
    case SLOT_Schedule2:
        p.askOnLeave = false;
        p.ok = PagePolicy::OK_CLOSE_HINT_AND_APPLY;
        break;
    case SLOT_Schedule:
    case SLOT_ScheduleFeldra:
        p.ok = PagePolicy::OK_CLOSE_HINT_AND_APPLY;
        break;
    case SLOT_StreamServer:
        p.okEndsAfterFailedApply = false;
        break;
    default:
        break;
    }
    switch (slot) {
    case SLOT_CamInfo:
    case SLOT_System:
    case SLOT_Network:
    case SLOT_User:
    case SLOT_ChannelDVR:
    case SLOT_ScheduleZone:
    case SLOT_ScheduleDVR:
    case SLOT_Security:
    case SLOT_HddDVR:
    case SLOT_DeviceDVR:
    case SLOT_DioDVR:
        p.handlesPageCancel = true;
        break;
    default:
        break;
    }
    p.handlesPageModified = slot == SLOT_DioDVR || slot == SLOT_SystemSorvakDvr
        || slot == SLOT_NetworkSorvakDvr || slot == SLOT_DVRInput || slot == SLOT_DeviceDVR;
    switch (slot) {
    case SLOT_Schedule:
    case SLOT_Schedule2:
    case SLOT_ScheduleDVR:
    case SLOT_NormalRec:
    case SLOT_AlarmRec:
    case SLOT_ScheduleDvrSorvak:
    case SLOT_ScheduleFeldra:
        p.takesScheduleBlock = true;
        break;
    default:
        break;
    }
    return p;
}

struct PolicyTable {
    PagePolicy entries[SLOT_COUNT];
    PolicyTable()
    {
        for (int s = 0; s < SLOT_COUNT; ++s)
            entries[s] = MakePolicy(static_cast<SheetSlot>(s));
    }
};

} // namespace

const PagePolicy& PagePolicyFor(SheetSlot slot)
{
    static const PolicyTable table;
    static const PagePolicy plain;
    return slot >= 0 && slot < SLOT_COUNT ? table.entries[slot] : plain;
}
