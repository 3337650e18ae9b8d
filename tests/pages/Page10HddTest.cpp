// The two HDD pages and their shared disk share and pie, against simulated
// cameras and recorders.
#include "pages/Page10Hdd.h"
#include "pages/Page10HddDVR.h"
#include "pages/common/DiskPie.h"
#include "pages/common/DiskShare.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <cstdlib>
#include <string>

namespace
{

constexpr uint16_t kHddInfo = 0x0801, kSetHdd = 0x0802, kFormat = 0x0803;
constexpr uint16_t kPartitions = 0x010A, kSetPartitions = 0x010B, kRecorderSize = 0x010C;
const QColor kUsed(35, 30, 221), kFree(249, 2, 236);

sim::Bytes HddInfo(uint8_t on, uint8_t present, uint32_t autoDelete, uint32_t totalKb, uint32_t freeKb)
{
    return sim::Body().U8(on).U8(0).U8(0).U8(present).U32(autoDelete).U32(totalKb).U32(freeKb).bytes;
}

// The disk share: sizes from the device's units, the reserve and the share.
TEST(DiskShare, SizesReserveAndShare)
{
    const struct {
        uint32_t totalKb, freeKb;
        bool reserve;
        int32_t total, used, free;
        double percent;
    } cases[] = {
        { 10000000, 5000000, true, 9668, 4786, 4882, 49 }, // 99968 KB kept back
        { 10000000, 5000000, false, 9765, 4883, 4882, 50 },
        { 10000000, 20000000, true, 9668, 0, 9765, 0 }, // free above total counts as the total
        { 0, 0, true, 0, 0, 0, 0 }, // no disk: no share, no division
        { 1000, 0, true, 0, 0, 0, 0 }, // under a megabyte
        { 4000000000u, 0, true, 3867187, 3867187, 0, 100 },
    };
    for (const auto& c : cases) {
        const DiskShare s = DiskShareFromKb(c.totalKb, c.freeKb, c.reserve);
        EXPECT_EQ(s.nTotalMB, c.total) << c.totalKb;
        EXPECT_EQ(s.nUsedMB, c.used) << c.totalKb;
        EXPECT_EQ(s.nFreeMB, c.free) << c.totalKb;
        EXPECT_EQ(s.dUsedPercent, c.percent) << c.totalKb;
    }
    EXPECT_EQ(DiskShareFromMb(100, 200).nUsedMB, 0);
    EXPECT_EQ(DiskShareFromMb(100, 200).dUsedPercent, 0);
    EXPECT_EQ(DiskShareFromMb(3, 1).dUsedPercent, 66);
}

TEST(DiskShare, ThePieEndWalksTheRectangleClockwiseFromTheLeft)
{
    const CRect rc(330, 135, 480, 205);
    EXPECT_EQ(DiskPieEnd(rc, 0), CPoint(330, 170));
    EXPECT_EQ(DiskPieEnd(rc, 25), CPoint(405, 135)); // the top
    EXPECT_EQ(DiskPieEnd(rc, 50), CPoint(480, 170)); // the right
    EXPECT_EQ(DiskPieEnd(rc, 75), CPoint(405, 205)); // the bottom
    // 12.5 % is the top-left corner of the rectangle: the line through it
    // meets the ellipse at 45 degrees of its own.
    EXPECT_EQ(DiskPieEnd(rc, 12.5), CPoint(330 + 22, 135 + 10));
}

class HddPageTest : public PageTest
{
protected:
    QImage Picture() { return page->GetWidget()->grab().toImage(); }
    // Near the colour: the picture may hold fewer bits a channel.
    static bool Near(const QColor& a, const QColor& b)
    {
        return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8
            && std::abs(a.blue() - b.blue()) <= 8;
    }
    bool Is(const QImage& image, int x, int y, const QColor& expected)
    {
        return Near(image.pixelColor(x, y), expected);
    }
    void Radio(int id)
    {
        page->CheckRadioButton(IDC_HDD_DELETE_DISABLE, IDC_HDD_DELETE_10000, id);
        Click(id);
    }
    // The notice while the disk formats: its one line, empty when none is up.
    std::string Notice()
    {
        for (HWND h : GetThreadWindows()) {
            if (GetDlgCtrlID(h) == IDC_HDD_FORMAT_MESSAGE && GetParent(h) != page->GetSafeHwnd()) {
                char text[128] = {};
                ::SendMessage(h, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
                return text;
            }
        }
        return "";
    }
};

TEST_F(HddPageTest, ActivationShowsTheCamerasDiskAndItsShare)
{
    Profile(0);
    StartDevice();
    ShowPage<CPage10Hdd>();
    EXPECT_EQ(Text(IDC_HDD_TOTAL_MB), "75531");
    EXPECT_EQ(Text(IDC_HDD_FREE_MB), "50354");
    EXPECT_EQ(Text(IDC_HDD_USED_MB), "25177");
    EXPECT_EQ(Text(IDC_HDD_USED_PERCENT), "33");
    EXPECT_EQ(Text(IDC_HDD_FREE_PERCENT), "67");
    EXPECT_EQ(Checked(IDC_HDD_ENABLE), 1);
    EXPECT_TRUE(Enabled(IDC_HDD_FORMAT));
    EXPECT_EQ(Checked(IDC_HDD_DELETE_2000), 1);
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page10_hdd.png");
}

TEST_F(HddPageTest, APageOfFirmwareClassFiveKeepsNoReserve)
{
    Profile(3);
    StartDevice();
    Server().Store().Store(kHddInfo, 0, HddInfo(1, 0, 0, 10000000, 10000000));
    view.m_nFirmwareClass = 5;
    ShowPage<CPage10Hdd>();
    EXPECT_EQ(Text(IDC_HDD_TOTAL_MB), "9765");
    view.m_nFirmwareClass = 0;
    ShowPage<CPage10Hdd>();
    EXPECT_EQ(Text(IDC_HDD_TOTAL_MB), "9668");
    EXPECT_EQ(Text(IDC_HDD_USED_PERCENT), "0");
}

// The pie's share as pixels: the middle of the top ellipse and a point on
// its right, for full, empty, total-0 and tiny disks.
TEST_F(HddPageTest, ThePieShowsTheShare)
{
    Profile(0);
    StartDevice();
    const struct {
        const char* name;
        uint32_t totalKb, freeKb;
        QColor centre, right, rimRight;
        const char* usedPercent;
        const char* freePercent;
    } cases[] = {
        { "full", 10000000, 0, kUsed, kUsed, QColor(0, 0, 102), "100", "0" },
        { "empty", 10000000, 10000000, kFree, kFree, QColor(128, 0, 128), "0", "100" },
        { "total 0", 0, 0, kFree, kFree, QColor(128, 0, 128), "0", "0" },
        { "tiny", 1000, 10, kFree, kFree, QColor(128, 0, 128), "0", "0" },
        // A quarter: up from the left to the top, the right half stays free.
        { "quarter", 10343460, 7680000, kFree, kFree, QColor(128, 0, 128), "25", "75" },
    };
    for (const auto& c : cases) {
        Server().Store().Store(kHddInfo, 0, HddInfo(1, 0, 0, c.totalKb, c.freeKb));
        ShowPage<CPage10Hdd>();
        const QImage image = Picture();
        EXPECT_TRUE(Is(image, 405, 175, c.centre)) << c.name;
        EXPECT_TRUE(Is(image, 470, 170, c.right)) << c.name;
        EXPECT_TRUE(Is(image, 470, 205, c.rimRight)) << c.name;
        EXPECT_EQ(Text(IDC_HDD_USED_PERCENT), c.usedPercent) << c.name;
        EXPECT_EQ(Text(IDC_HDD_FREE_PERCENT), c.freePercent) << c.name;
        // The legend.
        EXPECT_TRUE(Is(image, 55, 143, kUsed)) << c.name;
        EXPECT_TRUE(Is(image, 55, 168, kFree)) << c.name;
    }
    // The quarter's sector lies up and to the left of the centre.
    EXPECT_TRUE(Is(Picture(), 360, 155, kUsed));
    EXPECT_TRUE(Is(Picture(), 360, 185, kFree));
}

TEST_F(HddPageTest, ApplySendsTheSwitchAndTheDeletion)
{
    Profile(0);
    StartDevice();
    ShowPage<CPage10Hdd>();
    Radio(IDC_HDD_DELETE_5000);
    Click(IDC_HDD_ENABLE);
    EXPECT_FALSE(Enabled(IDC_HDD_FORMAT));
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    auto sent = Sent(kSetHdd);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 40u);
    EXPECT_EQ(sent[0].params, (sim::Bytes { 0, 0, 0, 0x80, 0, 0, 0x13, 0x88 }));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // What the set wrote the next read shows.
    ShowPage<CPage10Hdd>();
    EXPECT_EQ(Checked(IDC_HDD_DELETE_5000), 1);
    EXPECT_EQ(Checked(IDC_HDD_ENABLE), 0);
}

TEST_F(HddPageTest, ADeviceWithoutAUsableDiskWritesNoStatus)
{
    Profile(0);
    StartDevice();
    // An automatic deletion the radio buttons do not offer selects none.
    Server().Store().Store(kHddInfo, 0, HddInfo(1, 0x80, 3000, 0, 0));
    ShowPage<CPage10Hdd>();
    EXPECT_FALSE(Enabled(IDC_HDD_ENABLE));
    EXPECT_FALSE(Enabled(IDC_HDD_FORMAT));
    for (int id : { IDC_HDD_DELETE_DISABLE, IDC_HDD_DELETE_1000, IDC_HDD_DELETE_2000, IDC_HDD_DELETE_5000,
             IDC_HDD_DELETE_10000 })
        EXPECT_EQ(Checked(id), 0) << id;
    Radio(IDC_HDD_DELETE_1000);
    Click(IDC_PAGE_APPLY);
    auto sent = Sent(kSetHdd);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].params, (sim::Bytes { 0, 0, 0, 0, 0, 0, 0x03, 0xE8 }));
}

