// The disk manager page against a simulated recorder.
#include "pages/Page10HddDvrSorvak.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"

#include <string>
#include <vector>

namespace
{

constexpr uint16_t kBlockPlayback = 0x0322, kSetBlockPlayback = 0x0323;
constexpr uint16_t kDiskManager = 0x0342, kSetDiskManager = 0x0343;

class DiskManagerTest : public PageTest
{
protected:
    void Start(uint8_t blockIndex, uint8_t mode, uint8_t level)
    {
        Profile(4);
        StartDevice();
        Server().Store().Store(kBlockPlayback, 0, { blockIndex });
        Server().Store().Store(kDiskManager, 0, { mode, level });
    }
};

TEST_F(DiskManagerTest, ActivationShowsTheWarningLevelInPercent)
{
    const struct {
        uint8_t level;
        const char* percent;
    } cases[] = { { 0, "5" }, { 18, "95" }, { 3, "20" } };
    for (const auto& c : cases) {
        Start(8, 1, c.level);
        ShowPage<CPage10HddDvrSorvak>();
        EXPECT_EQ(Text(IDC_DISK_FULL_WARNING), c.percent);
        EXPECT_EQ(ComboSelection(IDC_DISK_RECORDING_MODE), 1);
        EXPECT_EQ(ComboSelection(IDC_BLOCK_PLAYBACK), 8);
        EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
        Close();
    }
}

TEST_F(DiskManagerTest, ApplyWritesBothGroups)
{
    Start(0, 0, 3);
    ShowPage<CPage10HddDvrSorvak>();
    SavePicture("page10_hdd_dvr_sorvak.png");
    SelectCombo(IDC_DISK_RECORDING_MODE, 1);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY)) << "a mode change alone enables Apply";
    auto* spin = static_cast<CSpinButtonCtrl*>(page->GetDlgItem(IDC_DISK_FULL_SPIN));
    spin->Step(true);
    EXPECT_EQ(Text(IDC_DISK_FULL_WARNING), "25") << "one step is 5 %";
    ClearSent();
    Click(IDC_PAGE_APPLY);
    auto block = Sent(kSetBlockPlayback);
    ASSERT_EQ(block.size(), 1u);
    EXPECT_EQ(block[0].length, 33u);
    EXPECT_EQ(block[0].params, sim::Bytes { 0 });
    auto disk = Sent(kSetDiskManager);
    ASSERT_EQ(disk.size(), 1u);
    EXPECT_EQ(disk[0].length, 34u);
    EXPECT_EQ(disk[0].params, (sim::Bytes { 1, 4 }));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(DiskManagerTest, AWarningOutOfRangeStopsTheApply)
{
    Start(2, 0, 3);
    ShowPage<CPage10HddDvrSorvak>();
    for (const char* value : { "0", "96" }) {
        SetText(IDC_DISK_FULL_WARNING, value);
        TakeMessages();
        ClearSent();
        Click(IDC_PAGE_APPLY);
        EXPECT_EQ(TakeMessages().size(), 1u) << value << ": the range message";
        EXPECT_TRUE(Sent(kSetDiskManager).empty()) << value;
        EXPECT_TRUE(Sent(kSetBlockPlayback).empty()) << value;
        EXPECT_TRUE(Enabled(IDC_PAGE_APPLY)) << value;
    }
}

TEST_F(DiskManagerTest, LeavingWithAChangeAppliesEvenWhenTheDeviceRefuses)
{
    Start(2, 0, 3);
    ShowPage<CPage10HddDvrSorvak>();
    SelectCombo(IDC_BLOCK_PLAYBACK, 11);
    sim::Fault refuse;
    refuse.status = 0xF309;
    Server().SetFault(kSetBlockPlayback, refuse);
    ClearSent();
    boxes.Answer(IDOK);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(TakeMessages(),
        (std::vector<std::string> { "Do you like to confirm the new configuration?", "Invalid value" }));
    EXPECT_EQ(Sent(kSetBlockPlayback).size(), 1u);
    EXPECT_EQ(Sent(kSetDiskManager).size(), 1u) << "both groups on every apply";
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(DiskManagerTest, AGroupThatCouldNotBeReadIsNotWritten)
{
    Start(2, 0, 3);
    sim::Fault drop;
    drop.closeWithoutReply = true;
    Server().SetFault(kDiskManager, drop);
    ShowPage<CPage10HddDvrSorvak>();
    EXPECT_EQ(ComboSelection(IDC_DISK_RECORDING_MODE), -1);
    SelectCombo(IDC_BLOCK_PLAYBACK, 4);
    ClearSent();
    Click(IDC_PAGE_OK);
    EXPECT_EQ(Sent(kSetBlockPlayback).size(), 1u);
    EXPECT_TRUE(Sent(kSetDiskManager).empty());
}

} // namespace
