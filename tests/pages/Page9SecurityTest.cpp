// The Security page against the simulated devices: the filter as read, the
// end address following the start, the exact body written, the range check
// and the ways a write can fail.
#include "pages/Page9Security.h"
#include "pages/SheetFactory.h"
#include "sim/WireBody.h"
#include "tests/pages/PageFixture.h"

#include <memory>
#include <string>

namespace
{

int Check(int range)
{
    return IDC_SECURITY_RANGE_FIRST + 3 * range;
}
int StartOf(int range)
{
    return Check(range) + 1;
}
int EndOf(int range)
{
    return Check(range) + 2;
}

class Page9SecurityTest : public PageTest
{
protected:
    CPage9Security* Open(uint32_t family = 4, int firmwareClass = 0)
    {
        Profile(family);
        StartDevice();
        view.m_nFirmwareClass = firmwareClass;
        return ShowPage<CPage9Security>();
    }
    // What the poll does 50 ms later.
    void Poll() { page->SendMessage(WM_TIMER, CPage9Security::kFollowTimer); }
    sim::Bytes Written()
    {
        const auto sent = Sent(0x0502);
        return sent.empty() ? sim::Bytes {} : sent.back().params;
    }
    static uint32_t Word(const sim::Bytes& body, size_t at)
    {
        return uint32_t(body[at]) << 24 | uint32_t(body[at + 1]) << 16 | uint32_t(body[at + 2]) << 8
            | body[at + 3];
    }
    void StoreFilter(uint32_t flags, std::initializer_list<std::array<uint32_t, 3>> ranges)
    {
        sim::Body b;
        b.U32(0).Zero(32).U32(flags);
        for (const auto& r : ranges)
            b.U32(r[0]).U32(r[1]).U32(r[2]);
        b.Zero(160 - b.bytes.size());
        Server().Store().Store(0x0501, 0, b.bytes);
    }
};

TEST_F(Page9SecurityTest, ShowsTheFilterAsTheDeviceHasIt)
{
    Open();
    // Filtering off: the policy and the ranges wait for the switch.
    EXPECT_FALSE(Checked(IDC_SECURITY_FILTER));
    EXPECT_TRUE(Checked(IDC_SECURITY_ALLOW));
    EXPECT_FALSE(Enabled(IDC_SECURITY_ALLOW));
    EXPECT_FALSE(Enabled(Check(0)));
    EXPECT_TRUE(Checked(Check(0)));
    EXPECT_EQ(Text(StartOf(0)), "192.168.0.1");
    EXPECT_EQ(Text(EndOf(0)), "192.168.0.254");
    EXPECT_EQ(Text(StartOf(1)), "10.0.0.1");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // The hidden key controls never show.
    EXPECT_FALSE(page->GetDlgItem(IDC_SECURITY_KEY)->IsWindowVisible());
    SavePicture("page9_security_off.png");

    // On with the Deny policy: the boxes keep the state of their ranges.
    StoreFilter(0x80, { { 1, 0x0A000001, 0x0A0000FF }, { 0, 0, 0 } });
    ShowPage<CPage9Security>();
    EXPECT_TRUE(Checked(IDC_SECURITY_FILTER));
    EXPECT_TRUE(Checked(IDC_SECURITY_DENY));
    EXPECT_TRUE(Enabled(IDC_SECURITY_ALLOW));
    EXPECT_TRUE(Enabled(StartOf(0)));
    EXPECT_FALSE(Checked(Check(1)));
    EXPECT_FALSE(Enabled(StartOf(1)));
    SavePicture("page9_security_deny.png");
    // Applied as shown, the flags go back as 0x80.
    Click(Check(1));
    Click(Check(1));
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(Word(Written(), 36), 0x80u);
}

TEST_F(Page9SecurityTest, TheEndFollowsTheStartAndTheBodyIsWrittenExactly)
{
    Open();
    Click(IDC_SECURITY_FILTER);
    EXPECT_TRUE(Enabled(StartOf(0)));
    Click(IDC_SECURITY_DENY);
    Click(Check(2));
    // An end typed first is overwritten by the next change of the start.
    SetText(EndOf(2), "172.16.0.99");
    SetText(StartOf(2), "172.16.0.1");
    Poll();
    EXPECT_EQ(Text(EndOf(2)), "172.16.0.1");
    SetText(EndOf(2), "172.16.0.50");
    Poll();
    EXPECT_EQ(Text(EndOf(2)), "172.16.0.50");
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    const auto sent = Sent(0x0502);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 192u);
    const sim::Bytes& body = sent[0].params;
    ASSERT_EQ(body.size(), 160u);
    EXPECT_EQ(sim::Bytes(body.begin(), body.begin() + 36), sim::Bytes(36, 0));
    EXPECT_EQ(Word(body, 36), 0x80u); // on, deny
    EXPECT_EQ(Word(body, 40), 1u);
    EXPECT_EQ(Word(body, 44), 0xC0A80001u);
    EXPECT_EQ(Word(body, 64), 1u);
    EXPECT_EQ(Word(body, 68), 0xAC100001u);
    EXPECT_EQ(Word(body, 72), 0xAC100032u);
    // What was written is what the next activation shows.
    ShowPage<CPage9Security>();
    EXPECT_TRUE(Checked(IDC_SECURITY_DENY));
    EXPECT_EQ(Text(EndOf(2)), "172.16.0.50");
}

