// The running program beside simulated DVRs on loopback addresses: each
// answers discovery at its address and logins on a configuration server of
// its own. Helpers drive the tree and the login bar through their controls.
#pragma once

#include "AppShellFixture.h"

#include "app/CamSelView.h"
#include "app/ConfigView.h"
#include "app/MainFrame.h"
#include "sim/ConfigServer.h"
#include "sim/DiscoveryResponder.h"
#include "tests/devtree/TreeFileFixtures.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class AppDeviceTest : public AppShellTest
{
protected:
    using CTreeItem = CSuperGridCtrl::CTreeItem;

    void SetUp() override;
    void TearDown() override;

    // A DVR answering discovery at `address` (its MAC ends in the address's
    // last byte) and logins at `loginAddress` (0: the same) with `password`,
    // on the port its configuration server picked; its serial number is
    // `serial`, or one of its profile's ending in the address's last byte.
    // Before Start.
    size_t AddDvr(uint32_t address, const std::string& password, uint32_t loginAddress = 0,
        const std::string& serial = {});
    uint32_t ConfigPort(size_t dvr) const { return m_servers[dvr]->Port(); }
    sim::ConfigServer& Server(size_t dvr) { return *m_servers[dvr]; }
    // A "My DVR" record of a DVR of AddDvr.
    fixture::Device Record(size_t dvr, const char* name) const;
    // Writes the DVR tree file before the program starts.
    void WriteTree(const std::vector<fixture::Device>& devices, const std::vector<fixture::LastCam>& last = {});
    // Ends the program and starts it again on the same files.
    BOOL Restart();

    CMainFrame* Frame() const;
    CCamSelView* CamSel() const;
    CConfigView* View() const;
    CMySuperGrid* Tree() const;
    static CTreeItem* FindByAddress(CTreeItem* root, uint32_t address);
    static int CountByAddress(CTreeItem* root, uint32_t address);

    // A press and release on the row's label.
    void Click(CTreeItem* node);
    // A command of the tree's menus.
    void TreeCommand(UINT id);
    // A button of a window, as its click notifies the window.
    static void ClickButton(CWnd* parent, int id);
    static std::string Text(CWnd* parent, int id);
    std::vector<std::string> BoxTexts() const;

    bool WaitFor(const std::function<bool()>& done, DWORD ms = 10000);
    // Pumps until the devices have sent nothing new for a while.
    void WaitQuiet();
    // Moves the clock in steps of 100 ms, letting answers in between.
    void Step(DWORD ms);

    sim::DiscoveryResponder m_responder;
    std::vector<std::unique_ptr<sim::ConfigServer>> m_servers;
    bool m_responderStarted = false;
};

// "a.b.c.d" of an address, first octet in the most significant byte.
std::string Dotted(uint32_t address);
