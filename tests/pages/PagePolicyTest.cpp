#include "pages/PagePolicy.h"

#include <gtest/gtest.h>

#include <set>

namespace
{

TEST(PagePolicy, PageMessagesAreAnsweredOnlyByTheirPages)
{
    const std::set<SheetSlot> cancel = { SLOT_CamInfo, SLOT_System, SLOT_Network, SLOT_User, SLOT_ChannelDVR,
        SLOT_ScheduleZone, SLOT_ScheduleDVR, SLOT_Security, SLOT_HddDVR, SLOT_DeviceDVR, SLOT_DioDVR };
    const std::set<SheetSlot> modified
        = { SLOT_DioDVR, SLOT_SystemSorvakDvr, SLOT_NetworkSorvakDvr, SLOT_DVRInput, SLOT_DeviceDVR };
    for (int s = 0; s < SLOT_FIRST_DIALOG; ++s) {
        const SheetSlot slot = static_cast<SheetSlot>(s);
        SCOPED_TRACE(SlotClassName(slot));
        EXPECT_EQ(PagePolicyFor(slot).handlesPageCancel, cancel.count(slot) == 1);
        EXPECT_EQ(PagePolicyFor(slot).handlesPageModified, modified.count(slot) == 1);
    }
}

TEST(PagePolicy, TheScheduleBlockGoesToTheScheduleAndRecordingPagesOnly)
{
    const std::set<SheetSlot> takers = { SLOT_Schedule, SLOT_Schedule2, SLOT_ScheduleDVR, SLOT_NormalRec,
        SLOT_AlarmRec, SLOT_ScheduleDvrSorvak, SLOT_ScheduleFeldra };
    for (int s = 0; s < SLOT_FIRST_DIALOG; ++s) {
        const SheetSlot slot = static_cast<SheetSlot>(s);
        EXPECT_EQ(PagePolicyFor(slot).takesScheduleBlock, takers.count(slot) == 1) << SlotClassName(slot);
    }
}

TEST(PagePolicy, VariationsOfTrackingOkAndLeaving)
{
    for (SheetSlot s : { SLOT_UserDvr, SLOT_HddDvrSorvak, SLOT_Event, SLOT_Log, SLOT_Profiles })
        EXPECT_EQ(PagePolicyFor(s).tracking, PagePolicy::TRACK_APPLY_BUTTON) << SlotClassName(s);
    for (SheetSlot s : { SLOT_ChannelDVR, SLOT_ScheduleDVR })
        EXPECT_EQ(PagePolicyFor(s).tracking, PagePolicy::TRACK_GROUPS) << SlotClassName(s);
    EXPECT_FALSE(PagePolicyFor(SLOT_Schedule2).askOnLeave);
    // The camera system and three-channel pages ask like every other page:
    // their edits are not dropped unasked.
    for (SheetSlot s : { SLOT_System2, SLOT_Channel2 })
        EXPECT_TRUE(PagePolicyFor(s).askOnLeave) << SlotClassName(s);
    EXPECT_EQ(PagePolicyFor(SLOT_Schedule).ok, PagePolicy::OK_CLOSE_HINT_AND_APPLY);
    EXPECT_EQ(PagePolicyFor(SLOT_Schedule2).ok, PagePolicy::OK_CLOSE_HINT_AND_APPLY);
    EXPECT_EQ(PagePolicyFor(SLOT_ScheduleFeldra).ok, PagePolicy::OK_CLOSE_HINT_AND_APPLY);
    EXPECT_EQ(PagePolicyFor(SLOT_HddDvrSorvak).ok, PagePolicy::OK_APPLY_ALWAYS);
    EXPECT_FALSE(PagePolicyFor(SLOT_StreamServer).okEndsAfterFailedApply);

    // Everything else follows the plain frame.
    const PagePolicy& plain = PagePolicyFor(SLOT_Security);
    EXPECT_EQ(plain.tracking, PagePolicy::TRACK_MODIFIED_FLAG);
    EXPECT_EQ(plain.ok, PagePolicy::OK_APPLY_WHEN_CHANGED);
    EXPECT_TRUE(plain.askOnLeave);
    EXPECT_FALSE(plain.okEndsAfterFailedApply);
}

} // namespace
