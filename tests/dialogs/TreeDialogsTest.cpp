// The dialogs the device tree opens, driven through their control ids inside
// DoModal; the Add New DVR probe against a simulated device.
#include "link/CurrentDevice.h"
#include "devtree/NewFolderDlg.h"
#include "dialogs/AddDvrDlg.h"
#include "dialogs/AddGroupIdDlg.h"
#include "dialogs/AddRegServerDlg.h"
#include "dialogs/IpAddressDlg.h"
#include "dialogs/PortAssignDlg.h"
#include "link/DeviceHelpers.h"
#include "link/MsgSocket.h"
#include "platform/base/TestServices.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"
#include "sim/DiscoveryResponder.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstring>
#include <functional>

namespace
{

class ScriptedRunner : public IModalDialogRunner
{
public:
    explicit ScriptedRunner(std::function<void(CDialog*)> script)
        : m_script(std::move(script))
    {
    }
    void RunModalLoop(CWnd* dialog) override { m_script(dynamic_cast<CDialog*>(dialog)); }

private:
    std::function<void(CDialog*)> m_script;
};

// The probe holds the wait cursor once, from Start Probe until it ends.
bool WaitCursorShown()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

bool OkEnabled(CDialog* dlg)
{
    return dlg->GetDlgItem(IDOK)->IsWindowEnabled();
}

class TreeDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AfxSetResourceHandle(SetupResourceModule());
        SetStringLoader([](UINT id, CString& text) {
            const char* found = FindStringResource(SetupResourceModule(), id);
            if (found)
                text = found;
            return found != nullptr;
        });
        g_CurrentDevice = SELECTED_DEVICE();
        g_CurrentDevice.dwFamily = DEVICE_FAMILY_DVR;
    }
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
};

TEST_F(TreeDialogs, AddEntryDialogsEnableOkOnlyWithText)
{
    struct Case {
        const char* name;
        std::function<INT_PTR(CWnd*)> run;
        int edit;
    };
    CString folder, group, server;
    const Case cases[] = {
        { "new folder",
            [&](CWnd*) {
                CNewFolderDlg dlg;
                const INT_PTR r = dlg.DoModal();
                folder = dlg.m_strFolderName;
                return r;
            },
            IDC_FOLDER_NAME },
        { "group id",
            [&](CWnd*) {
                CAddGroupIdDlg dlg;
                const INT_PTR r = dlg.DoModal();
                group = dlg.m_strGroupId;
                return r;
            },
            IDC_GROUP_ID },
        { "registration server",
            [&](CWnd*) {
                CAddRegServerDlg dlg;
                const INT_PTR r = dlg.DoModal();
                server = dlg.m_strServer;
                return r;
            },
            IDC_REG_SERVER },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRunner runner([&](CDialog* dlg) {
            EXPECT_FALSE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "x");
            EXPECT_TRUE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "");
            EXPECT_FALSE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "  "); // blanks count as a name
            EXPECT_TRUE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "Depot");
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
        });
        ScopedService<IModalDialogRunner> use(&runner);
        EXPECT_EQ(c.run(nullptr), IDOK);
    }
    EXPECT_EQ(folder, "Depot");
    EXPECT_EQ(group, "Depot");
    EXPECT_EQ(server, "Depot");
}

