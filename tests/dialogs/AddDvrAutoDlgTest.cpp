// Add New DVR from a broadcast: the dialog's own socket finds simulated
// devices, lists each once in address order, and OK hands back the record
// of the picked or typed device.
#include "dialogs/AddDvrAutoDlg.h"
#include "link/CurrentDevice.h"
#include "link/DeviceHelpers.h"
#include "link/HostName.h"
#include "platform/base/TestServices.h"
#include "sim/DiscoveryResponder.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

constexpr uint32_t kLoopbackBroadcast = 0x7FFFFFFF;

sim::DiscoveryDevice Device(uint32_t address, uint16_t form)
{
    sim::DiscoveryDevice d;
    d.profile = sim::MakeProfile(4);
    d.profile.address = address;
    const uint8_t mac[6] = { 0x00, 0x1c, 0x23, 0xab, 0x20, uint8_t(address) };
    std::memcpy(d.profile.mac, mac, 6);
    d.profile.serial = "SN" + std::to_string(address & 0xFF);
    d.profile.title = "Yard " + std::to_string(address & 0xFF);
    d.profile.configPort = 9000 + (address & 0xFF);
    d.replyCommand = form;
    return d;
}

std::string Field(const char* field, size_t size)
{
    return std::string(field, strnlen(field, size));
}

class AddDvrAuto : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        g_CurrentDevice = SELECTED_DEVICE();
        g_CurrentDevice.dwFamily = DEVICE_FAMILY_DVR;
        network.broadcastTargets = { kLoopbackBroadcast };
        // Added out of address order; .3 answers without its port.
        for (uint32_t host : { 12u, 3u, 7u })
            responder.AddDevice(Device(0x7F000000 | host, host == 3 ? 0x1101 : 0x1111));
        ASSERT_TRUE(responder.Start());
    }
    INT_PTR Run(CAddDvrAutoDlg& dlg, std::function<void(CAddDvrAutoDlg*)> script)
    {
        ScriptedDialogRunner runner([&](CDialog* d) { script(static_cast<CAddDvrAutoDlg*>(d)); });
        ScopedService<IModalDialogRunner> use(&runner);
        return dlg.DoModal();
    }
    // Auto-detect, then wait until every device's answers are listed.
    void Detect(CAddDvrAutoDlg* d, size_t answers)
    {
        d->SendDlgItemMessage(IDC_AUTO_DETECT, BM_CLICK);
        ASSERT_TRUE(PumpMessagesUntil([&] { return responder.RepliesSent() >= answers; }, 10000));
        ASSERT_TRUE(PumpMessagesUntil([&] { return d->m_List.GetItemCount() == 3; }, 10000));
        // Any answer still on its way would be a fourth row.
        PumpMessagesUntil([] { return false; }, 200);
    }
    void ClickRow(CAddDvrAutoDlg* d, int row)
    {
        CRect r;
        ASSERT_TRUE(d->m_List.GetItemRect(row, &r, LVIR_BOUNDS));
        const LPARAM at = MAKELPARAM(WORD(r.left + 20), WORD(r.top + 3));
        d->m_List.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        d->m_List.SendMessage(WM_LBUTTONUP, 0, at);
    }
    static CString Text(CDialog* d, int id)
    {
        CString text;
        d->GetDlgItemText(id, text);
        return text;
    }

    FixedNetworkEnvironment network;
    ScopedService<INetworkEnvironment> useNetwork { &network };
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    sim::DiscoveryResponder responder;
};

