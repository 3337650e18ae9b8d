#include "pages/SheetAssembly.h"

#include "link/CurrentDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

std::string Names(const std::vector<SheetSlot>& slots)
{
    std::string out;
    for (SheetSlot s : slots)
        out += std::string(out.empty() ? "" : " ") + SlotClassName(s);
    return out;
}

std::string CreatedNames(const SheetAssembly& sheet)
{
    std::vector<SheetSlot> slots;
    for (int s = 0; s < SLOT_COUNT; ++s)
        if (sheet.created[s])
            slots.push_back(static_cast<SheetSlot>(s));
    return Names(slots);
}

// Inputs as the login computes them from the device's firmware text.
SheetInputs For(uint32_t family, const char* firmware, int modelClass = -1)
{
    std::memset(&g_CurrentDevice, 0, sizeof g_CurrentDevice);
    g_CurrentDevice.dwFamily = family;
    std::strcpy(g_CurrentDevice.szVersion2, firmware);
    g_nRecorderModel = modelClass;
    return SheetInputsForCurrentDevice(FirmwareKindOf(family, firmware));
}

struct OrderCase {
    uint32_t family;
    const char* firmware;
    int modelClass;
    const char* pages;
};

const OrderCase kOrders[] = {
    { 0, "2.4.2.0", -1,
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5Channel CPage10Hdd CPage6ScrAd "
        "CPage8Schedule CPage9Security" },
    { 0, "2.4.2.1", -1,
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5Channel CPage10Hdd CPage6ScrAd "
        "CPage8Schedule CPage9Security CPage15Ptz" },
    { 3, "2.0.2", -1,
        "CPage1CamInfo CPage2System2 CPage3Network2 CPage4User CPage5Channel CPage10Hdd CPage6ScrAd "
        "CPage8Schedule CPage9Security" },
    { 1, "1.9.9", -1,
        "CPage1CamInfo CPage2System2 CPage3Network2 CPage4User CPage5Channel2 CPage6ScrAd2 CPage8Schedule2 "
        "CPage9Security" },
    { 1, "2.4.2.1", -1,
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5Channel2 CPage6ScrAd2 CPage8Schedule2 "
        "CPage9Security" },
    { 2, "1.0.3", -1,
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5Channel CPage6ScrAd CPage11StreamServer "
        "CPage9Security" },
    { 4, "1.3.9", 0,
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5ChannelDVR CPage10HddDVR "
        "CPage6ScheduleZone CPage8ScheduleDVR CPage9Security CPage11DeviceDVR CPage12DioDVR CPage13Miscell" },
    { 4, "1.2.24", 2,
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5ChannelDVR CPage10HddDVR "
        "CPage6ScheduleZone CPage8ScheduleDVR CPage9Security CPage11DeviceDVR CPage12DioDVR" },
    { 4, "1.4.0", 3,
        "CPage1CamInfo CPage2System CPage3Network CPage4UserDvr CPage5ChannelDVR CPage10HddDVR "
        "CPage6ScheduleZone CPage8ScheduleDVR CPage9Security CPage11DeviceDVR CPage12DioDVR CPage13Miscell "
        "CPage15Ptz" },
    { 4, "2.3.22", 4,
        "CPage1CamInfo CPage2System CPage3Network CPage4UserDvr CPage5ChannelDVR CPage10HddDVR "
        "CPage6ScheduleZone CPage8NormalRec CPage8AlarmRec CPage9Security CPage11DeviceDVR "
        "CPage12DoutRZ4250XT CPage14DVRInput CPage13Miscell CPage15Ptz" },
    { 4, "1.2.24", 4,
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5ChannelDVR CPage10HddDVR "
        "CPage6ScheduleZone CPage8NormalRec CPage8AlarmRec CPage9Security CPage11DeviceDVR "
        "CPage12DoutRZ4250XT CPage14DVRInput" },
    { 7, "9.9.9", -1, "CPage1CamInfo CPage2System CPage3Network CPage4User" },
};

