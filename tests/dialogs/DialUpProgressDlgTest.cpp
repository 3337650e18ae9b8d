// The dial-up progress dialog driven through a scripted dial-up service.
#include "dialogs/DialUpProgressDlg.h"
#include "platform/base/DialUpService.h"
#include "platform/base/TestServices.h"
#include "resources/setup/SetupResources.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ShownIcon.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace
{

// Runs the dialog until it ends, noting every status text it shows and
// pressing Cancel once a chosen text appears.
class CRecordingRunner : public IModalDialogRunner
{
public:
    void RunModalLoop(CWnd* dialog) override
    {
        auto* pDialog = static_cast<CDialog*>(dialog);
        PumpMessagesUntil(
            [&] {
                Note(pDialog);
                if (!cancelOn.empty() && !cancelled && !texts.empty() && texts.back() == cancelOn) {
                    cancelled = true;
                    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                }
                return pDialog->IsModalEnded() != FALSE;
            },
            20000);
        Note(pDialog);
    }
    void Note(CDialog* pDialog)
    {
        if (icon.isNull())
            icon = ShownIcon(pDialog);
        CString text;
        pDialog->GetDlgItemText(IDC_DIALUP_STATUS, text);
        const std::string s = static_cast<LPCTSTR>(text);
        if (!s.empty() && (texts.empty() || texts.back() != s))
            texts.push_back(s);
    }
    std::vector<std::string> texts;
    QImage icon; // what the dialog's icon static shows
    std::string cancelOn;
    bool cancelled = false;
};

class DialUpProgressTest : public ::testing::Test
{
protected:
    void SetUp() override { UseSetupResources(); }

    INT_PTR Run()
    {
        CDialUpProgressDlg dialog;
        std::strcpy(dialog.m_szUserName, "admin");
        std::strcpy(dialog.m_szPassword, "secret");
        std::strcpy(dialog.m_szPhoneNumber, "5551234");
        return dialog.DoModal();
    }
    bool Saw(const std::string& text) const
    {
        for (const std::string& t : runner.texts)
            if (t == text)
                return true;
        return false;
    }

    ScriptedDialUpService dialUp;
    ScopedService<IDialUpService> dialUpScope { &dialUp };
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> boxScope { &boxes };
    CRecordingRunner runner;
    ScopedService<IModalDialogRunner> runnerScope { &runner };
};

TEST_F(DialUpProgressTest, ShowsEachStepAndEndsConnected)
{
    dialUp.SetStates({ RASCS_OpenPort, RASCS_DeviceConnected, RASCS_Connected });
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(runner.texts.front(), "Dialing 5551234 ...");
    EXPECT_TRUE(Saw("Opening port..."));
    EXPECT_TRUE(Saw("The device has connected successfully."));
    ASSERT_EQ(dialUp.Dials().size(), 1u);
    EXPECT_EQ(dialUp.Dials()[0].number, "5551234");
    EXPECT_EQ(dialUp.Dials()[0].user, "admin");
    EXPECT_EQ(dialUp.Dials()[0].password, "secret");
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(dialUp.OpenConnections(), 1u);
    EXPECT_TRUE(IsWholeIcon(runner.icon));
}

TEST_F(DialUpProgressTest, CancelWaitsForTheDiallerAndHangsUp)
{
    dialUp.SetStates({ RASCS_OpenPort, RASCS_DeviceConnected });
    runner.cancelOn = "The device has connected successfully.";
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_TRUE(runner.cancelled);
    EXPECT_EQ(dialUp.OpenConnections(), 0u);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(DialUpProgressTest, AFailedDialShowsItsTextInTheErrorBox)
{
    dialUp.SetStates({ RASCS_OpenPort, RASCS_AuthNotify, RASCS_Disconnected });
    EXPECT_EQ(Run(), IDCANCEL);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(boxes.Boxes()[0].caption), "Dial-up Connection Error");
    EXPECT_EQ(std::string(boxes.Boxes()[0].text), runner.texts.back());
    EXPECT_EQ(boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_EQ(dialUp.OpenConnections(), 0u);
}

TEST_F(DialUpProgressTest, AnOpenLineIsHungUpOnlyWhenTheUserAgrees)
{
    dialUp.AddOpenConnection();
    boxes.Answer(IDCANCEL);
    EXPECT_EQ(Run(), IDCANCEL);
    EXPECT_EQ(dialUp.Dials().size(), 0u);
    EXPECT_EQ(dialUp.OpenConnections(), 1u);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(std::string(boxes.Boxes()[0].caption), "Dial-up Connection");

    boxes.Clear();
    boxes.Answer(IDOK);
    dialUp.SetStates({ RASCS_Connected });
    EXPECT_EQ(Run(), IDOK);
    EXPECT_EQ(dialUp.Dials().size(), 1u);
    EXPECT_EQ(dialUp.OpenConnections(), 1u); // the old line went, the new one is up
}

} // namespace
