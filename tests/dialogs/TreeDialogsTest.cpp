// The dialogs the device tree opens, driven through their control ids inside
// DoModal. The Add New DVR probe runs in the program (tests/app).
#include "devtree/NewFolderDlg.h"
#include "dialogs/AddGroupIdDlg.h"
#include "dialogs/AddRegServerDlg.h"
#include "dialogs/IpAddressDlg.h"
#include "dialogs/PortAssignDlg.h"
#include "link/CurrentDevice.h"
#include "platform/base/TestServices.h"
#include "platform/ui/ResourceModule.h"
#include "resources/setup/SetupResources.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

bool OkEnabled(CDialog* dlg)
{
    return dlg->GetDlgItem(IDOK)->IsWindowEnabled();
}

class TreeDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        g_CurrentDevice = SELECTED_DEVICE();
        g_CurrentDevice.dwFamily = DEVICE_FAMILY_DVR;
    }
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
};

TEST_F(TreeDialogs, AddEntryDialogsEnableOkOnlyWithText)
{
    struct Case {
        const char* name;
        std::function<INT_PTR(CWnd*)> run;
        int edit;
    };
    CString folder, group, server;
    const Case cases[] = {
        { "new folder",
            [&](CWnd*) {
                CNewFolderDlg dlg;
                const INT_PTR r = dlg.DoModal();
                folder = dlg.m_strFolderName;
                return r;
            },
            IDC_FOLDER_NAME },
        { "group id",
            [&](CWnd*) {
                CAddGroupIdDlg dlg;
                const INT_PTR r = dlg.DoModal();
                group = dlg.m_strGroupId;
                return r;
            },
            IDC_GROUP_ID },
        { "registration server",
            [&](CWnd*) {
                CAddRegServerDlg dlg;
                const INT_PTR r = dlg.DoModal();
                server = dlg.m_strServer;
                return r;
            },
            IDC_REG_SERVER },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogRunner runner([&](CDialog* dlg) {
            EXPECT_FALSE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "x");
            EXPECT_TRUE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "");
            EXPECT_FALSE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "  "); // blanks count as a name
            EXPECT_TRUE(OkEnabled(dlg));
            dlg->SetDlgItemText(c.edit, "Depot");
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
        });
        ScopedService<IModalDialogRunner> use(&runner);
        EXPECT_EQ(c.run(nullptr), IDOK);
    }
    EXPECT_EQ(folder, "Depot");
    EXPECT_EQ(group, "Depot");
    EXPECT_EQ(server, "Depot");
}

TEST_F(TreeDialogs, PortAssignmentGivesTheModeAndItsPorts)
{
    // Firewall without Advanced keeps port 80.
    ScriptedDialogRunner firewall([](CDialog* dlg) {
        dlg->SendDlgItemMessage(IDC_MODE_FIREWALL, BM_CLICK);
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    {
        ScopedService<IModalDialogRunner> use(&firewall);
        CPortAssignDlg dlg;
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_nMode, PORT_MODE_FIREWALL);
        EXPECT_EQ(dlg.m_nFirewallPort, 80u);
    }
    // Normal with Advanced: the detail dialog's ports come back.
    int depth = 0;
    ScriptedDialogRunner normal([&](CDialog* dlg) {
        if (depth++ == 0) {
            dlg->SendDlgItemMessage(IDC_PORT_ADVANCED, BM_CLICK);
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
            return;
        }
        EXPECT_EQ(dlg->GetDlgItemInt(IDC_MONITOR_PORT), 8001u);
        dlg->SetDlgItemText(IDC_MONITOR_PORT, "9001");
        dlg->SetDlgItemText(IDC_PLAYBACK_PORT, "9105");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&normal);
    CPortAssignDlg dlg;
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nMode, PORT_MODE_NORMAL);
    EXPECT_EQ(dlg.m_nMonitorPort, 9001u);
    EXPECT_EQ(dlg.m_nPlaybackPort, 9105u);
}

TEST_F(TreeDialogs, AddressEntryRefusesIncompleteAndZeroAddresses)
{
    ScriptedDialogRunner runner([&](CDialog* dlg) {
        for (const char* bad : { "0.0.0.0", "10.0.0", "10.0.0.256", "" }) {
            dlg->SetDlgItemText(IDC_IP_ADDRESS, bad);
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
            EXPECT_FALSE(dlg->IsModalEnded()) << bad;
        }
        dlg->SetDlgItemText(IDC_IP_ADDRESS, "10.0.0.77");
        dlg->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    CIpAddressDlg dlg;
    dlg.SetValues("", "secret");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_dwAddress, 0x0A00004Du);
    EXPECT_EQ(dlg.m_strAddress, "10.0.0.77");
    EXPECT_EQ(dlg.m_strSecond, "secret");
    ASSERT_EQ(boxes.Boxes().size(), 4u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Invalid IP address. Please input correct IP address.");
}

TEST_F(TreeDialogs, TheWaitBoxShowsItsLastTextForOneSecond)
{
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    CIpChangeWaitDlg box;
    ASSERT_TRUE(box.Create(IDD_IP_CHANGE_WAIT));
    CString text;
    box.GetDlgItemText(IDC_WAIT_MESSAGE, text);
    EXPECT_EQ(text, "IP Address is being changed.");
    box.SetMessage("IP Address of the camera is being changed!");
    box.GetDlgItemText(IDC_WAIT_MESSAGE, text);
    EXPECT_EQ(text, "IP Address of the camera is being changed!");
    // Enter and Esc do nothing.
    box.SendMessage(WM_COMMAND, IDOK, 0);
    box.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(box.IsModalEnded());
    const DWORD before = GetTickCount();
    box.SetMessageAndClose("IP change OK!");
    EXPECT_EQ(GetTickCount() - before, 1000u);
    box.GetDlgItemText(IDC_WAIT_MESSAGE, text);
    EXPECT_EQ(text, "IP change OK!");
    EXPECT_TRUE(box.IsModalEnded());
    box.DestroyWindow();
}

} // namespace
