#include "link/DialUpConnection.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct Report {
    WPARAM kind;
    std::string text;
    bool hadText;
};

// The owner window: records every WM_DIAL_STATUS and can cancel the dial
// when a given progress text arrives.
class COwnerWnd : public CWndBase
{
public:
    std::vector<Report> reports;
    CDialUpConnection* connection = nullptr;
    std::string cancelOn;
    bool Finished() const
    {
        return !reports.empty() && (reports.back().kind == 0 || reports.back().kind == 2);
    }

private:
    LRESULT OnDialStatus(WPARAM wParam, LPARAM lParam)
    {
        const char* text = reinterpret_cast<const char*>(lParam);
        reports.push_back({ wParam, text ? text : "", text != nullptr });
        if (wParam == 1 && connection && !cancelOn.empty() && cancelOn == reports.back().text)
            connection->m_bCancel = 1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWndBase)
ON_MESSAGE(WM_DIAL_STATUS, OnDialStatus)
END_MESSAGE_MAP()

class DialUpTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(owner.CreateMessageWindow()); }
    void TearDown() override { owner.DestroyWindow(); }

    // Dials on a thread of its own and waits for the last report.
    void DialThreaded(CDialUpConnection& connection)
    {
        owner.connection = &connection;
        ASSERT_TRUE(connection.Dial("5551234", "guest", "secret", TRUE));
        ASSERT_TRUE(PumpMessagesUntil([this] { return owner.Finished(); }, 20000));
    }
    std::vector<std::string> Texts(WPARAM kind) const
    {
        std::vector<std::string> texts;
        for (const Report& r : owner.reports) {
            if (r.kind == kind)
                texts.push_back(r.text);
        }
        return texts;
    }

    ManualClock clock;
    ScopedService<IClock> clockService { &clock };
    ScriptedDialUpService dialUp;
    ScopedService<IDialUpService> dialUpService { &dialUp };
    COwnerWnd owner;
};

TEST_F(DialUpTest, ReportsEveryStateInOrderUntilConnected)
{
    dialUp.SetStates({ 0, 2, 5, 77, 14, RASCS_Connected });
    CDialUpConnection connection(&owner);
    DialThreaded(connection);

    EXPECT_EQ(Texts(1),
        (std::vector<std::string> { "Opening port...", "Dialing 5551234...",
            "Verifying the user name and password...", "",
            "The client has successfully completed authentication.",
            "Connect to remote server successfully! Please wait..." }));
    ASSERT_EQ(Texts(0).size(), 1u);
    EXPECT_EQ(Texts(0)[0], "Connect to remote server successfully! Please wait...");
    EXPECT_EQ(owner.reports.back().kind, 0u);
    EXPECT_EQ(connection.m_nResult, 0);
    ASSERT_EQ(dialUp.Dials().size(), 1u);
    EXPECT_EQ(dialUp.Dials()[0].number, "5551234");
    EXPECT_EQ(dialUp.Dials()[0].user, "guest");
    EXPECT_EQ(dialUp.Dials()[0].password, "secret");
    // A success leaves the line up: the owner hangs up when it wants to.
    EXPECT_EQ(dialUp.OpenConnections(), 1u);
}

TEST_F(DialUpTest, FailuresEndWithTheirTextAndANonZeroResult)
{
    struct Case {
        std::vector<int> states;
        DWORD dialError;
        const char* errorText; // the service's text for dialError, or null
        std::string finalText;
        int result;
        size_t progressReports;
    };
    const Case cases[] = {
        { { 0, 5, RASCS_AuthNotify }, 0, nullptr, "Authentication failed.", -1, 3 },
        { { 2, RASCS_Disconnected }, 0, nullptr, "Disconnected", -1, 2 },
        { {}, 633, "The port is already in use or is not configured.",
            "The port is already in use or is not configured.", 633, 0 },
        { {}, 777, nullptr, "Undefined RAS Dial Error (777).", 777, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.finalText);
        ScriptedDialUpService service;
        ScopedService<IDialUpService> installed(&service);
        if (!c.states.empty())
            service.SetStates(c.states);
        service.SetDialResult(c.dialError);
        if (c.errorText)
            service.SetErrorText(c.dialError, c.errorText);
        owner.reports.clear();
        CDialUpConnection connection(&owner);
        DialThreaded(connection);

        EXPECT_EQ(Texts(1).size(), c.progressReports);
        ASSERT_EQ(Texts(0).size(), 1u);
        EXPECT_EQ(Texts(0)[0], c.finalText);
        EXPECT_EQ(connection.m_nResult, c.result);
        // A failed dial hangs up the handle it got; a failure while polling
        // leaves that to the owner.
        EXPECT_EQ(service.OpenConnections(), c.dialError ? 0u : 1u);
    }
}