TEST_F(Page9SecurityTest, ARangeBackwardsStopsTheApply)
{
    Open();
    Click(IDC_SECURITY_FILTER);
    Click(Check(1));
    SetText(StartOf(1), "10.0.0.9");
    Poll();
    SetText(EndOf(1), "10.0.0.8");
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(
        TakeMessages(), std::vector<std::string> { "The second IP address range is not set correctly." });
    EXPECT_TRUE(Sent(0x0502).empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    EXPECT_EQ(CWnd::GetFocus(), page->GetDlgItem(StartOf(1)));

    // A range switched off, or the filter off, checks nothing.
    Click(Check(1));
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Sent(0x0502).size(), 1u);
    Click(Check(1));
    Click(IDC_SECURITY_FILTER);
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    ASSERT_EQ(Sent(0x0502).size(), 2u);
    EXPECT_EQ(Word(Written(), 36), 0x40u); // off, allow
    // Equal ends are a range of one address.
    Click(IDC_SECURITY_FILTER);
    SetText(EndOf(1), "10.0.0.9");
    Click(IDC_PAGE_APPLY);
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Sent(0x0502).size(), 3u);
}

TEST_F(Page9SecurityTest, FailuresOfTheWriteAndTheRead)
{
    Open();
    Click(IDC_SECURITY_FILTER);
    Server().SetFault(0x0502, { .status = 0xF309 });
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Invalid value" });
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    Click(IDC_SECURITY_FILTER);
    Server().SetFault(0x0502, { .closeWithoutReply = true });
    Click(IDC_PAGE_APPLY);
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Connection failed." });
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));

    // A failed read leaves the controls as they were and writes nothing on OK.
    Server().ClearFaults();
    Server().SetFault(0x0501, { .closeWithoutReply = true });
    ShowPage<CPage9Security>();
    EXPECT_EQ(Text(StartOf(0)), "..."); // four blank fields
    ClearSent();
    Click(IDC_PAGE_OK);
    EXPECT_TRUE(Sent(0x0502).empty());
}

TEST_F(Page9SecurityTest, LeavingWithAChangeAsks)
{
    Open();
    Click(IDC_SECURITY_FILTER);
    boxes.Answer(IDCANCEL);
    EXPECT_TRUE(page->OnKillActive());
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Do you like to confirm the new configuration?" });
    EXPECT_TRUE(Sent(0x0502).empty());
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    // Cancel sends nothing; WM_PAGE_CANCEL is Cancel on this page.
    Click(IDC_SECURITY_FILTER);
    page->SendMessage(WM_PAGE_CANCEL);
    EXPECT_TRUE(Sent(0x0502).empty());
}

TEST_F(Page9SecurityTest, AStreamingServerOfTheFirstFirmwareHasNoSwitch)
{
    Open(2, 0);
    EXPECT_FALSE(Enabled(IDC_SECURITY_FILTER));
    Close();
    Open(2, 1);
    EXPECT_TRUE(Enabled(IDC_SECURITY_FILTER));
}

TEST(Page9SecurityByName, TheSheetMakesIt)
{
    std::unique_ptr<CConfigPage> made(CreatePageByClassName("CPage9Security"));
    EXPECT_NE(dynamic_cast<CPage9Security*>(made.get()), nullptr);
}

} // namespace
