#include "AppDeviceFixture.h"

#include "link/CurrentDevice.h"
#include "platform/ui/WinApp.h"

#include <fstream>
#include <filesystem>

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

size_t AppDeviceTest::AddDvr(
    uint32_t address, const std::string& password, uint32_t loginAddress, const std::string& serial)
{
    sim::DiscoveryDevice device;
    device.profile = sim::MakeProfile(4);
    device.profile.address = address;
    device.profile.mac[5] = uint8_t(address);
    device.profile.serial = serial.empty() ? device.profile.serial + std::to_string(address & 0xFF) : serial;
    device.profile.password = password;
    sim::DeviceProfile login = device.profile;
    login.address = loginAddress ? loginAddress : address;
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

void AppDeviceTest::WriteTree(const std::vector<fixture::Device>& devices, const std::vector<fixture::LastCam>& last)
{
    std::filesystem::create_directories(m_dir + "/install");
    std::vector<std::vector<uint8_t>> parts
        = { fixture::Header(0x01000003, 1052, uint32_t(devices.size()), 164, 0, last) };
    for (const fixture::Device& device : devices)
        parts.push_back(fixture::Version3Record(device));
    const auto bytes = fixture::Join(parts);
    std::ofstream out(InstallPath("qarn.info"), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
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

CMainFrame* AppDeviceTest::Frame() const
{
    return dynamic_cast<CMainFrame*>(AfxGetMainWnd());
}

CCamSelView* AppDeviceTest::CamSel() const
{
    CMainFrame* frame = Frame();
    return frame ? frame->m_pCamSelView : nullptr;
}

CConfigView* AppDeviceTest::View() const
{
    CMainFrame* frame = Frame();
    return frame ? frame->m_pConfigView : nullptr;
}

CMySuperGrid* AppDeviceTest::Tree() const
{
    CCamSelView* view = CamSel();
    return view ? view->GetTree(FAMILY_DVR) : nullptr;
}

AppDeviceTest::CTreeItem* AppDeviceTest::FindByAddress(CTreeItem* root, uint32_t address)
{
    if (!root)
        return nullptr;
    for (CTreeItem* node : root->m_listChild) {
        if (!node->m_lpNodeInfo->m_bFolder && node->m_lpNodeInfo->m_dwIpAddress == address)
            return node;
        if (CTreeItem* found = FindByAddress(node, address))
            return found;
    }
    return nullptr;
}

int AppDeviceTest::CountByAddress(CTreeItem* root, uint32_t address)
{
    int count = 0;
    if (!root)
        return 0;
    for (CTreeItem* node : root->m_listChild) {
        if (!node->m_lpNodeInfo->m_bFolder && node->m_lpNodeInfo->m_dwIpAddress == address)
            ++count;
        count += CountByAddress(node, address);
    }
    return count;
}

void AppDeviceTest::Click(CTreeItem* node)
{
    CMySuperGrid* tree = Tree();
    CRect label;
    tree->GetItemRect(tree->RowOfNode(node), &label, LVIR_LABEL);
    const CPoint p(label.left + 10, (label.top + label.bottom) / 2);
    tree->SendMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(p.x, p.y));
    tree->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
    PumpWaitingMessages();
}

void AppDeviceTest::TreeCommand(UINT id)
{
    Tree()->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0);
    PumpWaitingMessages();
}

void AppDeviceTest::ClickButton(CWnd* parent, int id)
{
    CWnd* button = parent->GetDlgItem(id);
    parent->SendMessage(
        WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button ? button->GetSafeHwnd() : nullptr));
}

std::string AppDeviceTest::Text(CWnd* parent, int id)
{
    CString text;
    parent->GetDlgItemText(id, text);
    return static_cast<LPCTSTR>(text);
}

std::vector<std::string> AppDeviceTest::BoxTexts() const
{
    std::vector<std::string> texts;
    for (const auto& box : m_boxes.Boxes())
        texts.push_back(static_cast<LPCTSTR>(box.text));
    return texts;
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
