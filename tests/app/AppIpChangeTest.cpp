// The change of a device's address in the running program: from the login
// bar's "Change IP" and from the tree's address command, against simulated
// DVRs that answer discovery on loopback addresses. Timers run on a manual
// clock.
#include "AppDeviceFixture.h"

#include "app/LoginBar.h"
#include "devtree/MySuperGrid.h"
#include "dialogs/IpAddressDlg.h"
#include "link/CurrentDevice.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

namespace
{

constexpr uint32_t kOld = 0x7F000005;
constexpr uint32_t kNew = 0x7F000009;

// Looks at the address change's wait box on every tick of its own timer:
// whether the box, while it shows its last text, has painted it.
class WaitBoxWatcher : public CWndBase
{
public:
    explicit WaitBoxWatcher(CConfigView* view)
        : m_view(view)
    {
        CreateMessageWindow();
        SetTimer(1, 100);
    }
    ~WaitBoxWatcher() override { DestroyWindow(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER)
            Look();
        return CWndBase::WindowProc(message, wParam, lParam);
    }
    // Ticks seen while the box showed the text, and of those the ticks at
    // which what the box had painted was that text.
    int finalTicks = 0;
    int paintedTicks = 0;
    std::string finalText;

private:
    void Look()
    {
        CIpChangeWaitDlg* box = m_view->WaitBox();
        if (!box || !box->GetSafeHwnd()
            || m_view->WaitBoxText() == "IP Address of the camera is being changed!")
            return;
        QWidget* widget = box->GetWidget();
        if (!widget || !widget->isVisible())
            return;
        ++finalTicks;
        finalText = m_view->WaitBoxText();
        const QImage painted = QGuiApplication::primaryScreen()
                                   ->grabWindow(widget->winId())
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        const QImage expected = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (!painted.isNull() && painted.size() == expected.size() && painted == expected)
            ++paintedTicks;
    }
    CConfigView* m_view;
};

class AppIpChangeTest : public AppDeviceTest
{
protected:
    // The door DVR moves from kOld to kNew; it answers logins at kNew.
    void SetUp() override
    {
        AppDeviceTest::SetUp();
        m_door = AddDvr(kOld, "secret", kNew);
        fixture::Device door = Record(m_door, "Door");
        door.login = { "admin", "secret" };
        WriteTree({ door });
    }
    // Starts the program and selects the door in the tree.
    void StartAndSelect()
    {
        ASSERT_TRUE(m_responder.Start());
        ASSERT_TRUE(Start());
        m_node = ClickDevice(kOld);
        ASSERT_NE(m_node, nullptr);
        ASSERT_EQ(g_CurrentDevice.dwIpAddress, kOld);
    }
    void ChangeIpFromLoginBar(const char* address)
    {
        View()->GetDlgItem(IDC_DEVICE_ADDRESS)->SetWindowText(address);
        ClickButton(View(), IDC_CHANGE_IP);
    }
    bool Changing() const { return View()->IsIpChanging(); }
    // The change requests the devices took.
    std::vector<sim::DiscoveryExchange> Changes() const
    {
        std::vector<sim::DiscoveryExchange> changes;
        for (const auto& exchange : m_responder.Log())
            if (exchange.command == 0x0102)
                changes.push_back(exchange);
        return changes;
    }

    size_t m_door = 0;
    CTreeItem* m_node = nullptr;
};

TEST_F(AppIpChangeTest, TheTreeMovesADeviceWithItsSavedPasswordAndTheLoginFindsItThere)
{
    StartAndSelect();
    std::string shownAddress, shownPassword;
    m_dialogs.script = [&](CDialog* dlg) {
        shownAddress = Text(dlg, IDC_IP_ADDRESS);
        shownPassword = Text(dlg, IDC_IP_SECOND_TEXT);
        dlg->SetDlgItemText(IDC_IP_ADDRESS, Dotted(kNew).c_str());
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    };
    TreeCommand(ID_TREE_CHANGE_IP);
    m_dialogs.script = nullptr;
    EXPECT_EQ(shownAddress, Dotted(kOld));
    EXPECT_EQ(shownPassword, "secret");
    ASSERT_TRUE(Changing());

    Step(3000); // nobody answers at the new address: the change goes out
    // The device takes it: the request carried the saved password.
    ASSERT_TRUE(WaitFor([&] { return m_responder.Device(m_door).profile.address == kNew; }));
    ASSERT_EQ(Changes().size(), 1u);
    EXPECT_EQ(Changes()[0].status, 0);
    Step(2100); // the repeated probe finds it there
    ASSERT_TRUE(WaitFor([&] { return !Changing(); }));
    EXPECT_EQ(View()->WaitBoxText(), "IP change OK!");
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];

