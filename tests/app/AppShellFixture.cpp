#include "AppShellFixture.h"

#include "platform/base/Settings.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DocView.h"

#include <cstdlib>
#include <filesystem>

void RecordingDialogRunner::RunModalLoop(CWnd* dialog)
{
    CString caption;
    dialog->GetWindowText(caption);
    captions.push_back(caption);
    auto* box = dynamic_cast<CDialog*>(dialog);
    if (!box)
        return;
    if (!script) {
        box->EndDialog(IDOK);
        return;
    }
    script(box);
    if (!box->IsModalEnded())
        box->EndDialog(IDCANCEL);
}

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