TEST_F(HddPageTest, AFailedReadWritesNothingOnOk)
{
    Profile(0);
    StartDevice();
    sim::Fault silent;
    silent.closeWithoutReply = true;
    Server().SetFault(kHddInfo, silent);
    ShowPage<CPage10Hdd>();
    EXPECT_EQ(Text(IDC_HDD_TOTAL_MB), "0");
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(kSetHdd).empty());
}

// A clock whose pauses keep the notice's line: the notice shows its last
// line for three seconds before it closes.
class NoticeClock : public ManualClock
{
public:
    std::function<void()> onSleep;
    void Sleep(DWORD ms) override
    {
        if (onSleep && ms >= 1000)
            onSleep();
        ManualClock::Sleep(ms);
    }
};

TEST_F(HddPageTest, FormattingShowsTheNoticeWhileTheWindowPaintsAndRereadsTheDisk)
{
    NoticeClock clock;
    ScopedService<IClock> clockScope { &clock };
    Profile(0).formatMs = 400;
    StartDevice();
    ShowPage<CPage10Hdd>();

    // Cancelling the question sends nothing.
    boxes.Answer(IDCANCEL);
    Click(IDC_HDD_FORMAT);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you want to format the HDD now?" });
    EXPECT_TRUE(Sent(kFormat).empty());

    // While the device formats, this thread still runs its timers and paints.
    std::string during, last;
    QTimer::singleShot(100, [&] { during = Notice(); });
    clock.onSleep = [&] { last = Notice(); };
    boxes.Answer(IDOK);
    Click(IDC_HDD_FORMAT);
    EXPECT_EQ(during, "Please wait while HDD formatting!");
    EXPECT_EQ(last, "HDD format completed.");
    EXPECT_EQ(Notice(), "") << "the notice closed";
    EXPECT_EQ(Sent(kFormat).size(), 1u);
    EXPECT_EQ(TakeMessages().size(), 1u);
    // The emptied disk is read again.
    EXPECT_EQ(Text(IDC_HDD_USED_MB), "0");
    EXPECT_EQ(Text(IDC_HDD_FREE_MB), "75531");
    EXPECT_TRUE(page->GetTopLevelParent()->IsWindowEnabled());
}