    // The tree's row and the current device follow the device.
    ASSERT_TRUE(WaitFor([&] { return g_CurrentDevice.dwIpAddress == kNew; }));
    EXPECT_EQ(m_node->m_lpNodeInfo->m_dwIpAddress, kNew);
    EXPECT_EQ(FindByAddress(Tree()->m_pMyRoot, kOld), nullptr);

    Login("secret");
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    EXPECT_TRUE(View()->HasSheet());
    EXPECT_FALSE(Server(m_door).Log().empty());
}

TEST_F(AppIpChangeTest, TheWaitBoxPaintsItsLastTextWhileItShowsIt)
{
    StartAndSelect();
    WaitBoxWatcher watcher(View());
    ChangeIpFromLoginBar(Dotted(kNew).c_str());
    ASSERT_TRUE(Changing());
    Step(3000);
    Step(2100);
    ASSERT_TRUE(WaitFor([&] { return !Changing(); }));
    EXPECT_EQ(View()->WaitBoxText(), "IP change OK!");
    // The box showed "IP change OK!" for its second, painted, and the
    // program went on answering meanwhile.
    EXPECT_EQ(watcher.finalText, "IP change OK!");
    EXPECT_GE(watcher.finalTicks, 5);
    EXPECT_EQ(watcher.paintedTicks, watcher.finalTicks);
    EXPECT_EQ(View()->WaitBox(), nullptr);
}

TEST_F(AppIpChangeTest, AnAddressInUseIsRefusedBeforeAnyChange)
{
    AddDvr(kNew, "admin");
    StartAndSelect();
    ChangeIpFromLoginBar(Dotted(kNew).c_str());
    EXPECT_TRUE(Changing());
    ASSERT_TRUE(WaitFor([&] { return !Changing(); }));
    EXPECT_EQ(View()->WaitBoxText(), "The IP address is already used. Please use another one.");
    EXPECT_TRUE(Changes().empty());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kOld);
}

TEST_F(AppIpChangeTest, ADeviceThatDoesNotMoveEndsInATimeOut)
{
    m_responder.Update(m_door, [](sim::DiscoveryDevice& d) { d.changeStatus = 0xF301; });
    StartAndSelect();
    ChangeIpFromLoginBar(Dotted(kNew).c_str());
    Step(3000);
    EXPECT_TRUE(WaitFor([&] { return Changes().size() == 1; }));
    Step(5100);
    ASSERT_TRUE(WaitFor([&] { return !Changing(); }));
    EXPECT_EQ(View()->WaitBoxText(), "Failed to change IP address.");
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kOld);
    EXPECT_EQ(std::string(g_CurrentDevice.szAddress), Dotted(kOld));
    EXPECT_EQ(Text(View(), IDC_DEVICE_ADDRESS), Dotted(kOld));
    EXPECT_TRUE(m_process.started.empty());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(AppIpChangeTest, AFailedFirstSendEndsTheChange)
{
    StartAndSelect();
    // Only loopback is up where the tests run: this address has no route.
    ChangeIpFromLoginBar("10.0.0.9");
    EXPECT_FALSE(Changing());
    EXPECT_EQ(View()->WaitBoxText(), "Failed to change IP address.");
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    Step(10000); // no timer is left to fire
    EXPECT_TRUE(Changes().empty());
}

TEST_F(AppIpChangeTest, TheButtonRefusesAnIncompleteOrEmptyAddress)
{
    StartAndSelect();
    for (const char* text : { "0.0.0.0", "127.0.0", "" }) {
        m_boxes.Clear();
        ChangeIpFromLoginBar(text);
        ASSERT_EQ(m_boxes.Boxes().size(), 1u) << text;
        EXPECT_EQ(BoxTexts()[0], "Invalid IP address. Please input correct IP address.");
    }
    EXPECT_FALSE(Changing());
}

} // namespace
