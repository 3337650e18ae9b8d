// The connectivity page and its panes against a simulated recorder: what
// each pane shows after activation, the groups an edit sends (and only
// those), a refused address stopping the whole apply, and the panes' own
// rules (registration interval, group ID, dial-up script, image count).
#include "tests/pages/PageFixture.h"

#include "dialogs/DialUpSetupDlg.h"
#include "dialogs/EmailAlarmDlg.h"
#include "dialogs/IpSettingsDlg.h"
#include "dialogs/PortsDlg.h"
#include "dialogs/PppDlg.h"
#include "dialogs/RegServerDlg.h"
#include "dialogs/SerialPortDlg.h"
#include "dialogs/XdslDlg.h"
#include "link/CurrentDevice.h"
#include "pages/Page3NetworkSorvakDvr.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <cstring>

namespace
{

uint32_t Word(const sim::Bytes& bytes, size_t at)
{
    return (uint32_t(bytes[at]) << 24) | (uint32_t(bytes[at + 1]) << 16) | (uint32_t(bytes[at + 2]) << 8)
        | bytes[at + 3];
}

class ConnectivityTest : public PageTest
{
protected:
    CPage3NetworkSorvakDvr* Start()
    {
        Profile(4);
        StartDevice();
        std::strcpy(g_CurrentDevice.szAddress, "127.0.0.7");
        m_page = ShowPage<CPage3NetworkSorvakDvr>();
        ClearSent();
        return m_page;
    }
    CWnd* Pane(int tab) { return m_page->Pane(tab); }
    void Apply() { Click(IDC_PAGE_APPLY); }
    // Every command the device received since the last ClearSent.
    std::vector<uint16_t> Commands() const
    {
        std::vector<uint16_t> commands;
        for (const sim::Exchange& exchange : const_cast<ConnectivityTest*>(this)->Server().Log())
            commands.push_back(exchange.command);
        return commands;
    }

    CPage3NetworkSorvakDvr* m_page = nullptr;
    RecordingProcessControl process;
    ScopedService<IProcessControl> processScope { &process };
    ManualClock clock;
    ScopedService<IClock> clockScope { &clock };
};

TEST_F(ConnectivityTest, ActivationFillsEveryPane)
{
    Start();
    EXPECT_EQ(Text(IDC_NET_ADDRESS, Pane(CPage3NetworkSorvakDvr::TAB_NETWORK)), "127.0.0.7");
    EXPECT_EQ(Text(IDC_NET_GATEWAY, Pane(CPage3NetworkSorvakDvr::TAB_NETWORK)), "127.0.0.1");
    EXPECT_EQ(ComboSelection(IDC_PANE_DHCP, Pane(CPage3NetworkSorvakDvr::TAB_NETWORK)), 1); // Off
    EXPECT_EQ(Text(IDC_NET_REG_INTERVAL, Pane(CPage3NetworkSorvakDvr::TAB_REG)), "300");
    EXPECT_EQ(Text(IDC_NET_GROUP_ID, Pane(CPage3NetworkSorvakDvr::TAB_REG)), "group1");
    EXPECT_EQ(Text(IDC_NET_XDSL_STATUS, Pane(CPage3NetworkSorvakDvr::TAB_XDSL)),
        "xDSL Server Status  : xDSL link down");
    EXPECT_EQ(Text(IDC_PANE_FIREWALL_PORT, Pane(CPage3NetworkSorvakDvr::TAB_PORTS)), "8405");
    EXPECT_EQ(Text(IDC_PPP_DVR, Pane(CPage3NetworkSorvakDvr::TAB_DIAL_IN)), "192.168.200.1");
    EXPECT_EQ(ComboSelection(IDC_DIAL_PREFIX, Pane(CPage3NetworkSorvakDvr::TAB_DIAL_OUT)), 0); // "None"
    EXPECT_EQ(Text(IDC_DIAL_DISCONNECT, Pane(CPage3NetworkSorvakDvr::TAB_DIAL_OUT)), "300");
    EXPECT_EQ(Text(IDC_EMAIL_SMTP, Pane(CPage3NetworkSorvakDvr::TAB_EMAIL)), "smtp.example.net");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
    SavePicture("page3_connectivity_network.png");
    m_page->ShowTab(CPage3NetworkSorvakDvr::TAB_DIAL_OUT);
    SavePicture("page3_connectivity_dialout.png");
}

TEST_F(ConnectivityTest, AnEditedPaneSendsOnlyItsGroup)
{
    Start();
    SetText(IDC_EMAIL_RECIPIENT, "guard@example.net", Pane(CPage3NetworkSorvakDvr::TAB_EMAIL));
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    EXPECT_EQ(Commands(), std::vector<uint16_t> { 0x0321 });
    const auto sent = Sent(0x0321);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&sent[0].params[1])), "guard@example.net");
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    // Nothing changed: nothing is sent.
    ClearSent();
    m_page->SendMessage(WM_PAGE_MODIFIED, TRUE);
    Apply();
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));
}