TEST_F(HddPageTest, AFailedFormatSaysSo)
{
    NoticeClock clock;
    ScopedService<IClock> clockScope { &clock };
    sim::DeviceProfile& device = Profile(0);
    device.formatMs = 50;
    device.formatFails = true;
    StartDevice();
    ShowPage<CPage10Hdd>();
    std::string last;
    clock.onSleep = [&] { last = Notice(); };
    boxes.Answer(IDOK);
    Click(IDC_HDD_FORMAT);
    EXPECT_EQ(last, "HDD format failed.");
    EXPECT_EQ(TakeMessages(),
        (std::vector<std::string> { "Do you want to format the HDD now?", "Internal error!" }));
    EXPECT_EQ(Text(IDC_HDD_USED_MB), "25177") << "the page stays as it was";

    // A device that does not answer fails the same way, without a device message.
    Server().ClearFaults();
    sim::Fault drop;
    drop.closeWithoutReply = true;
    Server().SetFault(kFormat, drop);
    last.clear();
    boxes.Answer(IDOK);
    Click(IDC_HDD_FORMAT);
    EXPECT_EQ(last, "HDD format failed.");
    EXPECT_EQ(TakeMessages().size(), 1u);
    EXPECT_TRUE(page->GetTopLevelParent()->IsWindowEnabled());
}