TEST(SheetAssembly, PageOrderForEveryFamilyFirmwareAndModelClass)
{
    for (const OrderCase& c : kOrders) {
        SCOPED_TRACE(std::to_string(c.family) + " " + c.firmware + " class " + std::to_string(c.modelClass));
        EXPECT_EQ(Names(AssembleSheet(For(c.family, c.firmware, c.modelClass)).order), c.pages);
    }
}

TEST(SheetAssembly, CreatedObjectsIncludeDialogsAndDvrPagesThatAreNotAdded)
{
    EXPECT_EQ(CreatedNames(AssembleSheet(For(0, "2.4.2.1"))),
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5Channel CPage6ScrAd CPage8Schedule "
        "CPage9Security CPage10Hdd CPage15Ptz CCamScheduleDlg CQualityBoxDlg");
    EXPECT_EQ(CreatedNames(AssembleSheet(For(1, "2.0.2"))),
        "CPage1CamInfo CPage2System2 CPage3Network2 CPage4User CPage5Channel2 CPage6ScrAd2 CPage8Schedule2 "
        "CPage9Security CCamScheduleDlg2 CQualityBoxDlg2");
    // A recorder of any class gets every DVR page object; the miscellaneous
    // page exists even where the firmware keeps it off the sheet.
    EXPECT_EQ(CreatedNames(AssembleSheet(For(4, "1.2.24", 0))),
        "CPage1CamInfo CPage2System CPage3Network CPage4User CPage5ChannelDVR CPage6ScheduleZone "
        "CPage8ScheduleDVR CPage8NormalRec CPage8AlarmRec CPage9Security CPage10HddDVR CPage11DeviceDVR "
        "CPage12DioDVR CPage12DoutRZ4250XT CPage13Miscell CPage14DVRInput");
    // An unknown family creates its security page but does not add it.
    EXPECT_TRUE(AssembleSheet(For(9, "1.0.0")).created[SLOT_Security]);
    // No family ever fills the spare slots.
    for (uint32_t family = 0; family <= 5; ++family) {
        SheetAssembly sheet = AssembleSheet(For(family, "2.9.9", 4));
        for (int s = SLOT_SystemSorvakDvr; s <= SLOT_Log; ++s)
            EXPECT_FALSE(sheet.created[s]) << SlotClassName(static_cast<SheetSlot>(s));
    }
}

TEST(SheetAssembly, FirmwareKindBoundaries)
{
    struct {
        uint32_t family;
        const char* version;
        int kind;
    } const cases[] = {
        { 0, "1.9.9", 3 },
        { 0, "2.0.2", 3 },
        { 0, "2.0.3", 4 },
        { 0, "2.1.0", 4 },
        { 3, "2.2.7", 4 },
        { 0, "2.3.0", 5 },
        { 1, "3.0.0", 3 },
        { 1, "3.4.0", 5 },
        { 2, "0.9.9", 0 },
        { 2, "1.0.3", 0 },
        { 2, "1.0.4", 1 },
        { 2, "1.1.0", 1 },
        { 2, "1.1.1", 2 },
        { 2, "1.2.0", 2 },
        { 4, "2.3.0", 0 },
        { 0, "", 3 },
        { 2, "", 0 },
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirmwareKindOf(c.family, c.version), c.kind) << c.family << " " << c.version;
}

