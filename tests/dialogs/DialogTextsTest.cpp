// The program's small dialogs show the whole text of each label and button
// in the font the dialogs use.
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"
#include "tests/platform/TextsFit.h"

#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

namespace
{

TEST(DialogTexts, EveryLabelAndButtonShowsItsWholeText)
{
    UseSetupResources();
    const UINT templates[] = { IDD_ADD_REG_SERVER, IDD_CONTENT, IDD_ADD_DVR, IDD_EMAIL_ALARM,
        IDD_BLOCK_PLAYBACK, IDD_IP_SETTINGS, IDD_REG_SERVER, IDD_ADD_DVR_AUTO };
    for (UINT id : templates) {
        ScriptedDialogRunner runner([&](CDialog* dlg) {
            const DialogTemplate* tmpl = FindDialogResource(AfxGetResourceHandle(), id);
            ASSERT_NE(tmpl, nullptr) << id;
            ExpectTextsFit(dlg, *tmpl);
            dlg->EndDialog(IDCANCEL);
        });
        ScopedService<IModalDialogRunner> use(&runner);
        CDialog dlg(id);
        dlg.DoModal();
        EXPECT_EQ(runner.runs, 1) << id;
    }
}

} // namespace
