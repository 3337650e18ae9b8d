// The DVR user page in the running program: a new administrator password
// applied from the page carries the session on, and with "Save Password"
// the device tree keeps it for the next login.
#include "AppDeviceFixture.h"

#include "devtree/MySuperGrid.h"
#include "devtree/TreeFileRecords.h"
#include "link/CurrentDevice.h"
#include "pages/Page4UserDvr.h"
#include "pages/PropertyConfig.h"

namespace
{

constexpr uint32_t kDvr = 0x7F000018;

class AppUserPageTest : public AppDeviceTest
{
};

TEST_F(AppUserPageTest, ANewAdministratorPasswordCarriesTheSessionOnAndIsSaved)
{
    const size_t dvr = AddDvr(kDvr, "secret");
    fixture::Device record = Record(dvr, "Till");
    record.login = { "admin", "secret" };
    WriteTree({ record });
    ASSERT_TRUE(m_responder.Start());
    ASSERT_TRUE(Start());
    WaitQuiet();
    CTreeItem* node = ClickDevice(kDvr);
    ASSERT_NE(node, nullptr);
    if (View()->IsDlgButtonChecked(IDC_SAVE_PASSWORD) != BST_CHECKED)
        View()->SendDlgItemMessage(IDC_SAVE_PASSWORD, BM_CLICK);
    Login("secret");
    ASSERT_TRUE(View()->HasSheet());

    auto* users = static_cast<CPage4UserDvr*>(View()->GetPage(SLOT_UserDvr));
    ASSERT_NE(users, nullptr);
    ASSERT_TRUE(View()->GetSheet()->SetActivePage(users));
    PumpWaitingMessages();
    users->GetDlgItem(IDC_UDVR_ROW_PASSWORD)->SetWindowText("n3wpass");
    users->GetDlgItem(IDC_UDVR_ROW_REPASSWORD)->SetWindowText("n3wpass");
    PumpWaitingMessages();
    ClickButton(users, IDC_PAGE_APPLY);
    PumpWaitingMessages();
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    EXPECT_EQ(Server(dvr).Store().AdminPassword(), "n3wpass");
    EXPECT_EQ(g_strDevicePassword, "n3wpass");

    // Another page reads the device with the new password, no new login.
    Server(dvr).ClearLog();
    ASSERT_TRUE(View()->GetSheet()->SetActivePage(View()->GetPage(SLOT_CamInfo)));
    PumpWaitingMessages();
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts()[0];
    ASSERT_FALSE(Server(dvr).Log().empty());
    for (const auto& exchange : Server(dvr).Log())
        EXPECT_TRUE(exchange.authorized) << std::hex << exchange.command;

    // The tree keeps the new password for the device.
    FILE_NODE saved {};
    ASSERT_TRUE(Tree()->ReadRecordOf(node->m_lpNodeInfo, &saved));
    EXPECT_STREQ(reinterpret_cast<const char*>(saved.login.byPassword), "n3wpass");
}

} // namespace
