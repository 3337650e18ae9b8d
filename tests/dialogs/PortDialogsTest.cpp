// The port dialogs driven through their control ids inside DoModal: the
// network page's three (ranges by family, equal ports, OK held back until an
// edit) and the Default button of the port assignment's two.
#include "dialogs/FirewallDlg.h"
#include "dialogs/NormalPortDlg.h"
#include "dialogs/PortAssignDlg.h"
#include "link/CurrentDevice.h"
#include "platform/base/TestServices.h"
#include "resources/setup/Resource.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace
{

bool OkEnabled(CDialog* dlg)
{
    return dlg->GetDlgItem(IDOK)->IsWindowEnabled() != FALSE;
}

CString Text(CDialog* dlg, int id)
{
    CString text;
    dlg->GetDlgItemText(id, text);
    return text;
}

void Click(CDialog* dlg, int id)
{
    dlg->SendDlgItemMessage(id, BM_CLICK);
}

class PortDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        g_CurrentDevice = SELECTED_DEVICE();
    }
    // Runs `dlg` with the script; gives DoModal's result.
    INT_PTR Run(CDialog& dlg, std::function<void(CDialog*)> script)
    {
        ScriptedDialogRunner runner(std::move(script));
        ScopedService<IModalDialogRunner> use(&runner);
        return dlg.DoModal();
    }
    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes())
            texts.emplace_back(box.text.GetString());
        return texts;
    }
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
};

