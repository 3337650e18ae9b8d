// The program's own login and its change of password against a password
// file in a folder of the test's own: the default password, the 16-byte
// field, a short or unreadable file and a failed write.
#include "dialogs/LoginDlg.h"
#include "dialogs/LoginPasswordFile.h"
#include "platform/base/FileIo.h"
#include "platform/base/Settings.h"
#include "platform/base/TestServices.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <vector>

namespace
{

class LoginDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseSetupResources();
        ASSERT_TRUE(folder.isValid());
        SetSettingsFile(CString((folder.path() + "/settings.ini").toUtf8().constData()));
        path = static_cast<LPCTSTR>(LoginPasswordFile::Path());
    }
    void TearDown() override
    {
        SetFileFaultHook(nullptr);
        SetSettingsFile(CString());
    }
    // Types `password` and presses OK (and, with `change`, first runs the
    // change dialog with its script); gives DoModal's result.
    INT_PTR Login(const std::vector<std::string>& tries, std::function<void(CDialog*)> change = nullptr)
    {
        ScriptedDialogRunner runner([&](CDialog* dlg) {
            if (dlg->m_nIDHelp == IDD_CHANGE_PASSWORD) {
                if (change)
                    change(dlg);
                if (!dlg->IsModalEnded())
                    dlg->EndDialog(IDCANCEL);
                return;
            }
            if (change)
                dlg->SendDlgItemMessage(IDC_LOGIN_CHANGE_PASSWORD, BM_CLICK);
            for (const std::string& typed : tries) {
                if (dlg->IsModalEnded())
                    return;
                dlg->SetDlgItemText(IDC_LOGIN_PASSWORD, typed.c_str());
                dlg->SendDlgItemMessage(IDOK, BM_CLICK);
            }
            if (!dlg->IsModalEnded())
                dlg->EndDialog(IDCANCEL);
        });
        ScopedService<IModalDialogRunner> use(&runner);
        CLoginDlg login;
        return login.DoModal();
    }
    static std::function<void(CDialog*)> Change(const char* old, const char* fresh, const char* confirm)
    {
        return [=](CDialog* dlg) {
            dlg->SetDlgItemText(IDC_LOGIN_OLD_PASSWORD, old);
            dlg->SetDlgItemText(IDC_LOGIN_NEW_PASSWORD, fresh);
            dlg->SetDlgItemText(IDC_LOGIN_CONFIRM_PASSWORD, confirm);
            dlg->SendDlgItemMessage(IDOK, BM_CLICK);
        };
    }
    std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes()) {
            texts.emplace_back(box.text.GetString());
            EXPECT_EQ(box.type & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
        }
        boxes.Clear();
        return texts;
    }

    QTemporaryDir folder;
    std::string path;
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
};

TEST_F(LoginDialogs, AMissingFileIsMadeWithTheDefaultPassword)
{
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(Login({ "velto" }), IDOK);
    EXPECT_TRUE(Messages().empty());
    // Beside the settings, 16 enciphered bytes.
    EXPECT_EQ(QString::fromStdString(path), folder.path() + "/LoginPassword.dat");
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_NE(std::string(bytes.begin(), bytes.begin() + 5), "velto");
}

TEST_F(LoginDialogs, AWrongPasswordIsRefusedAndCleared)
{
    EXPECT_EQ(Login({ "velt", "veltoo", "" }), IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<std::string>(3, "Unauthorized password.\nRetype!"));
}

TEST_F(LoginDialogs, ASixteenCharacterPasswordIsKeptWhole)
{
    EXPECT_EQ(Login({ "abcdefghijklmnop" }, Change("velto", "abcdefghijklmnop", "abcdefghijklmnop")), IDOK);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Login({ "velto", "abcdefghijklmno", "abcdefghijklmnop" }), IDOK);
    EXPECT_EQ(Messages().size(), 2u);
}

TEST_F(LoginDialogs, TheChangeRefusesWhatItCannotTake)
{
    Login({}, [](CDialog* dlg) {
        for (auto step :
            { Change("wrong", "new1", "new1"), Change("velto", "", ""), Change("velto", "new1", "New1") }) {
            step(dlg);
            EXPECT_FALSE(dlg->IsModalEnded());
        }
    });
    EXPECT_EQ(Messages(),
        (std::vector<std::string> { "Unauthorized password.\nRetype!",
            "Password length should be 1 ~ 16.\nRetype!", "Does not match new password.\nRetype!" }));
    // Nothing changed: the default still lets the user in.
    EXPECT_EQ(Login({ "velto" }), IDOK);
}

TEST_F(LoginDialogs, AShortFileIsUnreadableNeverCompared)
{
    const uint8_t half[8] = {};
    ASSERT_TRUE(WriteWholeFile(path, half, sizeof half));
    EXPECT_EQ(Login({ "velto", "" }), IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<std::string>(2, "Can not open " + path + " file."));
}

TEST_F(LoginDialogs, AFailedWriteKeepsTheOldPassword)
{
    LoginPasswordFile::CreateDefault();
    SetFileFaultHook([](FileOp op, const std::string&) { return op == FileOp::Rename; });
    Login({}, Change("velto", "fresh", "fresh"));
    EXPECT_EQ(Messages(), std::vector<std::string> { "Can not create " + path + " file." });
    SetFileFaultHook(nullptr);
    EXPECT_EQ(Login({ "velto" }), IDOK);
}

} // namespace