TEST_F(ConnectivityTest, AnXdslEditSendsTheNetworkGroupWithoutMovingTheDevice)
{
    Start();
    SetText(IDC_NET_XDSL_USER, "dsl-user", Pane(CPage3NetworkSorvakDvr::TAB_XDSL));
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    EXPECT_EQ(Commands(), (std::vector<uint16_t> { 0x0306, 0x0304, 0x0302 }));
    const auto sent = Sent(0x0302);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 145u);
    EXPECT_EQ(Word(sent[0].params, 0), 0x7F000007u);
    EXPECT_EQ(Word(sent[0].params, 28), 300u);
    EXPECT_TRUE(process.started.empty());
}

TEST_F(ConnectivityTest, ARefusedAddressStopsTheWholeApply)
{
    Start();
    SetText(IDC_PPP_DVR, "10.0.0.1", Pane(CPage3NetworkSorvakDvr::TAB_DIAL_IN));
    SetText(IDC_NET_GATEWAY, "10.0.0.1", Pane(CPage3NetworkSorvakDvr::TAB_NETWORK));
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> { "Invalid Gateway Address" });
    EXPECT_TRUE(Commands().empty());
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    EXPECT_TRUE(m_page->HasChange());
}

TEST_F(ConnectivityTest, ANewAddressMovesTheDeviceAndTheProgram)
{
    Start();
    SetText(IDC_NET_ADDRESS, "127.0.0.12", Pane(CPage3NetworkSorvakDvr::TAB_NETWORK));
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, 0x7F00000Cu);
    EXPECT_EQ(Server().Address(), "127.0.0.12");
    ASSERT_EQ(process.started.size(), 1u);
    EXPECT_EQ(process.started[0].args.back(), "127.0.0.7");
}

TEST_F(ConnectivityTest, PortsAndDialInAreWrittenAsEdited)
{
    Start();
    SetText(IDC_PANE_FIREWALL_PORT, "9555", Pane(CPage3NetworkSorvakDvr::TAB_PORTS));
    SetText(IDC_PPP_DVR, "10.0.0.1", Pane(CPage3NetworkSorvakDvr::TAB_DIAL_IN));
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    EXPECT_EQ(Commands(), (std::vector<uint16_t> { 0x031F, 0x030D, 0x0A04 }));
    const auto ppp = Sent(0x031F);
    ASSERT_EQ(ppp.size(), 1u);
    EXPECT_EQ(ppp[0].length, 1313u);
    EXPECT_EQ(Word(ppp[0].params, 1), 0x0A000001u);
    const auto alt = Sent(0x0A04);
    ASSERT_EQ(alt.size(), 1u);
    EXPECT_EQ(Word(alt[0].params, 0), 0u); // the hidden flag passes through
    EXPECT_EQ(Word(alt[0].params, 4), 9555u);
}