TEST(SheetAssembly, LinksBetweenCooperatingPages)
{
    const std::vector<SheetLink> camera = {
        { SLOT_Network, LINK_SystemPage, SLOT_System },
        { SLOT_System, LINK_InfoPage, SLOT_CamInfo },
        { SLOT_System, LINK_ChannelPage, SLOT_Channel },
        { SLOT_System, LINK_SchedulePage, SLOT_Schedule },
        { SLOT_CamScheduleDlg, LINK_SchedulePage, SLOT_Schedule },
        { SLOT_QualityBoxDlg, LINK_SchedulePage, SLOT_Schedule },
        { SLOT_Schedule, LINK_ChannelPage, SLOT_Channel },
        { SLOT_Schedule, LINK_ScheduleDialog, SLOT_CamScheduleDlg },
        { SLOT_QualityBoxDlg, LINK_ScheduleDialog, SLOT_CamScheduleDlg },
        { SLOT_CamScheduleDlg, LINK_QualityBox, SLOT_QualityBoxDlg },
    };
    EXPECT_EQ(AssembleSheet(For(3, "2.1.0")).links, camera);

    // Second generation: the network page is given the empty system slot, and
    // the links from the absent system page are not made.
    const SheetAssembly second = AssembleSheet(For(0, "1.0.0"));
    ASSERT_GE(second.links.size(), 2u);
    EXPECT_EQ(second.links[0], (SheetLink { SLOT_Network2, LINK_SystemPage, SLOT_System }));
    EXPECT_FALSE(second.created[SLOT_System]);
    EXPECT_EQ(second.links[1], (SheetLink { SLOT_System2, LINK_InfoPage, SLOT_CamInfo }));
    for (const SheetLink& l : second.links)
        EXPECT_NE(l.from, SLOT_System);

    const std::vector<SheetLink> familyOne = {
        { SLOT_Schedule2, LINK_ChannelPage, SLOT_Channel2 },
        { SLOT_Schedule2, LINK_ScheduleDialog, SLOT_CamScheduleDlg2 },
        { SLOT_CamScheduleDlg2, LINK_SchedulePage, SLOT_Schedule2 },
        { SLOT_CamScheduleDlg2, LINK_QualityBox, SLOT_QualityBoxDlg2 },
        { SLOT_QualityBoxDlg2, LINK_SchedulePage, SLOT_Schedule2 },
        { SLOT_QualityBoxDlg2, LINK_ScheduleDialog, SLOT_CamScheduleDlg2 },
    };
    std::vector<SheetLink> expected
        = { { SLOT_Network2, LINK_SystemPage, SLOT_System }, { SLOT_System2, LINK_InfoPage, SLOT_CamInfo } };
    expected.insert(expected.end(), familyOne.begin(), familyOne.end());
    EXPECT_EQ(AssembleSheet(For(1, "1.0.0")).links, expected);

    EXPECT_EQ(AssembleSheet(For(2, "1.1.1")).links,
        (std::vector<SheetLink> { { SLOT_Network, LINK_SystemPage, SLOT_System },
            { SLOT_System, LINK_InfoPage, SLOT_CamInfo }, { SLOT_System, LINK_ChannelPage, SLOT_Channel } }));
    EXPECT_EQ(AssembleSheet(For(4, "1.4.0", 1)).links,
        (std::vector<SheetLink> {
            { SLOT_Network, LINK_SystemPage, SLOT_System }, { SLOT_System, LINK_InfoPage, SLOT_CamInfo } }));
}

TEST(SheetAssembly, TabIconsHaveOneEntryPerAddedPage)
{
    // Where the whole set is added, every tab has its icon.
    EXPECT_EQ(TabIconsFor(0, -1).size(), AssembleSheet(For(0, "2.4.2.1")).order.size());
    EXPECT_EQ(TabIconsFor(1, -1).size(), AssembleSheet(For(1, "2.4.2.1")).order.size());
    EXPECT_EQ(TabIconsFor(2, -1).size(), AssembleSheet(For(2, "1.1.1")).order.size());
    EXPECT_EQ(TabIconsFor(4, 2).size(), AssembleSheet(For(4, "1.4.0", 2)).order.size());
    EXPECT_EQ(TabIconsFor(4, 4).size(), AssembleSheet(For(4, "1.4.0", 4)).order.size());
    EXPECT_EQ(TabIconsFor(2, -1)[5], 6);
    EXPECT_EQ(TabIconsFor(2, -1)[6], 10);
    EXPECT_EQ(TabIconsFor(4, 4)[8], 7);
    EXPECT_TRUE(TabIconsFor(5, -1).empty());
}

} // namespace