TEST_F(AddDvrAuto, TheBroadcastListsEachDeviceOnceInAddressOrder)
{
    // Two broadcasts at once: every device answers twice.
    network.broadcastTargets = { kLoopbackBroadcast, kLoopbackBroadcast };
    CAddDvrAutoDlg dlg;
    Run(dlg, [&](CAddDvrAutoDlg* d) {
        EXPECT_EQ(d->m_List.GetColumnCount(), 3);
        EXPECT_TRUE(d->m_List.GetExtendedStyle() & LVS_EX_GRIDLINES);
        EXPECT_FALSE(d->GetDlgItem(IDC_AUTO_PHONE)->IsWindowEnabled());
        Detect(d, 6);
        EXPECT_EQ(d->m_List.GetItemCount(), 3);
        // Text order, as the addresses read.
        EXPECT_EQ(d->m_List.GetItemText(0, 0), "127.0.0.12");
        EXPECT_EQ(d->m_List.GetItemText(1, 0), "127.0.0.3");
        EXPECT_EQ(d->m_List.GetItemText(2, 0), "127.0.0.7");
        EXPECT_EQ(d->m_List.GetItemText(1, 1), "00:1C:23:AB:20:03");
        EXPECT_EQ(d->m_List.GetItemText(1, 2), "SN3");
        // Detecting again starts the list over.
        d->SendDlgItemMessage(IDC_AUTO_DETECT, BM_CLICK);
        EXPECT_EQ(d->m_List.GetItemCount(), 0);
        d->SendDlgItemMessage(IDCANCEL, BM_CLICK);
    });
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(AddDvrAuto, APickedRowGivesItsDevicesRecord)
{
    CAddDvrAutoDlg dlg;
    ASSERT_EQ(Run(dlg,
                  [&](CAddDvrAutoDlg* d) {
                      Detect(d, 3);
                      ClickRow(d, 2);
                      EXPECT_EQ(Text(d, IDC_AUTO_ADDRESS), "127.0.0.7");
                      EXPECT_EQ(Text(d, IDC_AUTO_NAME), "127.0.0.7");
                      d->SetDlgItemText(IDC_AUTO_NAME, "Yard");
                      d->SendDlgItemMessage(IDOK, BM_CLICK);
                  }),
        IDOK);
    EXPECT_EQ(dlg.m_strName, "Yard");
    EXPECT_EQ(dlg.m_nAccess, ACCESS_ETHERNET);
    EXPECT_EQ(dlg.m_record.ipAddress, 0x7F000007u);
    EXPECT_EQ(dlg.m_record.port, 9007u);
    EXPECT_EQ(dlg.m_record.mac[3], 0xab);
    EXPECT_EQ(dlg.m_record.mac[5], 7);
    EXPECT_EQ(Field(dlg.m_record.serial, sizeof dlg.m_record.serial), "SN7");
    EXPECT_EQ(Field(dlg.m_record.title, sizeof dlg.m_record.title), "Yard 7");
    EXPECT_EQ(Field(dlg.m_record.model, sizeof dlg.m_record.model), sim::MakeProfile(4).model);
}

TEST_F(AddDvrAuto, ATypedAddressFindsItsRowOrStandsAlone)
{
    struct Case {
        const char* address;
        int access;
        uint32_t port;
        const char* model;
        const char* serial;
    } cases[] = {
        // A listed device typed by hand; it answered without its port.
        { "127.0.0.3", ACCESS_ETHERNET, 80, nullptr, "SN3" },
        { "127.0.0.99", ACCESS_ETHERNET, 80, "", "" },
        // Dialled: no row is looked up.
        { "127.0.0.7", ACCESS_DIAL, 80, "HX7T2M", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        responder.ClearLog();
        CAddDvrAutoDlg dlg;
        ASSERT_EQ(Run(dlg,
                      [&](CAddDvrAutoDlg* d) {
                          Detect(d, responder.RepliesSent() + 3);
                          ClickRow(d, 0); // another row first
                          if (c.access == ACCESS_DIAL) {
                              d->SendDlgItemMessage(IDC_ACCESS_DIAL, BM_CLICK);
                              EXPECT_TRUE(d->GetDlgItem(IDC_AUTO_PHONE)->IsWindowEnabled());
                              d->SetDlgItemText(IDC_AUTO_PHONE, "0301234567");
                          }
                          d->SetDlgItemText(IDC_AUTO_ADDRESS, c.address);
                          d->SendDlgItemMessage(IDOK, BM_CLICK);
                      }),
            IDOK);
        EXPECT_EQ(dlg.m_record.ipAddress, ParseIpAddress(c.address));
        EXPECT_EQ(dlg.m_record.port, c.port);
        if (c.model) {
            EXPECT_EQ(Field(dlg.m_record.model, sizeof dlg.m_record.model), c.model);
        }
        EXPECT_EQ(Field(dlg.m_record.serial, sizeof dlg.m_record.serial), c.serial);
        EXPECT_EQ(dlg.m_nAccess, c.access);
        if (c.access == ACCESS_DIAL) {
            EXPECT_EQ(dlg.m_strPhone, "0301234567");
        }
    }
}

TEST_F(AddDvrAuto, OkAsksForANameAndAnAddress)
{
    CAddDvrAutoDlg dlg;
    ASSERT_EQ(Run(dlg,
                  [&](CAddDvrAutoDlg* d) {
                      d->SendDlgItemMessage(IDOK, BM_CLICK);
                      EXPECT_FALSE(d->IsModalEnded());
                      d->SetDlgItemText(IDC_AUTO_NAME, "Gate");
                      d->SendDlgItemMessage(IDOK, BM_CLICK);
                      EXPECT_FALSE(d->IsModalEnded());
                      d->SetDlgItemText(IDC_AUTO_ADDRESS, "127.0.0.12");
                      d->SendDlgItemMessage(IDOK, BM_CLICK);
                  }),
        IDOK);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Please enter the DVR name!");
    EXPECT_EQ(boxes.Boxes()[1].text, "Please enter the DVR address!");
    // Nothing was detected: the record is built from the address.
    EXPECT_EQ(dlg.m_record.ipAddress, 0x7F00000Cu);
    EXPECT_EQ(dlg.m_record.port, 80u);
}

} // namespace
