// The change of a device's address, against simulated devices that answer
// discovery on loopback addresses. Timers run on a manual clock.
#include "app/ConfigView.h"
#include "link/CurrentDevice.h"
#include "app/DeviceSelection.h"
#include "link/DeviceHelpers.h"
#include "link/MsgSocket.h"
#include "platform/base/TestServices.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"
#include "sim/DiscoveryResponder.h"
#include "tests/pages/SetupTestResources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

// A view the fixture owns: it must not delete itself with its window.
class CTestConfigView : public CConfigView
{
public:
    CTestConfigView() { m_bAutoDelete = FALSE; }
};

constexpr uint32_t kOld = 0x7F000005;
constexpr uint32_t kNew = 0x7F000009;
constexpr uint32_t kLoopbackBroadcast = 0x7FFFFFFF;

// The device-selection side: one discovery socket on loopback, and the
// address-change waiter as the device-selection view keeps it.
class CTestSelection : public IDeviceSelection, public CDiscoveryOwner
{
public:
    void SetDevicePassword(int, const BYTE*, BOOL) override { }
    void SetDevicePorts(DWORD, DWORD, DWORD) override { }
    void UpdateSelectedDevice() override { }
    void UpdateDeviceInfo() override { }
    void OnLoggedIn(const char*, const BYTE*, BOOL) override { }
    void RediscoverDevice(DWORD address) override { rediscovered = address; }
    BOOL ReqUniQuestMsg(const char* address) override
    {
        ++probes;
        return failSends ? FALSE : socket.ReqUniQuestMsg(address);
    }
    void ReqChangeIpMsg(const BYTE password[16], const BYTE mac[6], DWORD newAddress) override
    {
        ++changes;
        socket.ReqChngIPAddrMsg(password, mac, newAddress);
    }
    BOOL FindConnectedDevice(DWORD) override { return FALSE; }
    void SetIpChangeWaiter(CConfigView* pView, DWORD address) override
    {
        waiter = pView;
        awaited = address;
    }
    void PrepareExit() override { }

    void ResDiscoverProc(RES_DISCOVER_OVEL* pReply) override
    {
        if (waiter && pReply->ipAddress == awaited) {
            CConfigView* view = waiter;
            waiter = nullptr;
            awaited = 0;
            view->OnIpChangeReply(pReply);
        }
    }
    void SetChangedIp() override { }

    CMsgSocket socket;
    CConfigView* waiter = nullptr;
    DWORD awaited = 0;
    DWORD rediscovered = 0;
    bool failSends = false;
    int probes = 0;
    int changes = 0;
};

class ConfigViewIpChangeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        network.broadcastTargets = { kLoopbackBroadcast };
        sim::DiscoveryDevice device;
        device.profile = sim::MakeProfile(4);
        device.profile.address = kOld;
        device.profile.password = "admin";
        mover = responder.AddDevice(device);

        ASSERT_TRUE(frame.CreateEx(
            0, nullptr, "Pellmoor Tarnwick", WS_OVERLAPPEDWINDOW, 0, 0, 800, 634, nullptr, nullptr));
        ASSERT_TRUE(
            view.Create("ConfigView", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 550, 600), &frame, 0xE900));
        ASSERT_TRUE(selection.socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
        selection.socket.Init(&selection);
        SetDeviceSelection(&selection);

        SELECTED_DEVICE selected {};
        std::strcpy(selected.szName, "Door");
        selected.dwIpAddress = kOld;
        selected.dwConfigPort = 8405;
        selected.bMacText = 1;
        selected.dwFamily = 4;
        std::memcpy(selected.byMac, device.profile.mac, 6);
        g_CurrentDevice = SELECTED_DEVICE();
        view.SelectDevice(&selected, 0);
    }
    void TearDown() override
    {
        SetDeviceSelection(nullptr);
        selection.socket.Close();
        responder.Stop();
        view.DestroyWindow();
        frame.DestroyWindow();
    }
    bool WaitFor(const std::function<bool()>& done) { return PumpMessagesUntil(done, 10000); }
    // Moves the clock in steps, letting replies arrive between them.
    void Advance(DWORD ms)
    {
        for (DWORD done = 0; done < ms; done += 100) {
            clock.Advance(100);
            PumpMessagesUntil([] { return false; }, 20);
        }
    }
    bool Changing() const { return view.IsIpChanging(); }

    FixedNetworkEnvironment network;
    ScopedService<INetworkEnvironment> networkScope { &network };
    ManualClock clock;
    ScopedService<IClock> clockScope { &clock };
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
    RecordingProcessControl process;
    ScopedService<IProcessControl> processScope { &process };
    sim::DiscoveryResponder responder;
    size_t mover = 0;
    CWnd frame;
    CTestConfigView view;
    CTestSelection selection;
};

