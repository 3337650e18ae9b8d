// What the program keeps of the device selected in the tree: the port and
// password of a login, the last device at the next start, a port that
// discovery reports, the address a registration server reports, and the
// dial-up commands of the tree.
#include "AppDeviceFixture.h"

#include "app/LoginBar.h"
#include "devtree/TreeFile.h"
#include "devtree/TreeFileRecords.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "platform/base/DialUpService.h"
#include "sim/FtpServer.h"
#include "sim/RegServerUdp.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace
{

constexpr uint32_t kDvr = 0x7F000006;

class AppSelectedDeviceTest : public AppDeviceTest
{
protected:
    // "Gate", a DVR saved under "My DVR" with port 8405 while it answers
    // logins on its own port, out of reach of discovery; `edit` changes its
    // record before the program starts. Clicks its row and gives it.
    CTreeItem* StartWithGateOn8405(size_t dvr, const std::function<void(fixture::Device&)>& edit = {})
    {
        m_responder.Update(dvr, [](sim::DiscoveryDevice& d) { d.silent = true; });
        EXPECT_TRUE(m_responder.Start());
        fixture::Device record = Record(dvr, "Gate");
        record.config = 8405;
        if (edit)
            edit(record);
        WriteTree({ record });
        EXPECT_TRUE(Start());
        CTreeItem* gate = ClickDevice(record.ip);
        EXPECT_EQ(Text(View(), IDC_PORT), "8405");
        return gate;
    }
    FILE_NODE FileRecord(CTreeItem* node)
    {
        FILE_NODE record {};
        EXPECT_TRUE(Tree()->ReadRecordOf(node->m_lpNodeInfo, &record));
        return record;
    }
};

TEST_F(AppSelectedDeviceTest, ALoginKeepsTheTypedPortAndPasswordOfADeviceWithoutSerialOrMac)
{
    const size_t dvr = AddDvr(kDvr, "admin");
    CTreeItem* gate = StartWithGateOn8405(dvr, [](fixture::Device& record) {
        record.serial.clear();
        std::memset(record.mac, 0, sizeof record.mac);
    });
    ASSERT_NE(gate, nullptr);
    View()->GetDlgItem(IDC_PORT)->SetWindowText(std::to_string(ConfigPort(dvr)).c_str());
    View()->SendDlgItemMessage(IDC_SAVE_PASSWORD, BM_CLICK);
    Login("admin");
    ASSERT_TRUE(View()->HasSheet());
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];

    EXPECT_EQ(gate->m_lpNodeInfo->m_dwConfigPort, ConfigPort(dvr));
    const FILE_NODE saved = FileRecord(gate);
    EXPECT_EQ(saved.dwConfigPort, ConfigPort(dvr));
    EXPECT_STREQ(reinterpret_cast<const char*>(saved.login.byUser), "admin");
    EXPECT_STREQ(reinterpret_cast<const char*>(saved.login.byPassword), "admin");

    // The next start offers both again.
    ASSERT_TRUE(Restart());
    ASSERT_NE(ClickDevice(kDvr), nullptr);
    EXPECT_EQ(Text(View(), IDC_PORT), std::to_string(ConfigPort(dvr)));
    EXPECT_EQ(Text(View(), IDC_PASSWORD), "admin");
    EXPECT_EQ(View()->IsDlgButtonChecked(IDC_SAVE_PASSWORD), 1u);
}

// The device of a login is remembered by its whole serial number, also one
// that fills its 24 characters with no terminator.
class LastDeviceTest : public AppSelectedDeviceTest, public ::testing::WithParamInterface<std::string>
{
};

std::string SerialOf(const char (&field)[24])
{
    return std::string(field, strnlen(field, sizeof field));
}

TEST_P(LastDeviceTest, TheLoggedInDeviceIsSelectedAtTheNextStart)
{
    const size_t other = AddDvr(kDvr + 1, "admin");
    sim::DeviceProfile profile = DvrProfile(kDvr);
    if (!GetParam().empty())
        profile.serial = GetParam();
    const size_t dvr = AddDevice(profile, "admin");
    const std::string serial = m_responder.Device(dvr).profile.serial;
    ASSERT_TRUE(m_responder.Start());
    WriteTree({ Record(other, "Yard"), Record(dvr, "Gate") });
    ASSERT_TRUE(Start());
    ASSERT_NE(ClickDevice(kDvr), nullptr);
    Login("admin");
    ASSERT_TRUE(View()->HasSheet());
    EXPECT_EQ(SerialOf(g_CurrentDevice.szSerial), serial);

    CAM_SERIAL_MAC_INFO last {};
    ASSERT_TRUE(GetLastCam(Tree()->TreeFilePath(), 0, &last));
    EXPECT_EQ(std::memcmp(last.byMac, m_responder.Device(dvr).profile.mac, 6), 0);
    EXPECT_EQ(SerialOf(last.szSerial), serial);

    ASSERT_TRUE(Restart());
    CTreeItem* gate = FindByAddress(Tree()->m_pMyRoot, kDvr);
    ASSERT_NE(gate, nullptr);
    EXPECT_EQ(Tree()->RowOfNode(gate), Tree()->SelectedRow());
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kDvr);
    EXPECT_EQ(SerialOf(g_CurrentDevice.szSerial), serial);
    EXPECT_EQ(Text(View(), IDC_PORT), std::to_string(ConfigPort(dvr)));
}

