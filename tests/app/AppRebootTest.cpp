// The reboot of the logged-in device in the running program: the question,
// the reboot request, the wait box while the simulated DVR restarts and the
// discovery reply that ends it. Timers run on a manual clock; the device's
// restart takes real time.
#include "AppDeviceFixture.h"

#include "devtree/MySuperGrid.h"
#include "link/CurrentDevice.h"
#include "pages/RebootWaitDlg.h"
#include "pages/common/RebootFlow.h"

namespace
{

constexpr uint32_t kDoor = 0x7F00000B;

class AppRebootTest : public AppDeviceTest
{
protected:
    // The door DVR restarts in `rebootMs` (negative: never) and is logged in.
    void LogIn(int rebootMs)
    {
        sim::DeviceProfile profile = DvrProfile(kDoor);
        profile.rebootMs = rebootMs;
        m_door = AddDevice(profile, "secret");
        // Discovery answers for the device the configuration server runs.
        m_responder.Update(m_door, [this](sim::DiscoveryDevice& d) { d.settings = &Server(m_door).Store(); });
        fixture::Device door = Record(m_door, "Door");
        door.login = { "admin", "secret" };
        WriteTree({ door });
        ASSERT_TRUE(m_responder.Start());
        ASSERT_TRUE(Start());
        m_node = ClickDevice(kDoor);
        ASSERT_NE(m_node, nullptr);
        Login("secret");
        ASSERT_TRUE(View()->HasSheet());
        // The start's discovery rounds are over and their answers in before
        // the reboot, so that no late answer passes for the device's return.
        Step(4000);
        WaitQuiet();
        m_boxes.Clear();
    }
    // Discovery requests the door took since `from` (an index into the log).
    size_t Probes(size_t from = 0) const
    {
        size_t n = 0;
        const auto log = m_responder.Log();
        for (size_t i = from; i < log.size(); ++i)
            n += log[i].command == 0x0101 && log[i].to == kDoor;
        return n;
    }
    // Runs the reboot; the wait box lives `ms` of the manual clock.
    BOOL Reboot(DWORD ms)
    {
        m_dialogs.script = [this, ms](CDialog* box) {
            auto* wait = dynamic_cast<CRebootWaitDlg*>(box);
            ASSERT_NE(wait, nullptr);
            m_waitText = wait->m_strMessage;
            m_offlineDuringWait = m_node->m_lpNodeInfo->GetImage() == TREE_IMAGE_OFFLINE;
            for (DWORD done = 0; done < ms && !box->IsModalEnded(); done += 100)
                Step(100);
            m_endedAt = m_clock.GetTickCount() - m_startTick;
        };
        m_startTick = m_clock.GetTickCount();
        CConfigSession session;
        const BOOL back = RebootDevice(session, View(), View(), SystemRebootTexts(TRUE));
        m_dialogs.script = nullptr;
        return back;
    }

    size_t m_door = 0;
    CTreeItem* m_node = nullptr;
    CString m_waitText;
    bool m_offlineDuringWait = false;
    DWORD m_startTick = 0;
    DWORD m_endedAt = 0;
};

TEST_F(AppRebootTest, TheWaitEndsWhenTheRestartedDeviceAnswersDiscovery)
{
    LogIn(300);
    m_boxes.Answer(IDYES);
    const size_t logStart = m_responder.Log().size();
    EXPECT_TRUE(Reboot(40000));

    const auto boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], "The DVR will be rebooted. It takes 10 to 20 seconds. Are you sure?");
    EXPECT_EQ(boxes[1], "The DVR is booted.");
    EXPECT_EQ(m_waitText, "The DVR will be rebooted. It takes 10 or 20 seconds.");
    ASSERT_EQ(Server(m_door).Log().back().command, 0x0103);
    // Off line while away, on line again once it answered; polling starts
    // at second 10, so the first poll at 12 s finds it.
    EXPECT_TRUE(m_offlineDuringWait);
    EXPECT_EQ(m_node->m_lpNodeInfo->GetImage(), TREE_IMAGE_ONLINE);
    EXPECT_GE(m_endedAt, 10000u);
    EXPECT_LT(m_endedAt, 30000u);
    EXPECT_GE(Probes(logStart), 2u);
}

TEST_F(AppRebootTest, ADeviceThatNeverAnswersEndsTheWaitAfterThirtySecondsWithTheFailure)
{
    LogIn(-1);
    m_boxes.Answer(IDYES);
    const size_t logStart = m_responder.Log().size();
    EXPECT_FALSE(Reboot(60000));

    const auto boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1], "Booting failed.");
    EXPECT_GE(m_endedAt, 30000u);
    EXPECT_LE(m_endedAt, 30200u);
    // One probe at the start, then one every two seconds from second 12 to 30.
    EXPECT_GE(Probes(logStart), 10u);
    EXPECT_LE(Probes(logStart), 12u);
    // Nothing waits for the device any more: a late answer reaches the tree only.
    EXPECT_EQ(m_node->m_lpNodeInfo->GetImage(), TREE_IMAGE_OFFLINE);
}

TEST_F(AppRebootTest, NoSendsNothingAndARefusedRequestFailsAtOnce)
{
    LogIn(300);
    const size_t dialogsBefore = m_dialogs.captions.size();
    m_boxes.Answer(IDNO);
    EXPECT_FALSE(Reboot(1000));
    EXPECT_EQ(BoxTexts().size(), 1u);
    EXPECT_NE(Server(m_door).Log().back().command, 0x0103);

    m_boxes.Clear();
    Server(m_door).SetFault(0x0103, sim::Fault { .status = 0xF311 });
    m_boxes.Answer(IDYES);
    EXPECT_FALSE(Reboot(1000));
    const auto boxes = BoxTexts();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1], "Your command is not allowed in remote setup.");
    EXPECT_EQ(boxes[2], "Booting failed.");
    // The wait box never came up.
    EXPECT_EQ(m_dialogs.captions.size(), dialogsBefore);
}

} // namespace