TEST_F(ConfigViewIpChangeTest, AnAddressInUseIsRefusedBeforeAnyChange)
{
    sim::DiscoveryDevice other;
    other.profile = sim::MakeProfile(4);
    other.profile.address = kNew;
    other.profile.mac[5] = 0x99;
    responder.AddDevice(other);
    ASSERT_TRUE(responder.Start());

    view.StartIpChange(kNew, "admin");
    EXPECT_TRUE(Changing());
    ASSERT_TRUE(WaitFor([&] { return !Changing(); }));
    EXPECT_EQ(view.WaitBoxText(), "The IP address is already used. Please use another one.");
    EXPECT_EQ(selection.changes, 0);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kOld);
}

TEST_F(ConfigViewIpChangeTest, TheDeviceAnswersAtItsNewAddress)
{
    ASSERT_TRUE(responder.Start());
    view.StartIpChange(kNew, "admin");
    Advance(3000); // nobody answers at the new address: the change goes out
    EXPECT_EQ(selection.changes, 1);
    Advance(2100); // the repeated probe finds the device there
    ASSERT_TRUE(WaitFor([&] { return !Changing(); }));
    EXPECT_EQ(view.WaitBoxText(), "IP change OK!");
    EXPECT_EQ(selection.rediscovered, kNew);
    ASSERT_EQ(process.started.size(), 1u);
    EXPECT_EQ(process.started[0].program, "ip");
    EXPECT_EQ(process.started[0].args, (std::vector<std::string> { "neigh", "flush", "127.0.0.5" }));
    EXPECT_EQ(responder.Device(mover).profile.address, kNew);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ConfigViewIpChangeTest, ADeviceThatDoesNotMoveEndsInATimeOut)
{
    responder.Update(mover, [](sim::DiscoveryDevice& d) { d.changeStatus = 0xF301; });
    ASSERT_TRUE(responder.Start());
    view.StartIpChange(kNew, "admin");
    Advance(3000);
    EXPECT_EQ(selection.changes, 1);
    Advance(5100);
    ASSERT_TRUE(WaitFor([&] { return !Changing(); }));
    EXPECT_EQ(view.WaitBoxText(), "Failed to change IP address.");
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kOld);
    EXPECT_EQ(std::string(g_CurrentDevice.szAddress), "127.0.0.5");
    EXPECT_TRUE(process.started.empty());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(ConfigViewIpChangeTest, AFailedFirstSendEndsTheChange)
{
    ASSERT_TRUE(responder.Start());
    selection.failSends = true;
    view.StartIpChange(kNew, "admin");
    EXPECT_FALSE(Changing());
    EXPECT_EQ(view.WaitBoxText(), "Failed to change IP address.");
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(selection.waiter, nullptr);
    Advance(10000); // no timer is left to fire
    EXPECT_EQ(selection.changes, 0);
    EXPECT_EQ(selection.probes, 1);
}

TEST_F(ConfigViewIpChangeTest, TheButtonRefusesAnIncompleteOrEmptyAddress)
{
    for (const char* text : { "0.0.0.0", "127.0.0", "" }) {
        boxes.Clear();
        view.GetDlgItem(IDC_DEVICE_ADDRESS)->SetWindowText(text);
        view.OnButtonChangeIp();
        ASSERT_EQ(boxes.Boxes().size(), 1u) << text;
        EXPECT_EQ(std::string(boxes.Boxes()[0].text), "Invalid IP address. Please input correct IP address.");
    }
    EXPECT_FALSE(Changing());
}

} // namespace
