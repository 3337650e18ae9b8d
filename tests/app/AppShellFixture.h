// Starts the application object as Setup does, on the offscreen platform,
// with the settings store and the install folder in a temporary folder, a
// clock that only moves when the test says so, and discovery on loopback.
#pragma once

#include "app/ConfigApp.h"
#include "devtree/SuperGridCtrl.h"
#include "platform/base/TestServices.h"
#include "platform/ui/Dialog.h"
#include "tests/devtree/TreeFileFixtures.h"
#include "tests/platform/RecordingDialogRunner.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCamSelView;
class CConfigView;
class CMainFrame;
class CMySuperGrid;

class AppShellTest : public ::testing::Test
{
protected:
    using CTreeItem = CSuperGridCtrl::CTreeItem;

    void SetUp() override;
    void TearDown() override;
    // Runs InitInstance; gives its result.
    BOOL Start();
    std::string InstallPath(const char* name) const;
    void Advance(DWORD milliseconds);
    // Writes the DVR tree file before the program starts.
    void WriteTree(
        const std::vector<fixture::Device>& devices, const std::vector<fixture::LastCam>& last = {});

    // The running program's windows (null before Start).
    CMainFrame* Frame() const;
    CCamSelView* CamSel() const;
    CConfigView* View() const;
    CMySuperGrid* Tree() const;
    // The first device (not a folder) below `root` at `address`, and how
    // many there are.
    static CTreeItem* FindByAddress(CTreeItem* root, uint32_t address);
    static int CountByAddress(CTreeItem* root, uint32_t address);

    // The texts of the message boxes shown so far.
    std::vector<std::string> BoxTexts() const { return TextsOf(m_boxes); }
    static std::vector<std::string> TextsOf(const ScriptedMessageBoxPresenter& boxes);

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