class HddDvrPageTest : public HddPageTest
{
protected:
    CTime PickerTime()
    {
        SYSTEMTIME st {};
        page->SendDlgItemMessage(IDC_DVR_REMINDER_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
        return CTime(st);
    }
    bool Visible(int id) { return (page->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }
};

TEST_F(HddDvrPageTest, ActivationShowsPartitionsReminderAndDisk)
{
    Profile(4).version2 = "1.2.0";
    StartDevice();
    ShowPage<CPage10HddDVR>();
    EXPECT_EQ(Checked(IDC_DVR_NORMAL_PARTITION), 1);
    EXPECT_EQ(Checked(IDC_DVR_ALARM_PARTITION), 1);
    EXPECT_TRUE(Visible(IDC_DVR_ALARM_PARTITION));
    EXPECT_EQ(Text(IDC_DVR_NORMAL_PARTITION), "Normal Partition");
    EXPECT_EQ(ComboSelection(IDC_DVR_REMINDER_MODE), 2);
    EXPECT_EQ(ComboSelection(IDC_DVR_REMINDER_WEEKDAY), 4);
    EXPECT_TRUE(Visible(IDC_DVR_REMINDER_WEEKDAY));
    EXPECT_FALSE(Visible(IDC_DVR_REMINDER_DAY));
    EXPECT_EQ(PickerTime().GetHour(), 18);
    EXPECT_EQ(PickerTime().GetMinute(), 30);
    EXPECT_EQ(Text(IDC_HDD_TOTAL_MB), "1907729");
    EXPECT_EQ(Text(IDC_HDD_FREE_MB), "612354");
    EXPECT_EQ(Text(IDC_HDD_USED_MB), "1295375");
    EXPECT_EQ(Text(IDC_HDD_USED_PERCENT), "67");
    EXPECT_EQ(Text(IDC_HDD_FREE_PERCENT), "33");
    const QImage image = Picture();
    // Two thirds used: from the left over the top to the lower right.
    EXPECT_TRUE(Is(image, 470, 215, kUsed));
    EXPECT_TRUE(Is(image, 380, 235, kFree));
    EXPECT_TRUE(Is(image, 380, 205, kUsed));
    SavePicture("page10_hdd_dvr.png");

    // Two switches, each its own bit.
    Click(IDC_DVR_ALARM_PARTITION);
    Click(IDC_PAGE_APPLY);
    auto sent = Sent(kSetPartitions);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 37u);
    EXPECT_EQ(sent[0].params, (sim::Bytes { 0x82, 0x00, 4, 18, 30 }));
}

TEST_F(HddDvrPageTest, FromFirmware133OneSwitchStandsForBothPartitions)
{
    Profile(4).version2 = "1.3.3";
    StartDevice();
    Server().Store().Store(kPartitions, 0, sim::Body().U16(0x0100).U8(0).U8(7).U8(5).bytes);
    ShowPage<CPage10HddDVR>();
    EXPECT_FALSE(Visible(IDC_DVR_ALARM_PARTITION));
    EXPECT_EQ(Text(IDC_DVR_NORMAL_PARTITION), "On");
    EXPECT_EQ(Checked(IDC_DVR_NORMAL_PARTITION), 0);
    EXPECT_TRUE(Visible(IDC_DVR_REMINDER_TIME));
    EXPECT_FALSE(Visible(IDC_DVR_REMINDER_WEEKDAY));
    Click(IDC_DVR_NORMAL_PARTITION);
    Click(IDC_PAGE_APPLY);
    auto sent = Sent(kSetPartitions);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].params, (sim::Bytes { 0xC1, 0x00, 0, 7, 5 }));
    SavePicture("page10_hdd_dvr_daily.png");
}

