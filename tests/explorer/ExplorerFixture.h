// What the explorer dialogs' tests share: a host window that records what
// the explorers tell it, simulated devices answering discovery on loopback,
// a registration server's FTP role, and the install folder with its
// registry values and tree file.
#pragma once

#include "explorer/ItemInfo.h"
#include "explorer/SuperGridCtrl.h"
#include "explorer/TreeFile.h"
#include "tests/explorer/ScratchFolder.h"

#include "platform/base/Services.h"
#include "platform/base/Settings.h"
#include "platform/base/TestServices.h"
#include "platform/msg/WndBase.h"
#include "platform/ui/Wnd.h"
#include "sim/DiscoveryResponder.h"
#include "sim/FtpServer.h"

#include <QDir>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace explorer_test
{

struct Notice {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    CString text; // the row text of a row's data
};

// The host program's window: keeps every explorer message it receives.
class ExplorerHost : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= 0x464 && message <= 0x478) {
            Notice n { message, wParam, lParam, {} };
            if ((message == 0x466 || message == 0x46A) && lParam)
                n.text = reinterpret_cast<const morrik::CItemInfo*>(lParam)->GetItemText();
            notices.push_back(n);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<Notice> Of(UINT message) const
    {
        std::vector<Notice> found;
        for (const Notice& n : notices)
            if (n.message == message)
                found.push_back(n);
        return found;
    }
    std::vector<Notice> notices;
};

// The child row of `parent` with this text, or null.
inline morrik::CSuperGridCtrl::CTreeItem* Child(morrik::CSuperGridCtrl::CTreeItem* parent, const char* text)
{
    if (!parent)
        return nullptr;
    for (morrik::CSuperGridCtrl::CTreeItem* child : parent->m_listChild)
        if (child->m_lpNodeInfo->GetItemText() == text)
            return child;
    return nullptr;
}

// A simulated DVR of the family at a loopback address.
inline sim::DiscoveryDevice SimDvr(uint32_t address, const char* model, uint16_t port)
{
    sim::DiscoveryDevice d;
    d.profile = sim::MakeProfile(4);
    d.profile.address = address;
    d.profile.model = model;
    const uint8_t mac[6] = { 0x00, 0x1b, 0x9e, 0x20, 0x30, uint8_t(address) };
    std::memcpy(d.profile.mac, mac, 6);
    d.profile.configPort = port;
    d.profile.serial = "DVRSN" + std::to_string(address & 0xFF);
    d.replyCommand = 0x1111;
    return d;
}

class ExplorerFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SetSettingsFile((m_folder.Dir() + "/registry.ini").c_str());
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern\\Pellmoor", 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegSetValueEx(key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(m_folder.Dir().c_str()),
            DWORD(m_folder.Dir().size() + 1));
        RegCloseKey(key);
        // Discovery goes out from loopback to loopback's broadcast address.
        AdapterInfo adapter;
        adapter.name = "lo";
        adapter.ipAddress = "127.0.0.1";
        adapter.ipMask = "255.0.0.0";
        m_network.adapters = { adapter };
        m_network.broadcastTargets = { 0x7FFFFFFF };
        ASSERT_TRUE(m_host.CreateEx(
            0, "ExplorerHost", "Host", WS_POPUP | WS_VISIBLE, 0, 0, 360, 480, nullptr, nullptr));
    }
    void TearDown() override { m_host.DestroyWindow(); }

    std::string TreePath() const { return m_folder.Path("qarn.info"); }
    // The tree file the explorer opens.
    void WriteTree(const morrik::TreeFileLists& lists)
    {
        ASSERT_TRUE(morrik::ResetFileIfNoFileIs(TreePath()));
        ASSERT_TRUE(morrik::ReadLlistAndUpdateFile(TreePath(), lists, true));
    }
    morrik::TreeFileLists ReadTree() const
    {
        morrik::TreeFileLists lists;
        morrik::ReadTreeFileAndConsistLlist(TreePath(), &lists);
        return lists;
    }
    static bool Pump(const std::function<bool()>& done, DWORD ms = 10000)
    {
        return PumpMessagesUntil(done, ms);
    }
    void SavePicture(QWidget* widget, const char* name)
    {
        const QImage image = widget->grab().toImage();
        const std::string dir = std::string(SUITE_BUILD_DIR) + "/pictures";
        QDir().mkpath(QString::fromStdString(dir));
        ASSERT_TRUE(image.save(QString::fromStdString(dir + "/" + name)));
    }

    ScratchFolder m_folder;
    // Timers fire when a test moves the clock; sockets run in real time.
    ManualClock m_clock;
    ScopedService<IClock> m_clockScope { &m_clock };
    FixedNetworkEnvironment m_network;
    ScopedService<INetworkEnvironment> m_networkScope { &m_network };
    ScriptedMessageBoxPresenter m_boxes;
    ScopedService<IMessageBoxPresenter> m_boxScope { &m_boxes };
    sim::DiscoveryResponder m_responder;
    ExplorerHost m_host;
};

} // namespace explorer_test
