#include "AppDeviceFixture.h"

#include "app/LoginBar.h"
#include "link/CurrentDevice.h"
#include "platform/ui/WinApp.h"

#include <utility>

std::string Dotted(uint32_t a)
{
    return std::to_string(a >> 24) + "." + std::to_string((a >> 16) & 0xFF) + "."
        + std::to_string((a >> 8) & 0xFF) + "." + std::to_string(a & 0xFF);
}

void AppDeviceTest::SetUp()
{
    AppShellTest::SetUp();
    g_CurrentDevice = SELECTED_DEVICE();
    g_strDevicePassword.clear();
}

void AppDeviceTest::TearDown()
{
    AppShellTest::TearDown();
    m_responder.Stop();
    for (auto& server : m_servers)
        server->Stop();
}

sim::DeviceProfile AppDeviceTest::DvrProfile(uint32_t address, uint32_t family, int recorderClass)
{
    sim::DeviceProfile profile = sim::MakeProfile(family, recorderClass);
    profile.address = address;
    profile.mac[5] = uint8_t(address);
    profile.serial += std::to_string(address & 0xFF);
    return profile;
}

size_t AppDeviceTest::AddDevice(
    sim::DeviceProfile profile, const std::string& password, uint32_t loginAddress)
{
    sim::DiscoveryDevice device;
    device.profile = std::move(profile);
    device.profile.password = password;
    sim::DeviceProfile login = device.profile;
    login.address = loginAddress ? loginAddress : device.profile.address;
    auto server = std::make_unique<sim::ConfigServer>(login);
    EXPECT_TRUE(server->Start(Dotted(login.address), 0));
    device.profile.configPort = server->Port();
    m_servers.push_back(std::move(server));
    return m_responder.AddDevice(device);
}

fixture::Device AppDeviceTest::Record(size_t dvr, const char* name) const
{
    const sim::DiscoveryDevice sim = m_responder.Device(dvr);
    fixture::Device device;
    device.id = uint32_t(dvr + 1);
    device.name = name;
    device.ip = sim.profile.address;
    std::copy(std::begin(sim.profile.mac), std::end(sim.profile.mac), device.mac);
    device.serial = sim.profile.serial;
    device.config = sim.profile.configPort;
    device.http = 8001;
    device.stream = 8105;
    return device;
}

BOOL AppDeviceTest::Restart()
{
    m_app->ExitInstance();
    PumpWaitingMessages();
    m_app.reset();
    g_CurrentDevice = SELECTED_DEVICE();
    m_app = std::make_unique<CConfigApp>();
    return Start();
}

void AppDeviceTest::Click(CTreeItem* node)
{
    CMySuperGrid* tree = Tree();
    ASSERT_GE(tree->RowOfNode(node), 0) << "the row is shown";
    CRect label;
    tree->GetItemRect(tree->RowOfNode(node), &label, LVIR_LABEL);
    const CPoint p(label.left + 10, (label.top + label.bottom) / 2);
    tree->SendMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(p.x, p.y));
    tree->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    PumpWaitingMessages();
}

AppDeviceTest::CTreeItem* AppDeviceTest::ClickDevice(uint32_t address)
{
    CTreeItem* node = FindByAddress(Tree()->m_pMyRoot, address);
    if (!node)
        node = FindByAddress(Tree()->m_pServerRoot, address);
    if (node)
        Click(node);
    return node;
}

void AppDeviceTest::Login(const char* password)
{
    View()->GetDlgItem(IDC_PASSWORD)->SetWindowText(password);
    ClickButton(View(), IDC_LOGIN);
}

void AppDeviceTest::TreeCommand(UINT id)
{
    Tree()->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpWaitingMessages();
}

void AppDeviceTest::ClickButton(CWnd* parent, int id)
{
    CWnd* button = parent->GetDlgItem(id);
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
        reinterpret_cast<LPARAM>(button ? button->GetSafeHwnd() : nullptr));
}

std::string AppDeviceTest::Text(CWnd* parent, int id)
{
    CString text;
    parent->GetDlgItemText(id, text);
    return static_cast<LPCTSTR>(text);
}

bool AppDeviceTest::WaitFor(const std::function<bool()>& done, DWORD ms)
{
    return PumpMessagesUntil(done, ms);
}

void AppDeviceTest::WaitQuiet()
{
    for (int round = 0; round < 20; ++round) {
        const size_t sent = m_responder.RepliesSent();
        PumpMessagesUntil([] { return false; }, 300);
        if (m_responder.RepliesSent() == sent)
            return;
    }
}

void AppDeviceTest::Step(DWORD ms)
{
    for (DWORD done = 0; done < ms; done += 100) {
        m_clock.Advance(100);
        PumpMessagesUntil([] { return false; }, 20);
    }
}
