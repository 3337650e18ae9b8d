// The notice the storage page shows while a disk is formatted.
#include "dialogs/HddFormatDlg.h"
#include "platform/base/TestServices.h"
#include "tests/pages/SetupTestResources.h"

#include <gtest/gtest.h>

namespace
{

TEST(HddFormatNotice, ShowsEachLineAndEndsThreeSecondsAfterTheLast)
{
    UseSetupResources();
    ManualClock clock;
    ScopedService<IClock> useClock(&clock);
    CHddFormatDlg notice;
    ASSERT_TRUE(notice.Create(IDD_HDD_FORMAT));
    EXPECT_TRUE(notice.IsWindowVisible());
    // The line covers the whole captionless notice.
    CRect window, line;
    notice.GetWindowRect(&window);
    notice.GetDlgItem(IDC_HDD_FORMAT_MESSAGE)->GetWindowRect(&line);
    EXPECT_EQ(line.Width(), window.Width());
    EXPECT_EQ(line.Height(), window.Height());

    CString text;
    text.LoadString(IDS_HDD_FORMATTING);
    notice.SetMessage(text);
    notice.GetDlgItemText(IDC_HDD_FORMAT_MESSAGE, text);
    EXPECT_EQ(text, "Please wait while HDD formatting!");
    // Enter and Esc leave it up.
    notice.SendMessage(WM_COMMAND, IDOK, 0);
    notice.SendMessage(WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(notice.IsModalEnded());

    for (UINT last : { IDS_HDD_FORMAT_DONE, IDS_HDD_FORMAT_FAILED }) {
        CString message;
        message.LoadString(last);
        const DWORD before = GetTickCount();
        notice.SetMessageAndClose(message);
        EXPECT_EQ(GetTickCount() - before, 3000u);
        notice.GetDlgItemText(IDC_HDD_FORMAT_MESSAGE, text);
        EXPECT_EQ(text, message);
        EXPECT_TRUE(notice.IsModalEnded());
    }
    notice.GetDlgItemText(IDC_HDD_FORMAT_MESSAGE, text);
    EXPECT_EQ(text, "HDD format failed.");
    notice.DestroyWindow();
}

} // namespace