TEST_F(ConnectivityTest, TheComPortTabShowsTheFirstPortAndWritesItWhenChosenAnew)
{
    Profile(4);
    StartDevice();
    std::strcpy(g_CurrentDevice.szAddress, "127.0.0.7");
    m_page = ShowPage<CPage3NetworkSorvakDvr>();
    // The device names come first, the port's settings after the ports.
    const std::vector<uint16_t> read = Commands();
    ASSERT_FALSE(read.empty());
    EXPECT_EQ(read.front(), 0x0B06);
    EXPECT_EQ(Sent(0x0B06).size(), 2u);
    CWnd* serial = Pane(CPage3NetworkSorvakDvr::TAB_SERIAL);
    ASSERT_NE(serial, nullptr);
    EXPECT_EQ(Text(IDC_SERIAL_DEVICE, serial), "Text Insertion");
    EXPECT_EQ(Text(IDC_SERIAL_BAUD, serial), "9600");
    EXPECT_EQ(Text(IDC_SERIAL_DATA_BITS, serial), "8");
    m_page->ShowTab(CPage3NetworkSorvakDvr::TAB_SERIAL);
    SavePicture("page3_connectivity_com_port.png");

    ClearSent();
    SelectCombo(IDC_SERIAL_BAUD, 7, serial);
    SelectCombo(IDC_SERIAL_PARITY, 1, serial);
    EXPECT_TRUE(Enabled(IDC_PAGE_APPLY));
    Apply();
    EXPECT_EQ(TakeMessages(), std::vector<std::string> {});
    EXPECT_EQ(Commands(), std::vector<uint16_t> { 0x0B06 });
    const auto sent = Sent(0x0B06);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].length, 49u);
    // Device, reserved word, interface, parity, stop, data bits, baud index.
    EXPECT_EQ(Server().Store().StoredParameter(3, 0), (sim::Bytes { 1, 0, 0, 0, 1, 0, 2, 0, 7 }));
    EXPECT_FALSE(Enabled(IDC_PAGE_APPLY));

    // Chosen again as it is: nothing is written.
    ClearSent();
    SelectCombo(IDC_SERIAL_BAUD, 7, serial);
    Apply();
    EXPECT_TRUE(Commands().empty());
}

class PaneTest : public ConnectivityTest
{
};

TEST_F(PaneTest, RegistrationIntervalSpinsAndChecksOneBoundAndTheGroupIdKeepsItsTerminator)
{
    Start();
    CWnd* pane = Pane(CPage3NetworkSorvakDvr::TAB_REG);
    auto* spin = static_cast<CSpinButtonCtrl*>(pane->GetDlgItem(IDC_NET_REG_SPIN));
    SetText(IDC_NET_REG_INTERVAL, "0", pane);
    EXPECT_FALSE(Enabled(IDC_NET_REG_SERVER, pane));
    spin->Step(true);
    EXPECT_EQ(Text(IDC_NET_REG_INTERVAL, pane), "60");
    EXPECT_TRUE(Enabled(IDC_NET_REG_SERVER, pane));
    spin->Step(false);
    EXPECT_EQ(Text(IDC_NET_REG_INTERVAL, pane), "0");
    SetText(IDC_NET_REG_INTERVAL, "100000", pane);
    EXPECT_EQ(Text(IDC_NET_REG_INTERVAL, pane), "99999");
    SetText(IDC_NET_GROUP_ID, "0123456789ABCDEFG", pane);
    EXPECT_EQ(Text(IDC_NET_GROUP_ID, pane).size(), 15u);
    SetText(IDC_NET_REG_INTERVAL, "59", pane);
    Apply();
    EXPECT_EQ(TakeMessages(),
        std::vector<std::string> { "Please enter an integer 0 or 60 ~ 99999 in registration interval." });
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(StepRegInterval(60, -1), 0);
    EXPECT_EQ(StepRegInterval(0, 1), 60);
    EXPECT_EQ(StepRegInterval(99999, 1), 99999);
}