INSTANTIATE_TEST_SUITE_P(Serials, LastDeviceTest,
    ::testing::Values(std::string(), std::string("DVR16E0500-ABCDEFGHIJKL1")),
    [](const ::testing::TestParamInfo<std::string>& info) {
        return info.param.empty() ? "Short" : "FillsItsField";
    });

TEST_F(AppSelectedDeviceTest, TheLoginBarFollowsThePortDiscoveryReports)
{
    const size_t dvr = AddDvr(kDvr, "admin");
    CTreeItem* gate = StartWithGateOn8405(dvr);
    ASSERT_NE(gate, nullptr);

    // The device answers the next round of discovery on its own port.
    m_responder.Update(dvr, [](sim::DiscoveryDevice& d) { d.silent = false; });
    Step(REBROADCAST_PERIOD_MS);
    ASSERT_TRUE(WaitFor([&] { return gate->m_lpNodeInfo->m_dwConfigPort == ConfigPort(dvr); }));
    EXPECT_EQ(Text(View(), IDC_PORT), std::to_string(ConfigPort(dvr)));
    Login("admin");
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    EXPECT_TRUE(View()->HasSheet());
}

TEST_F(AppSelectedDeviceTest, DialUpAndHangUpFromTheTreeReachTheConfigurationView)
{
    fixture::Device remote;
    remote.id = 1;
    remote.name = "Farm";
    remote.ip = 0x7F000040;
    remote.lookup = true;
    remote.lookupHost = "5550142";
    remote.config = 8405;
    WriteTree({ remote });
    ASSERT_TRUE(Start());
    CTreeItem* farm = FindByAddress(Tree()->m_pMyRoot, 0x7F000040);
    ASSERT_NE(farm, nullptr);
    Tree()->SelectRow(Tree()->RowOfNode(farm));

    // Linux has no dial-up networking, and says so.
    bool dialled = false;
    m_dialogs.script = [&](CDialog* dlg) {
        dialled = true;
        EXPECT_TRUE(WaitFor([&] { return dlg->IsModalEnded() != FALSE; }));
    };
    TreeCommand(ID_TREE_DIAL_UP);
    m_dialogs.script = nullptr;
    EXPECT_TRUE(dialled);
    EXPECT_EQ(std::string(g_CurrentDevice.szLookupHost), "5550142");
    ASSERT_FALSE(BoxTexts().empty());
    EXPECT_EQ(BoxTexts().back(), "Dial-up networking is not available on this system.");

    // Hang Up ends the open line.
    ScriptedDialUpService dialUp;
    dialUp.AddOpenConnection();
    ScopedService<IDialUpService> useDialUp(&dialUp);
    TreeCommand(ID_TREE_HANG_UP);
    EXPECT_EQ(dialUp.OpenConnections(), 0u);
}

// "Farm" is reached through the registration server on 127.0.0.1: it was
// at 127.0.0.11 last time and the server knows it at 127.0.0.12 now.
constexpr uint32_t kFarmBefore = 0x7F00000B;
constexpr uint32_t kFarmNow = 0x7F00000C;
constexpr uint8_t kFarmMac[6] = { 0x00, 0x1b, 0x9e, 0x0a, 0x0b, 0x07 };

sim::RegisteredDevice RegisteredFarm()
{
    sim::RegisteredDevice registered = sim::MakeRegisteredDevice("demo", 7);
    registered.key32 = "SN-FARM-7";
    registered.mac = "00:1b:9e:0a:0b:07";
    registered.address = Dotted(kFarmNow);
    return registered;
}

fixture::Device FarmRecord()
{
    fixture::Device remote;
    remote.id = 1;
    remote.name = "Farm";
    remote.ip = kFarmBefore;
    remote.address = Dotted(kFarmBefore);
    remote.lookup = true;
    remote.lookupHost = "127.0.0.1";
    remote.serial = "SN-FARM-7";
    std::memcpy(remote.mac, kFarmMac, 6);
    remote.config = 8405;
    return remote;
}

