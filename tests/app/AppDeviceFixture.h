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
    void SetUp() override;
    void TearDown() override;

    // The profile of a device of `family` (a DVR of `recorderClass`) at
    // `address`: its MAC and serial number end in the address's last byte.
    static sim::DeviceProfile DvrProfile(uint32_t address, uint32_t family = 4, int recorderClass = 2);
    // A device of `profile` answering discovery at its address and logins
    // at `loginAddress` (0: the same) with `password`, on the port its
    // configuration server picked. Before Start.
    size_t AddDevice(sim::DeviceProfile profile, const std::string& password, uint32_t loginAddress = 0);
    size_t AddDvr(uint32_t address, const std::string& password, uint32_t loginAddress = 0)
    {
        return AddDevice(DvrProfile(address), password, loginAddress);
    }
    uint32_t ConfigPort(size_t dvr) const { return m_servers[dvr]->Port(); }
    sim::ConfigServer& Server(size_t dvr) { return *m_servers[dvr]; }
    // A "My DVR" record of a DVR of AddDvr.
    fixture::Device Record(size_t dvr, const char* name) const;
    // Ends the program and starts it again on the same files.
    BOOL Restart();

    // A press and release on the row's label (the row must be shown).
    void Click(CTreeItem* node);
    // Clicks the device at `address` under "My DVR", else under the
    // registration-server root; gives it, or null when there is none.
    CTreeItem* ClickDevice(uint32_t address);
    // Types the password into the login bar and presses Login.
    void Login(const char* password);
    // A command of the tree's menus.
    void TreeCommand(UINT id);
    // A button of a window, as its click notifies the window.
    static void ClickButton(CWnd* parent, int id);
    static std::string Text(CWnd* parent, int id);

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
