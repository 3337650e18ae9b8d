// Add New DVR from the device tree of the running program: the dialog
// probes a simulated DVR through the device-selection view's discovery
// sockets, and the tree takes the device from the probe's answer.
#include "AppDeviceFixture.h"

#include "dialogs/AddDvrDlg.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"

#include <QApplication>

namespace
{

constexpr uint32_t kDvr = 0x7F00002A;

// The probe holds the wait cursor once, from Start Probe until it ends.
bool WaitCursorShown()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

bool OkEnabled(CDialog* dlg)
{
    return dlg->GetDlgItem(IDOK)->IsWindowEnabled();
}

class AppAddDvrTest : public AppDeviceTest
{
protected:
    // Selects "My DVR" and runs Add DVR with the dialog driven by `script`.
    void AddDvrWith(std::function<void(CAddDvrDlg*)> script)
    {
        Click(Tree()->m_pMyRoot);
        m_dialogs.script = [&](CDialog* dlg) { script(static_cast<CAddDvrDlg*>(dlg)); };
        TreeCommand(ID_TREE_ADD_CAM);
        m_dialogs.script = nullptr;
    }
};

TEST_F(AppAddDvrTest, TheProbeFindsADvrOnItsOwnPortAndTheTreeTakesIt)
{
    const size_t dvr = AddDvr(kDvr, "admin");
    ASSERT_TRUE(m_responder.Start());
    ASSERT_TRUE(Start());
    // Discovery lists the DVR under "Local Area DVR" first.
    ASSERT_TRUE(WaitFor([&] { return FindByAddress(Tree()->m_pLocalRoot, kDvr) != nullptr; }));
    WaitQuiet();

    bool opened = false;
    AddDvrWith([&](CAddDvrDlg* dlg) {
        opened = true;
        EXPECT_FALSE(OkEnabled(dlg));
        EXPECT_FALSE(dlg->GetDlgItem(IDC_START_PROBE)->IsWindowEnabled());
        dlg->SetDlgItemText(IDC_DVR_ADDRESS, Dotted(kDvr).c_str()); // an edit enables Start Probe
        EXPECT_TRUE(dlg->GetDlgItem(IDC_START_PROBE)->IsWindowEnabled());
        EXPECT_FALSE(WaitCursorShown());
        dlg->SendDlgItemMessage(IDC_START_PROBE, BM_CLICK);
        EXPECT_TRUE(WaitCursorShown());
        EXPECT_EQ(CamSel()->GetAwaitedAddress(), kDvr);
        ASSERT_TRUE(WaitFor([&] { return dlg->m_bReplied != FALSE; }));
        EXPECT_TRUE(OkEnabled(dlg));
        EXPECT_EQ(CamSel()->GetAwaitedAddress(), 0u);
        const sim::DiscoveryDevice sim = m_responder.Device(dvr);
        char mac[24];
        FormatMacText(sim.profile.mac, mac, sizeof mac);
        EXPECT_EQ(Text(dlg, IDC_PROBE_STATUS),
            " The first try $ Probe OK!\r\n \r\n << DVR Information >>\r\n $ Serial Number :  "
                + sim.profile.serial + "\r\n $ MAC Address : " + mac);
        // The answer carries the DVR's port: Firewall with that port.
        EXPECT_EQ(dlg->IsDlgButtonChecked(IDC_DVR_MODE_FIREWALL), 1u);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ASSERT_TRUE(opened);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr); // Add ends the wait

    CTreeItem* added = FindByAddress(Tree()->m_pMyRoot, kDvr);
    ASSERT_NE(added, nullptr);
    const CItemInfo* info = added->m_lpNodeInfo;
    EXPECT_EQ(info->GetItemText(), CString(Dotted(kDvr).c_str()));
    EXPECT_EQ(info->m_dwConfigPort, ConfigPort(dvr));
    EXPECT_EQ(info->m_dwHttpPort, ConfigPort(dvr));
    EXPECT_EQ(info->m_dwStreamPort, ConfigPort(dvr));
    EXPECT_EQ(info->GetImage(), TREE_IMAGE_ONLINE);
    EXPECT_EQ(FindByAddress(Tree()->m_pLocalRoot, kDvr), nullptr);
    // It is the selected device, on its port.
    EXPECT_EQ(g_CurrentDevice.dwIpAddress, kDvr);
    EXPECT_EQ(Text(View(), IDC_PORT), std::to_string(ConfigPort(dvr)));

    // Later rounds of discovery find it in "My DVR" and list it nowhere else.
    Step(REBROADCAST_PERIOD_MS);
    WaitQuiet();
    Step(REBROADCAST_PERIOD_MS);
    WaitQuiet();
    EXPECT_EQ(CountByAddress(Tree()->m_pMyRoot, kDvr), 1);
    EXPECT_EQ(CountByAddress(Tree()->m_pLocalRoot, kDvr), 0);
    EXPECT_EQ(added->m_lpNodeInfo->GetImage(), TREE_IMAGE_ONLINE);
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
}

TEST_F(AppAddDvrTest, ASilentAddressFailsThreeTriesAndAddBuildsTheRecord)
{
    const size_t dvr = AddDvr(kDvr + 1, "admin");
    m_responder.Update(dvr, [](sim::DiscoveryDevice& d) { d.silent = true; });
    ASSERT_TRUE(m_responder.Start());
    ASSERT_TRUE(Start());
    auto probes = [&] {
        size_t n = 0;
        for (const auto& exchange : m_responder.Log())
            n += exchange.device == dvr && exchange.to == kDvr + 1 ? 1 : 0;
        return n;
    };
    AddDvrWith([&](CAddDvrDlg* dlg) {
        dlg->SetDlgItemText(IDC_DVR_ADDRESS, Dotted(kDvr + 1).c_str());
        const size_t before = probes();
        dlg->SendDlgItemMessage(IDC_START_PROBE, BM_CLICK);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(WaitCursorShown()) << "try " << i + 1;
            ASSERT_TRUE(WaitFor([&] { return probes() == before + size_t(i) + 1; })) << "try " << i + 1;
            m_clock.Advance(3000);
            PumpWaitingMessages();
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr); // the third failure ends the wait
        EXPECT_EQ(Text(dlg, IDC_PROBE_STATUS),
            " The first try $ Probe failed\r\n The second try $ Probe failed\r\n The third try $ Probe "
            "failed");
        EXPECT_TRUE(OkEnabled(dlg));
        EXPECT_EQ(CamSel()->GetAwaitedAddress(), 0u);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    // Without an answer the device is added offline at the default ports.
    CTreeItem* added = FindByAddress(Tree()->m_pMyRoot, kDvr + 1);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->m_lpNodeInfo->m_dwConfigPort, 8405u);
    EXPECT_EQ(added->m_lpNodeInfo->m_dwHttpPort, 8001u);
    EXPECT_EQ(added->m_lpNodeInfo->m_dwStreamPort, 8105u);
    EXPECT_EQ(added->m_lpNodeInfo->GetImage(), TREE_IMAGE_OFFLINE);
}

} // namespace
