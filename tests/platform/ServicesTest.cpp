#include "platform/base/Services.h"
#include "platform/base/TestServices.h"

#include <gtest/gtest.h>

namespace
{

bool TestStrings(UINT id, CString& text)
{
    if (id != 61458)
        return false;
    text = "Authorization failed.";
    return true;
}

TEST(MessageBoxes, PresenterRecordsTextCaptionAndButtonsAndAnswersFromTheScript)
{
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> use(&boxes);
    boxes.Answer(IDNO);
    EXPECT_EQ(MessageBox(nullptr, "Do you like to confirm the new configuration?", "Setup", MB_YESNO), IDNO);
    // Without a scripted answer the default button answers.
    EXPECT_EQ(MessageBox(nullptr, "Sure?", "Setup", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    SetStringLoader(&TestStrings);
    AfxSetAppTitle("Pellmoor Tarnwick");
    EXPECT_EQ(AfxMessageBox(61458), IDOK);
    SetStringLoader(nullptr);

    auto shown = boxes.Boxes();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].text, "Do you like to confirm the new configuration?");
    EXPECT_EQ(shown[0].caption, "Setup");
    EXPECT_EQ(shown[0].buttons, (std::vector<int> { IDYES, IDNO }));
    EXPECT_EQ(shown[1].buttons, (std::vector<int> { IDYES, IDNO, IDCANCEL }));
    EXPECT_EQ(shown[2].text, "Authorization failed.");
    EXPECT_EQ(shown[2].caption, "Pellmoor Tarnwick");
    EXPECT_EQ(shown[2].buttons, (std::vector<int> { IDOK }));
}

TEST(MessageBoxes, WithoutAPresenterNothingCountsAsConfirmed)
{
    EXPECT_EQ(MessageBox(nullptr, "Format the disk?", "Setup", MB_OKCANCEL), 0);
}

TEST(Services, InstalledServicesReplaceTheBuiltInsUntilRemoved)
{
    ManualClock clock;
    {
        ScopedService<IClock> use(&clock);
        EXPECT_EQ(GetTickCount(), 0u);
        Sleep(1500);
        EXPECT_EQ(GetTickCount(), 1500u);
        EXPECT_EQ(clock.Now(), time_t(946684801));
    }
    EXPECT_FALSE(Service<IClock>().IsManual());

    FixedLocale japanese(0x0411, "Japanese");
    ScopedService<ILocale> useLocale(&japanese);
    char name[9];
    EXPECT_EQ(GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, name, sizeof name), 9);
    EXPECT_STREQ(name, "Japanese");
    char tooSmall[8];
    EXPECT_EQ(GetLocaleInfo(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, tooSmall, sizeof tooSmall), 0);
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0411);

    RecordingProcessControl process;
    ScopedService<IProcessControl> useProcess(&process);
    EXPECT_TRUE(Service<IProcessControl>().StartDetached("ip", { "neigh", "flush", "192.168.0.5" }));
    Service<IProcessControl>().Exit(0);
    ASSERT_EQ(process.started.size(), 1u);
    EXPECT_EQ(process.started[0].args[2], "192.168.0.5");
    EXPECT_EQ(process.exitCodes, (std::vector<int> { 0 }));
}

} // namespace