TEST_F(TreeDialogs, PortAssignmentGivesTheModeAndItsPorts)
{
    // Firewall without Advanced keeps port 80.
    ScriptedRunner firewall([](CDialog* dlg) {
        dlg->SendDlgItemMessage(IDC_MODE_FIREWALL, BM_CLICK);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    {
        ScopedService<IModalDialogRunner> use(&firewall);
        CPortAssignDlg dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nMode, PORT_MODE_FIREWALL);
        EXPECT_EQ(dlg.m_nFirewallPort, 80u);
    }
    // Normal with Advanced: the detail dialog's ports come back.
    int depth = 0;
    ScriptedRunner normal([&](CDialog* dlg) {
        if (depth++ == 0) {
            dlg->SendDlgItemMessage(IDC_PORT_ADVANCED, BM_CLICK);
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
            return;
        }
        EXPECT_EQ(dlg->GetDlgItemInt(IDC_MONITOR_PORT), 8001u);
        dlg->SetDlgItemText(IDC_MONITOR_PORT, "9001");
        dlg->SetDlgItemText(IDC_PLAYBACK_PORT, "9105");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&normal);
    CPortAssignDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nMode, PORT_MODE_NORMAL);
    EXPECT_EQ(dlg.m_nMonitorPort, 9001u);
    EXPECT_EQ(dlg.m_nPlaybackPort, 9105u);
}

TEST_F(TreeDialogs, AddressEntryRefusesIncompleteAndZeroAddresses)
{
    ScriptedRunner runner([&](CDialog* dlg) {
        for (const char* bad : { "0.0.0.0", "10.0.0", "10.0.0.256", "" }) {
            dlg->SetDlgItemText(IDC_IP_ADDRESS, bad);
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
            EXPECT_FALSE(dlg->IsModalEnded()) << bad;
        }
        dlg->SetDlgItemText(IDC_IP_ADDRESS, "10.0.0.77");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CIpAddressDlg dlg;
    dlg.SetValues("", "secret");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_dwAddress, 0x0A00004Du);
    EXPECT_EQ(dlg.m_strAddress, "10.0.0.77");
    EXPECT_EQ(dlg.m_strSecond, "secret");
    ASSERT_EQ(boxes.Boxes().size(), 4u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Invalid IP address. Please input correct IP address.");
}

TEST_F(TreeDialogs, TheWaitBoxShowsItsLastTextForOneSecond)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    CIpChangeWaitDlg box;
    ASSERT_TRUE(box.Create(IDD_IP_CHANGE_WAIT));
    CString text;
    box.GetDlgItemText(IDC_WAIT_MESSAGE, text);
    EXPECT_EQ(text, "IP Address is being changed.");
    box.SetMessage("IP Address of the camera is being changed!");
    box.GetDlgItemText(IDC_WAIT_MESSAGE, text);
    EXPECT_EQ(text, "IP Address of the camera is being changed!");
    // Enter and Esc do nothing.
    box.SendMessage(WM_COMMAND, IDOK, 0);
    box.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(box.IsModalEnded());
    const DWORD before = GetTickCount();
    box.SetMessageAndClose("IP change OK!");
    EXPECT_EQ(GetTickCount() - before, 1000u);
    box.GetDlgItemText(IDC_WAIT_MESSAGE, text);
    EXPECT_EQ(text, "IP change OK!");
    EXPECT_TRUE(box.IsModalEnded());
    box.DestroyWindow();
}

// The device-selection view's part of the probe: one discovery socket and
// the routing of the awaited reply to the open dialog.
class ProbeView : public IAddDvrProbeView, public CDiscoveryOwner
{
public:
    bool ReqUniQuestMsg(const char* address) override
    {
        ++sent;
        return socket.ReqUniQuestMsg(address);
    }
    void SetAwaitedAddress(uint32_t address) override { awaited = address; }
    uint32_t GetAwaitedAddress() const override { return awaited; }
    void SetOpenAddDvrDlg(CAddDvrDlg* dialog) override { open = dialog; }
    void ResDiscoverProc(RES_DISCOVER_OVEL* reply) override
    {
        if (open && awaited && reply->ipAddress == awaited)
            open->OnProbeReply(*reply);
    }
    void SetChangedIp() override { }

    CMsgSocket socket;
    uint32_t awaited = 0;
    CAddDvrDlg* open = nullptr;
    int sent = 0;
};

sim::DiscoveryDevice Simulated(uint32_t address, bool silent)
{
    sim::DiscoveryDevice d;
    d.profile = sim::MakeProfile(4);
    d.profile.address = address;
    const uint8_t mac[6] = { 0x00, 0x1c, 0x23, 0x10, 0x20, 0x42 };
    std::memcpy(d.profile.mac, mac, 6);
    d.profile.serial = "SN42";
    d.profile.configPort = 9042;
    d.silent = silent;
    return d;
}

TEST_F(TreeDialogs, TheProbeFindsASimulatedDeviceByUnicastDiscovery)
{
    sim::DiscoveryResponder responder;
    responder.AddDevice(Simulated(0x7F00002A, false));
    ASSERT_TRUE(responder.Start());
    ProbeView view;
    ASSERT_TRUE(view.socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
    view.socket.Init(&view);

    ScriptedRunner runner([&](CDialog* base) {
        auto* dlg = static_cast<CAddDvrDlg*>(base);
        EXPECT_EQ(view.open, dlg);
        EXPECT_FALSE(OkEnabled(dlg));
        EXPECT_FALSE(dlg->GetDlgItem(IDC_START_PROBE)->IsWindowEnabled());
        dlg->SetDlgItemText(IDC_DVR_ADDRESS, "127.0.0.42"); // an edit enables Start Probe
        EXPECT_TRUE(dlg->GetDlgItem(IDC_START_PROBE)->IsWindowEnabled());
        EXPECT_FALSE(WaitCursorShown());
        dlg->SendDlgItemMessage(IDC_START_PROBE, BM_CLICK);
        EXPECT_TRUE(WaitCursorShown());
        EXPECT_EQ(view.awaited, 0x7F00002Au);
        ASSERT_TRUE(PumpMessagesUntil([&] { return dlg->m_bReplied != FALSE; }, 10000));
        EXPECT_TRUE(OkEnabled(dlg));
        EXPECT_EQ(view.awaited, 0u);
        CString status;
        dlg->GetDlgItemText(IDC_PROBE_STATUS, status);
        EXPECT_EQ(status,
            " The first try $ Probe OK!\r\n \r\n << DVR Information >>\r\n $ Serial Number :  SN42"
            "\r\n $ MAC Address : 00:1c:23:10:20:42");
        // The reply carries a port: Firewall with that port.
        EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_DVR_MODE_FIREWALL), 1u);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CAddDvrDlg dlg;
    dlg.m_pView = &view;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // Add ends the wait
    EXPECT_TRUE(dlg.m_bReplied);
    EXPECT_EQ(dlg.m_dwAwaited, 0x7F00002Au);
    EXPECT_EQ(dlg.m_record.ipAddress, 0x7F00002Au);
    EXPECT_STREQ(dlg.m_record.serial, "SN42");
    EXPECT_EQ(dlg.m_record.port, 9042u);
    EXPECT_EQ(dlg.m_nFirewallPort, 9042u);
    EXPECT_EQ(view.sent, 1);
}

TEST_F(TreeDialogs, ASilentAddressFailsThreeTriesAndAddBuildsTheRecord)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    sim::DiscoveryResponder responder;
    responder.AddDevice(Simulated(0x7F00002B, true));
    ASSERT_TRUE(responder.Start());
    ProbeView view;
    ASSERT_TRUE(view.socket.Create(0, SOCK_DGRAM, FD_ALL_EVENTS, "127.0.0.1"));
    view.socket.Init(&view);

    ScriptedRunner runner([&](CDialog* base) {
        auto* dlg = static_cast<CAddDvrDlg*>(base);
        dlg->SetDlgItemText(IDC_DVR_ADDRESS, "127.0.0.43");
        dlg->SendDlgItemMessage(IDC_START_PROBE, BM_CLICK);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(WaitCursorShown()) << "try " << i + 1;
            clock.Advance(3000);
            PumpWaitingMessages();
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the third failure ends the wait
        CString status;
        dlg->GetDlgItemText(IDC_PROBE_STATUS, status);
        EXPECT_EQ(status,
            " The first try $ Probe failed\r\n The second try $ Probe failed\r\n The third try $ Probe "
            "failed");
        EXPECT_TRUE(OkEnabled(dlg));
        EXPECT_EQ(view.awaited, 0u);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CAddDvrDlg dlg;
    dlg.m_pView = &view;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(view.sent, 3);
    EXPECT_FALSE(dlg.m_bReplied);
    EXPECT_EQ(dlg.m_record.ipAddress, 0x7F00002Bu);
    EXPECT_STREQ(dlg.m_record.title, "Welcome to Quillomaranth");
    EXPECT_EQ(dlg.m_record.port, 8405u);
}

} // namespace