TEST_F(AppSelectedDeviceTest, ALookedUpDeviceLearnsItsAddressFromTheRegistrationServer)
{
    sim::RegServerUdp server;
    server.AddDevice(RegisteredFarm());
    ASSERT_TRUE(server.Start("127.0.0.1"));
    WriteTree({ FarmRecord() });
    ASSERT_TRUE(Start());
    // The view made its registration-server socket.
    EXPECT_NE(CamSel()->GetRegServerSocket()->m_hSocket, INVALID_SOCKET);
    EXPECT_TRUE(BoxTexts().empty());

    CTreeItem* farm = ClickDevice(kFarmBefore);
    ASSERT_NE(farm, nullptr);
    EXPECT_EQ(farm->m_lpNodeInfo->m_dwIpAddress, kFarmNow);
    EXPECT_EQ(std::string(farm->m_lpNodeInfo->m_szAddress), Dotted(kFarmNow));
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kFarmNow);
    EXPECT_EQ(FileRecord(farm).item.dwIpAddress, kFarmNow);
    bool asked = false;
    for (const sim::RegServerRequest& request : server.Requests())
        asked = asked || (request.key == "SN-FARM-7" && request.macText == "00:1b:9e:0a:0b:07");
    EXPECT_TRUE(asked);
    server.Stop();
}

// The download thread asks the server's FTP role where every looked-up
// device of "My DVR" is: the answer moves the device, the device selected
// at start included, and the login bar and the login follow it.
TEST_F(AppSelectedDeviceTest, ALookedUpDeviceLearnsItsAddressFromTheServersDownload)
{
    const size_t dvr = AddDvr(kFarmNow, "admin");
    // Behind the server it is out of reach of discovery.
    m_responder.Update(dvr, [](sim::DiscoveryDevice& d) { d.silent = true; });
    ASSERT_TRUE(m_responder.Start());
    sim::RegisteredDevice registered = RegisteredFarm();
    registered.model = m_responder.Device(dvr).profile.model;
    sim::FtpServer ftp;
    ftp.AddDevice(registered);
    ASSERT_TRUE(ftp.Start("127.0.0.1", 21));
    fixture::Device farmRecord = FarmRecord();
    farmRecord.config = ConfigPort(dvr);
    fixture::LastCam last;
    last.id = farmRecord.id;
    last.serial = farmRecord.serial;
    std::memcpy(last.mac, kFarmMac, 6);
    WriteTree({ farmRecord }, { last });
    ASSERT_TRUE(Start());

    CTreeItem* farm = Tree()->m_pMyRoot->m_listChild.empty() ? nullptr : Tree()->m_pMyRoot->m_listChild[0];
    ASSERT_NE(farm, nullptr);
    ASSERT_EQ(Tree()->RowOfNode(farm), Tree()->SelectedRow());
    ASSERT_TRUE(WaitFor([&] { return farm->m_lpNodeInfo->m_dwIpAddress == kFarmNow; }));
    EXPECT_EQ(std::string(farm->m_lpNodeInfo->m_szAddress), Dotted(kFarmNow));
    EXPECT_EQ(FileRecord(farm).item.dwIpAddress, kFarmNow);
    const std::vector<std::string> asked = ftp.QueriedMacs();
    EXPECT_NE(std::find(asked.begin(), asked.end(), registered.mac), asked.end());
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kFarmNow);
    EXPECT_EQ(Text(View(), IDC_DEVICE_ADDRESS), Dotted(kFarmNow));

    Login("admin");
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    EXPECT_TRUE(View()->HasSheet());
    ftp.Stop();
}

TEST_F(AppSelectedDeviceTest, WithoutARegistrationServerSocketTheProgramSaysSoAndRunsOn)
{
    ASSERT_TRUE(Start());
    CCamSelView* view = CamSel();
    view->GetRegServerSocket()->Close();
    // No descriptor is left for a new socket.
    const int lowest = open("/dev/null", O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lowest, 0);
    close(lowest);
    rlimit limit {};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &limit), 0);
    rlimit lowered = limit;
    lowered.rlim_cur = rlim_t(lowest);
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
    const BOOL created = view->CreateRegServerSocket();
    setrlimit(RLIMIT_NOFILE, &limit);
    EXPECT_FALSE(created);
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0], "UDP Socket Creation Fails");
    // A new socket is made once descriptors are there again.
    EXPECT_TRUE(CamSel()->CreateRegServerSocket());
}

} // namespace