TEST_F(HddDvrPageTest, AMonthlyReminderTakesADayFrom1To28)
{
    Profile(4);
    StartDevice();
    ShowPage<CPage10HddDVR>();
    SelectCombo(IDC_DVR_REMINDER_MODE, 3);
    EXPECT_TRUE(Visible(IDC_DVR_REMINDER_DAY));
    EXPECT_TRUE(Visible(IDC_DVR_REMINDER_DAY_SPIN));
    EXPECT_FALSE(Visible(IDC_DVR_REMINDER_WEEKDAY));
    CRect rc;
    page->GetDlgItem(IDC_DVR_REMINDER_TIME)->GetWindowRect(&rc);
    page->ScreenToClient(&rc);
    EXPECT_EQ(rc.left, 260);
    SavePicture("page10_hdd_dvr_monthly.png");

    SetText(IDC_DVR_REMINDER_DAY, "29");
    TakeMessages();
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages().size(), 1u) << "the range message";
    EXPECT_TRUE(Sent(kSetPartitions).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));

    // The spin steps the day within its range.
    SetText(IDC_DVR_REMINDER_DAY, "27");
    auto* spin = static_cast<CSpinButtonCtrl*>(page->GetDlgItem(IDC_DVR_REMINDER_DAY_SPIN));
    spin->Step(true);
    spin->Step(true);
    EXPECT_EQ(Text(IDC_DVR_REMINDER_DAY), "28");
    Click(IDC_PAGE_APPLY);
    auto sent = Sent(kSetPartitions);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].params, (sim::Bytes { 0xC3, 0x00, 27, 18, 30 }));
}

TEST_F(HddDvrPageTest, OutOfRangeValuesFromTheDeviceShowSafely)
{
    Profile(4);
    StartDevice();
    // Weekday 9 shows Monday; free above the total shows nothing used.
    Server().Store().Store(kPartitions, 0, sim::Body().U16(0x0200).U8(9).U8(7).U8(5).bytes);
    Server().Store().Store(kRecorderSize, 0, sim::Body().U8(1).U32(1000).U32(5000).bytes);
    ShowPage<CPage10HddDVR>();
    EXPECT_EQ(ComboSelection(IDC_DVR_REMINDER_WEEKDAY), 0);
    EXPECT_EQ(Text(IDC_HDD_USED_MB), "0");
    EXPECT_EQ(Text(IDC_HDD_USED_PERCENT), "0");

    // A failed partition read skips the disk size and shows what was shown.
    Server().Store().Store(kRecorderSize, 0, sim::Body().U8(1).U32(2000).U32(1000).bytes);
    sim::Fault refuse;
    refuse.status = 0xF30C;
    Server().SetFault(kPartitions, refuse);
    ClearSent();
    page->OnSetActive();
    EXPECT_TRUE(Sent(kRecorderSize).empty());
    EXPECT_EQ(Text(IDC_HDD_USED_MB), "0");
    TakeMessages();
}

} // namespace