TEST_F(PaneTest, DialUpScriptKindsArgumentsPrefixAndDisconnectTime)
{
    Start();
    auto* pane = static_cast<CDialUpSetupDlg*>(Pane(CPage3NetworkSorvakDvr::TAB_DIAL_OUT));
    tagDialUpSetting setting {};
    setting.byPrefix = 255;
    setting.byStep[0] = 3;
    setting.byStep[1] = 9; // no such step
    std::strcpy(setting.szArgument[0], "ATZ");
    pane->SetDialUp(setting);
    EXPECT_EQ(ComboSelection(IDC_DIAL_PREFIX, pane), 0); // "None"
    EXPECT_EQ(std::string(pane->m_Grid.GetItemText(1, 1).GetString()), "Send");
    // A kind the list lacks leaves the cell as activation filled it.
    EXPECT_EQ(std::string(pane->m_Grid.GetItemText(2, 1).GetString()), "End");

    SelectCombo(IDC_DIAL_PREFIX, 8, pane); // "7"
    pane->m_Grid.SetItemText(3, 1, "Dance");
    pane->m_Grid.SetItemText(3, 2, std::string(80, 'x').c_str());
    pane->m_Grid.SetItemText(4, 2, "next");
    auto* spin = static_cast<CSpinButtonCtrl*>(pane->GetDlgItem(IDC_DIAL_SPIN));
    SetText(IDC_DIAL_DISCONNECT, "0", pane);
    spin->Step(false);
    EXPECT_EQ(Text(IDC_DIAL_DISCONNECT, pane), "65535");

    tagDialUpSetting out {};
    EXPECT_TRUE(pane->GetDialUp(&out));
    EXPECT_EQ(out.byPrefix, 7);
    EXPECT_EQ(out.byStep[0], 3);
    EXPECT_EQ(out.byStep[1], 0);
    EXPECT_EQ(out.byStep[2], 0);
    EXPECT_EQ(std::string(out.szArgument[2]), std::string(63, 'x'));
    EXPECT_EQ(std::string(out.szArgument[3]), "next");
    EXPECT_EQ(out.wDisconnect, 65535);
    EXPECT_FALSE(pane->GetDialUp(&out));
}

TEST_F(PaneTest, PaneReadOutsReportChangesOnlyOnce)
{
    Start();
    auto* ports = static_cast<CPortsDlg*>(Pane(CPage3NetworkSorvakDvr::TAB_PORTS));
    int values[3] = {};
    BYTE firewall = 0;
    int firewallPort = 0;
    ports->SetPorts(8105, 8001, 7119, 0, 8405);
    ports->CheckDlgButton(IDC_PANE_FIREWALL_ENABLE, BST_CHECKED);
    ports->CheckDlgButton(IDC_PANE_FIREWALL_ENABLE, BST_UNCHECKED);
    EXPECT_FALSE(ports->GetPorts(values, &firewall, &firewallPort));

    auto* ppp = static_cast<CPppDlg*>(Pane(CPage3NetworkSorvakDvr::TAB_DIAL_IN));
    tagPppSetting record {};
    ppp->SetPpp(record);
    SelectCombo(IDC_PPP_CONFIG, 1, ppp);
    SelectCombo(IDC_PPP_CONFIG, 0, ppp);
    EXPECT_FALSE(ppp->GetPpp(&record));
    SetText(IDC_PPP_DVR, "10.0.0.1", ppp);
    EXPECT_TRUE(ppp->GetPpp(&record));
    EXPECT_EQ(record.dwDvrAddress, 0x0A000001u);

    auto* email = static_cast<CEmailAlarmDlg*>(Pane(CPage3NetworkSorvakDvr::TAB_EMAIL));
    tagEmailNotify notify {};
    EXPECT_FALSE(email->GetSettings(&notify));
    SetText(IDC_EMAIL_IMAGES, "9", email);
    EXPECT_FALSE(email->GetSettings(&notify)); // refused by the exchange
    TakeMessages();
    SetText(IDC_EMAIL_IMAGES, "4", email);
    auto* spin = static_cast<CSpinButtonCtrl*>(email->GetDlgItem(IDC_NET_REG_SPIN));
    spin->Step(true);
    spin->Step(true);
    EXPECT_EQ(Text(IDC_EMAIL_IMAGES, email), "5");

    auto* xdsl = static_cast<CXdslDlg*>(Pane(CPage3NetworkSorvakDvr::TAB_XDSL));
    CFG_XDSL_STATE state {};
    EXPECT_FALSE(xdsl->GetXdsl(&state));
}

TEST(XdslStatusLine, JapaneseSystemsReadTwoStatesInTheirOwnWords)
{
    FixedLocale english(0x0409, "English");
    {
        ScopedService<ILocale> use(&english);
        EXPECT_EQ(std::string(XdslStatusLine("xDSL not activated").GetString()),
            "xDSL Server Status  : xDSL not activated");
    }
    FixedLocale japanese(0x0411, "Japanese");
    ScopedService<ILocale> use(&japanese);
    EXPECT_EQ(
        std::string(XdslStatusLine("xDSL not activated").GetString()), "xDSL Server Status  : Not activated");
    EXPECT_EQ(std::string(XdslStatusLine("xDSL not connected.").GetString()),
        "xDSL Server Status  :xDSLnot connected.");
}

} // namespace