TEST_F(DialUpTest, CancelEndsAtTheNextPollWithoutAFinalReport)
{
    dialUp.SetStates({ 0, 1, 2 }); // dialling goes on for ever
    CDialUpConnection connection(&owner);
    owner.cancelOn = "Port has been opened successfully";
    DialThreaded(connection);

    ASSERT_EQ(owner.reports.size(), 3u);
    EXPECT_EQ(owner.reports[2].kind, 2u);
    EXPECT_FALSE(owner.reports[2].hadText);
    EXPECT_TRUE(Texts(0).empty());
    EXPECT_EQ(dialUp.StatusQueries(), 2u);
}

TEST_F(DialUpTest, WithoutOwnerTheDialRunsSilentlyAndGivesItsResult)
{
    dialUp.SetStates({ 0, RASCS_Connected });
    CDialUpConnection connected(nullptr);
    EXPECT_TRUE(connected.Dial("1", "u", "p", FALSE));
    EXPECT_EQ(connected.m_nResult, 0);

    dialUp.SetStates({ 0, RASCS_Disconnected });
    CDialUpConnection dropped(nullptr);
    EXPECT_FALSE(dropped.Dial("1", "u", "p", FALSE));
    EXPECT_EQ(dropped.m_nResult, -1);
    EXPECT_STREQ(dropped.m_szStatus, "Disconnected");
    PumpWaitingMessages();
    EXPECT_TRUE(owner.reports.empty());
}

TEST_F(DialUpTest, DiallingOnTheCallersThreadKeepsItsWindowsAnswering)
{
    dialUp.SetStates({ 0, 5, RASCS_Connected });
    ASSERT_TRUE(owner.PostMessage(WM_DIAL_STATUS, 9, 0)); // waiting before the dial starts
    CDialUpConnection connection(&owner);
    EXPECT_TRUE(connection.Dial("1", "u", "p", FALSE));
    ASSERT_GE(owner.reports.size(), 4u);
    EXPECT_EQ(owner.reports[0].kind, 9u); // handled between polls, not after the dial
    EXPECT_EQ(Texts(1).size(), 3u);
}

TEST_F(DialUpTest, LongTextsAreCutToTheirFields)
{
    CDialUpConnection connection(nullptr);
    connection.Dial(
        "0123456789012345678901234567890123456789", "a-very-long-user-name", "a-very-long-password", FALSE);
    ASSERT_EQ(dialUp.Dials().size(), 1u);
    EXPECT_EQ(dialUp.Dials()[0].number, "0123456789012345678901234567890");
    EXPECT_EQ(dialUp.Dials()[0].user, "a-very-long-use");
    EXPECT_EQ(dialUp.Dials()[0].password, "a-very-long-pas");
}

TEST_F(DialUpTest, DeletingTheConnectionWhileDiallingStopsItsThread)
{
    dialUp.SetStates({ 0 });
    auto* connection = new CDialUpConnection(&owner);
    ASSERT_TRUE(connection->Dial("1", "u", "p", TRUE));
    ASSERT_TRUE(PumpMessagesUntil([this] { return owner.reports.size() >= 2; }, 20000));
    delete connection; // must neither hang nor leave the thread reading freed memory
    PumpWaitingMessages();
    EXPECT_EQ(owner.reports.back().kind, 2u);
}

TEST_F(DialUpTest, HangUpAllAndTheConnectedTest)
{
    EXPECT_FALSE(IsDialUpConnected());
    EXPECT_TRUE(HangUpAllDialUp());

    dialUp.AddOpenConnection();
    dialUp.AddOpenConnection(true);
    dialUp.AddOpenConnection();
    EXPECT_TRUE(IsDialUpConnected());
    EXPECT_FALSE(HangUpAllDialUp()); // one refused ...
    EXPECT_EQ(dialUp.OpenConnections(), 1u); // ... the others were hung up
    EXPECT_EQ(dialUp.HangUps(), 3u);

    dialUp.SetEnumResult(610);
    EXPECT_FALSE(IsDialUpConnected());
    EXPECT_FALSE(HangUpAllDialUp());
}

TEST(DialUpSystemService, SaysClearlyThatDialUpIsNotAvailable)
{
    CDialUpConnection connection(nullptr);
    EXPECT_FALSE(connection.Dial("5551234", "guest", "secret", FALSE));
    EXPECT_STREQ(connection.m_szStatus, "Dial-up networking is not available on this system.");
    EXPECT_NE(connection.m_nResult, 0);
    EXPECT_FALSE(IsDialUpConnected());
    EXPECT_TRUE(HangUpAllDialUp());
}

} // namespace
