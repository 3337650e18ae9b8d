// The program's small dialogs show the whole text of each label and button
// in the font the dialogs use.
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/TextsFit.h"

#include "platform/ui/ResourceModule.h"
#include "resources/setup/Resource.h"

namespace
{

TEST(DialogTexts, EveryLabelAndButtonShowsItsWholeText)
{
    UseSetupResources();
    ExpectDialogTextsFit<CDialog>(AfxGetResourceHandle,
        { IDD_ADD_REG_SERVER, IDD_CONTENT, IDD_ADD_DVR, IDD_EMAIL_ALARM, IDD_BLOCK_PLAYBACK, IDD_IP_SETTINGS,
            IDD_REG_SERVER, IDD_ADD_DVR_AUTO });
}

} // namespace
