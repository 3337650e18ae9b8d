// Starts the application object as Setup does, on the offscreen platform,
// with the settings store and the install folder in a temporary folder, a
// clock that only moves when the test says so, and discovery on loopback.
#pragma once

#include "app/ConfigApp.h"
#include "platform/base/TestServices.h"
#include "platform/ui/Dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Records each modal dialog's caption and closes it at once, or lets a
// test's script drive it (a dialog the script leaves open is cancelled).
class RecordingDialogRunner : public IModalDialogRunner
{
public:
    void RunModalLoop(CWnd* dialog) override;
    std::vector<CString> captions;
    std::function<void(CDialog*)> script;
};

class AppShellTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Runs InitInstance; gives its result.
    BOOL Start();
    std::string InstallPath(const char* name) const;
    void Advance(DWORD milliseconds);

    std::string m_dir;
    ManualClock m_clock;
    RecordingProcessControl m_process;
    FixedNetworkEnvironment m_network;
    RecordingDialogRunner m_dialogs;
    ScriptedMessageBoxPresenter m_boxes;
    std::unique_ptr<ScopedService<IClock>> m_useClock;
    std::unique_ptr<ScopedService<IProcessControl>> m_useProcess;
    std::unique_ptr<ScopedService<INetworkEnvironment>> m_useNetwork;
    std::unique_ptr<ScopedService<IModalDialogRunner>> m_useDialogs;
    std::unique_ptr<ScopedService<IMessageBoxPresenter>> m_useBoxes;
    std::unique_ptr<CConfigApp> m_app;
};