TEST_F(PortDialogs, NetworkPortDialogsHoldOkBackUntilAPortChanges)
{
    struct Case {
        const char* name;
        std::function<CDialog*()> make;
        int edit;
        bool hasDefault;
    };
    CNormalPortDlg normal;
    CNormalPortExDlg normalEx;
    CFirewallDlg firewall;
    const Case cases[] = {
        { "normal, monitor", [&] { return &normal; }, IDC_NORMAL_MONITOR_PORT, true },
        { "normal, playback", [&] { return &normal; }, IDC_NORMAL_PLAYBACK_PORT, true },
        { "three ports, transparent", [&] { return &normalEx; }, IDC_TRANSPARENT_PORT, true },
        { "firewall", [&] { return &firewall; }, IDC_FIREWALL_DLG_PORT, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run(*c.make(), [&](CDialog* dlg) {
            EXPECT_FALSE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "9000");
            EXPECT_TRUE(OkEnabled(dlg));
            Click(dlg, IDCANCEL);
        });
        if (!c.hasDefault)
            continue;
        Run(*c.make(), [&](CDialog* dlg) {
            EXPECT_FALSE(OkEnabled(dlg));
            Click(dlg, IDC_PORT_DEFAULT);
            EXPECT_TRUE(OkEnabled(dlg));
            Click(dlg, IDCANCEL);
        });
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PortDialogs, LabelsNameTheFamilysPorts)
{
    struct Case {
        uint32_t family;
        const char* monitor;
        const char* playback;
    } cases[] = {
        { 0, "Monitor Port", "Playback Port" },
        { 4, "Monitor Port", "Playback Port" },
        { 2, "HTTP", "Streaming Server" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        g_CurrentDevice.dwFamily = c.family;
        CNormalPortExDlg dlg;
        Run(dlg, [&](CDialog* d) {
            EXPECT_EQ(Text(d, IDC_MONITOR_PORT_LABEL), c.monitor);
            EXPECT_EQ(Text(d, IDC_PLAYBACK_PORT_LABEL), c.playback);
            Click(d, IDCANCEL);
        });
    }
}

TEST_F(PortDialogs, AStreamingServerTakesPortsUpTo32767CheckedInFieldOrder)
{
    g_CurrentDevice.dwFamily = DEVICE_FAMILY_STREAM_SERVER;
    CNormalPortDlg dlg;
    ASSERT_EQ(Run(dlg,
                  [&](CDialog* d) {
                      // Both out of the family's range: only the first field is reported.
                      d->SetDlgItemText(IDC_NORMAL_MONITOR_PORT, "40000");
                      d->SetDlgItemText(IDC_NORMAL_PLAYBACK_PORT, "40001");
                      Click(d, IDOK);
                      EXPECT_FALSE(d->IsModalEnded());
                      ASSERT_EQ(boxes.Boxes().size(), 1u);
                      // The refused port is selected whole, ready to be typed over.
                      DWORD start = 1, end = 0;
                      d->SendDlgItemMessage(IDC_NORMAL_MONITOR_PORT, EM_GETSEL, WPARAM(&start), LPARAM(&end));
                      EXPECT_EQ(start, 0u);
                      EXPECT_EQ(end, 5u);
                      d->SetDlgItemText(IDC_NORMAL_MONITOR_PORT, "80");
                      Click(d, IDOK);
                      EXPECT_FALSE(d->IsModalEnded());
                      d->SetDlgItemText(IDC_NORMAL_PLAYBACK_PORT, "554");
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_EQ(BoxTexts(),
        (std::vector<std::string> { "HTTP port is invalid. Please use value from 1 to 32767.",
            "Streaming Server port is invalid. Please use value from 1 to 32767." }));
    EXPECT_EQ(dlg.m_nMonitorPort, 80);
    EXPECT_EQ(dlg.m_nPlaybackPort, 554);

    // Another family takes the same port.
    boxes.Clear();
    g_CurrentDevice.dwFamily = 0;
    CNormalPortDlg camera;
    ASSERT_EQ(Run(camera,
                  [&](CDialog* d) {
                      d->SetDlgItemText(IDC_NORMAL_MONITOR_PORT, "40000");
                      d->SetDlgItemText(IDC_NORMAL_PLAYBACK_PORT, "8105");
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(camera.m_nMonitorPort, 40000);
}

TEST_F(PortDialogs, EqualPortsAreRefused)
{
    g_CurrentDevice.dwFamily = DEVICE_FAMILY_DVR;
    CNormalPortDlg two;
    two.m_nMonitorPort = 8001;
    two.m_nPlaybackPort = 8105;
    ASSERT_EQ(Run(two,
                  [&](CDialog* d) {
                      d->SetDlgItemText(IDC_NORMAL_PLAYBACK_PORT, "8001");
                      Click(d, IDOK);
                      EXPECT_FALSE(d->IsModalEnded());
                      Click(d, IDCANCEL);
                  }),
        IDCANCEL);

    CNormalPortExDlg three;
    three.m_nMonitorPort = 8001;
    three.m_nPlaybackPort = 8105;
    three.m_nTransparentPort = 7119;
    ASSERT_EQ(Run(three,
                  [&](CDialog* d) {
                      for (const char* same : { "8001", "8105" }) {
                          d->SetDlgItemText(IDC_TRANSPARENT_PORT, same);
                          Click(d, IDOK);
                          EXPECT_FALSE(d->IsModalEnded()) << same;
                      }
                      d->SetDlgItemText(IDC_TRANSPARENT_PORT, "7200");
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_EQ(three.m_nTransparentPort, 7200);
    EXPECT_EQ(BoxTexts(),
        (std::vector<std::string> {
            "The playback port is the same as the monitor port. Please use another port number.",
            "Some port is the same as another port. Please use another port number.",
            "Some port is the same as another port. Please use another port number." }));
}

TEST_F(PortDialogs, DefaultGivesTheFamilysPorts)
{
    struct Case {
        uint32_t family;
        bool three;
        int monitor, playback, transparent;
    } cases[] = {
        { 0, false, 8001, 8105, 0 }, { 2, false, 80, 554, 0 }, { 4, true, 8001, 8105, 7119 },
        { 2, true, 80, 554, 9000 }, // the transparent port stays
        { 7, true, 1234, 4321, 9000 }, // an unknown family keeps all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.family << (c.three ? " three ports" : ""));
        g_CurrentDevice.dwFamily = c.family;
        CNormalPortDlg two;
        CNormalPortExDlg three;
        CNormalPortDlg& dlg = c.three ? three : two;
        dlg.m_nMonitorPort = 1234;
        dlg.m_nPlaybackPort = 4321;
        three.m_nTransparentPort = 9000;
        ASSERT_EQ(Run(dlg,
                      [&](CDialog* d) {
                          Click(d, IDC_PORT_DEFAULT);
                          EXPECT_EQ(d->GetDlgItemInt(IDC_NORMAL_MONITOR_PORT), UINT(c.monitor));
                          Click(d, IDOK);
                      }),
            IDOK);
        EXPECT_EQ(dlg.m_nMonitorPort, c.monitor);
        EXPECT_EQ(dlg.m_nPlaybackPort, c.playback);
        if (c.three) {
            EXPECT_EQ(three.m_nTransparentPort, c.transparent);
        }
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PortDialogs, TheFirewallPortIsAnyInteger)
{
    CFirewallDlg dlg;
    dlg.m_nFirewallPort = 80;
    ASSERT_EQ(Run(dlg,
                  [&](CDialog* d) {
                      EXPECT_EQ(d->GetDlgItemInt(IDC_FIREWALL_DLG_PORT), 80u);
                      d->SetDlgItemText(IDC_FIREWALL_DLG_PORT, "port");
                      Click(d, IDOK);
                      EXPECT_FALSE(d->IsModalEnded());
                      d->SetDlgItemText(IDC_FIREWALL_DLG_PORT, "70000");
                      Click(d, IDOK);
                  }),
        IDOK);
    EXPECT_EQ(dlg.m_nFirewallPort, 70000);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

// The port assignment of a tree entry opens the detail dialogs; their
// Default shows the standard ports, which come back to the assignment.
TEST_F(PortDialogs, TheAssignmentDetailsDefaultToTheStandardPorts)
{
    struct Case {
        int mode;
        std::vector<std::pair<int, const char*>> typed;
    } cases[] = {
        { PORT_MODE_FIREWALL, { { IDC_FIREWALL_PORT, "9999" } } },
        { PORT_MODE_NORMAL, { { IDC_MONITOR_PORT, "9001" }, { IDC_PLAYBACK_PORT, "9105" } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        int depth = 0;
        CPortAssignDlg dlg;
        ASSERT_EQ(Run(dlg,
                      [&](CDialog* d) {
                          if (depth++ == 0) {
                              Click(d, c.mode == PORT_MODE_FIREWALL ? IDC_MODE_FIREWALL : IDC_MODE_NORMAL);
                              Click(d, IDC_PORT_ADVANCED);
                              Click(d, IDOK);
                              return;
                          }
                          for (const auto& [id, text] : c.typed)
                              d->SetDlgItemText(id, text);
                          Click(d, IDC_PORT_DEFAULT);
                          if (c.mode == PORT_MODE_FIREWALL) {
                              EXPECT_EQ(d->GetDlgItemInt(IDC_FIREWALL_PORT), 80u);
                          } else {
                              EXPECT_EQ(d->GetDlgItemInt(IDC_MONITOR_PORT), 8001u);
                              EXPECT_EQ(d->GetDlgItemInt(IDC_PLAYBACK_PORT), 8105u);
                          }
                          Click(d, IDOK);
                      }),
            IDOK);
        EXPECT_EQ(depth, 2);
        EXPECT_EQ(dlg.m_nFirewallPort, 80u);
        EXPECT_EQ(dlg.m_nMonitorPort, 8001u);
        EXPECT_EQ(dlg.m_nPlaybackPort, 8105u);
    }
}

} // namespace
