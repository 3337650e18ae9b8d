// The System Log page against the simulated recorder: its lines in the
// device's order and local time, the events it leaves out and the zones it
// cannot place.
#include "pages/Page17Log.h"
#include "pages/SheetFactory.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"

#include <memory>
#include <string>

namespace
{

// 10 December 2026, 08:00 UTC: winter in Berlin.
constexpr int64_t kWinter = 1796889600;
// 15 July 2026: summer.
constexpr int64_t kSummer = 1784110830;

class Page17LogTest : public PageTest
{
protected:
    CPage17Log* Open(uint32_t zone = 26, int64_t now = kWinter)
    {
        sim::DeviceProfile& p = Profile(4, 2);
        p.zone = zone;
        p.clock = [now] { return now; };
        StartDevice();
        return ShowPage<CPage17Log>();
    }
    std::string Line(CPage17Log* log, int row)
    {
        return std::string(log->m_LogList.GetItemText(row, 0).GetString()) + " | "
            + log->m_LogList.GetItemText(row, 1).GetString();
    }
    static sim::Bytes Log(std::initializer_list<std::pair<uint32_t, uint32_t>> records)
    {
        sim::Body b;
        b.U32(uint32_t(records.size()));
        for (const auto& [time, code] : records)
            b.U32(time).U32(0).U32(1).U32(code << 8);
        return b.bytes;
    }
};

TEST_F(Page17LogTest, ListsTheKnownEventsInTheDevicesOrderAndLocalTime)
{
    CPage17Log* log = Open();
    const std::vector<std::string> expected = {
        "2026/12/08 09:00:00 | Power On",
        "2026/12/08 09:05:00 | Config Changed",
        "2026/12/08 10:00:00 | Record Off Manualy",
        "2026/12/08 10:01:00 | Record On Manualy",
        "2026/12/09 09:00:00 | Power Interrupted",
        "2026/12/09 09:01:00 | Power On",
        "2026/12/09 10:00:00 | Time Shift Start",
        "2026/12/09 10:00:05 | Time Shift Finish",
    };
    ASSERT_EQ(log->m_LogList.GetItemCount(), int(expected.size()));
    for (size_t row = 0; row < expected.size(); ++row)
        EXPECT_EQ(Line(log, int(row)), expected[row]);
    EXPECT_EQ(log->m_LogList.GetColumnWidth(0), 130);
    EXPECT_EQ(std::string(g_LogEvents[1].text), "Power Off");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // The request carries the credentials only.
    ASSERT_EQ(Sent(0x0E07).size(), 1u);
    EXPECT_EQ(Sent(0x0E07)[0].length, 32u);
    SavePicture("page17_log.png");

    // Nothing to write: OK ends the session without a set.
    ClearSent();
    Click(IDC_PAGE_OK);
    EXPECT_EQ(Server().Log().size(), 0u);
}

TEST_F(Page17LogTest, SummerTimeAddsItsHour)
{
    CPage17Log* log = Open(26, kSummer);
    ASSERT_GT(log->m_LogList.GetItemCount(), 0);
    EXPECT_EQ(Line(log, 0), "2026/12/08 10:00:00 | Power On");
}

TEST_F(Page17LogTest, OnlyUnknownEventsLeaveTheListEmpty)
{
    CPage17Log* log = Open();
    Server().Store().Store(0x0E07, 0, Log({ { 1796716800, 0x3A0 }, { 1796716900, 0x100 } }));
    ShowPage<CPage17Log>();
    log = static_cast<CPage17Log*>(page);
    EXPECT_EQ(log->m_LogList.GetItemCount(), 0);
}

TEST_F(Page17LogTest, AZoneOutsideTheTableKeepsTheOffsetReadBefore)
{
    CPage17Log* log = Open(99);
    ASSERT_GT(log->m_LogList.GetItemCount(), 0);
    EXPECT_EQ(log->m_nZoneOffset, 0);
    EXPECT_EQ(Line(log, 0), "2026/12/08 08:00:00 | Power On");
}

TEST_F(Page17LogTest, ALogFillingTheLargeBufferIsListed)
{
    Open();
    // 1000 records of 16 bytes: more than the usual buffer takes.
    sim::Body b;
    b.U32(1000);
    for (uint32_t i = 0; i < 1000; ++i)
        b.U32(1796716800 + i).U32(0).U32(1).U32(0x300 << 8);
    Server().Store().Store(0x0E07, 0, b.bytes);
    ShowPage<CPage17Log>();
    auto* log = static_cast<CPage17Log*>(page);
    EXPECT_EQ(log->m_LogList.GetItemCount(), 1000);
    // Beyond 16,384 bytes the reply is refused and the list stays empty.
    b.bytes.resize(4);
    b.bytes[2] = 0x04; // 1024 records
    b.bytes[3] = 0x00;
    for (uint32_t i = 0; i < 1024; ++i)
        b.U32(1796716800 + i).U32(0).U32(1).U32(0x300 << 8);
    Server().Store().Store(0x0E07, 0, b.bytes);
    ShowPage<CPage17Log>();
    log = static_cast<CPage17Log*>(page);
    EXPECT_EQ(log->m_LogList.GetItemCount(), 0);
    EXPECT_TRUE(TakeMessages().empty());
}

TEST(Page17LogByName, NoSheetHoldsItButItIsMadeByName)
{
    std::unique_ptr<CConfigPage> made(CreatePageByClassName("CPage17Log"));
    EXPECT_NE(dynamic_cast<CPage17Log*>(made.get()), nullptr);
}

} // namespace
