#include "AppShellFixture.h"

#include "app/CamSelView.h"
#include "app/MainFrame.h"
#include "devtree/ItemInfo.h"
#include "platform/base/Settings.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DocView.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

void AppShellTest::SetUp()
{
    char pattern[] = "/tmp/appshell-XXXXXX";
    m_dir = mkdtemp(pattern);
    SetSettingsFile((m_dir + "/registry.ini").c_str());
    SetInstallFolder((m_dir + "/install").c_str());
    m_network.adapters.resize(1);
    m_network.adapters[0].ipAddress = "127.0.0.1";
    m_network.broadcastTargets = { 0x7FFFFFFF };
    m_useClock = std::make_unique<ScopedService<IClock>>(&m_clock);
    m_useProcess = std::make_unique<ScopedService<IProcessControl>>(&m_process);
    m_useNetwork = std::make_unique<ScopedService<INetworkEnvironment>>(&m_network);
    m_useDialogs = std::make_unique<ScopedService<IModalDialogRunner>>(&m_dialogs);
    m_useBoxes = std::make_unique<ScopedService<IMessageBoxPresenter>>(&m_boxes);
    SetScreenSizeOverride(0, 0);
    m_app = std::make_unique<CConfigApp>();
}

void AppShellTest::TearDown()
{
    if (m_app) {
        m_app->ExitInstance();
        PumpWaitingMessages();
        m_app.reset();
    }
    m_useBoxes.reset();
    m_useDialogs.reset();
    m_useNetwork.reset();
    m_useProcess.reset();
    m_useClock.reset();
    SetScreenSizeOverride(0, 0);
    std::filesystem::remove_all(m_dir);
}

BOOL AppShellTest::Start()
{
    const BOOL started = m_app->InitInstance();
    PumpWaitingMessages();
    return started;
}

std::string AppShellTest::InstallPath(const char* name) const
{
    return m_dir + "/install/" + name;
}

void AppShellTest::Advance(DWORD milliseconds)
{
    m_clock.Advance(milliseconds);
    PumpWaitingMessages();
}

void AppShellTest::WriteTree(
    const std::vector<fixture::Device>& devices, const std::vector<fixture::LastCam>& last)
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

CMainFrame* AppShellTest::Frame() const
{
    return dynamic_cast<CMainFrame*>(AfxGetMainWnd());
}

CCamSelView* AppShellTest::CamSel() const
{
    CMainFrame* frame = Frame();
    return frame ? frame->m_pCamSelView : nullptr;
}

CConfigView* AppShellTest::View() const
{
    CMainFrame* frame = Frame();
    return frame ? frame->m_pConfigView : nullptr;
}

CMySuperGrid* AppShellTest::Tree() const
{
    CCamSelView* view = CamSel();
    return view ? view->GetTree(FAMILY_DVR) : nullptr;
}

namespace
{

// Every device (not a folder) below `root` at `address`, depth first.
void DevicesAt(
    CSuperGridCtrl::CTreeItem* root, uint32_t address, std::vector<CSuperGridCtrl::CTreeItem*>& found)
{
    if (!root)
        return;
    for (CSuperGridCtrl::CTreeItem* node : root->m_listChild) {
        if (!node->m_lpNodeInfo->m_bFolder && node->m_lpNodeInfo->m_dwIpAddress == address)
            found.push_back(node);
        DevicesAt(node, address, found);
    }
}

} // namespace

AppShellTest::CTreeItem* AppShellTest::FindByAddress(CTreeItem* root, uint32_t address)
{
    std::vector<CTreeItem*> found;
    DevicesAt(root, address, found);
    return found.empty() ? nullptr : found.front();
}

int AppShellTest::CountByAddress(CTreeItem* root, uint32_t address)
{
    std::vector<CTreeItem*> found;
    DevicesAt(root, address, found);
    return int(found.size());
}

std::vector<std::string> AppShellTest::TextsOf(const ScriptedMessageBoxPresenter& boxes)
{
    std::vector<std::string> texts;
    for (const auto& box : boxes.Boxes())
        texts.push_back(static_cast<LPCTSTR>(box.text));
    return texts;
}
