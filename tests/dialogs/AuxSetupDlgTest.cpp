// The auxiliary setup dialog driven inside DoModal: what it shows of the
// camera's 512 bytes and what each edit stores.
#include "dialogs/AuxSetupDlg.h"
#include "platform/base/TestServices.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "tests/pages/SetupTestResources.h"
#include "tests/platform/ScriptedDialogRunner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

TEST(AuxSetupDlg, EditsGoIntoTheEntriesAndValuesStayInRange)
{
    UseSetupResources();
    tagAuxEntry block[16] {};
    std::strcpy(block[0].szName, "Wiper");
    block[0].byUse = 1;
    block[0].dwValue = 120;
    block[5].byReserved[1] = 0x5A;
    CAuxSetupDlg dlg;
    dlg.SetAuxBlock(reinterpret_cast<const uint8_t*>(block));

    std::string shownName, shownValue;
    ScriptedDialogRunner runner([&](CDialog* d) {
        CString text;
        d->GetDlgItemText(IDC_AUX_NAME_FIRST, text);
        shownName = text.GetString();
        d->GetDlgItemText(IDC_AUX_VALUE_FIRST, text);
        shownValue = text.GetString();
        EXPECT_TRUE(d->IsDlgButtonChecked(IDC_AUX_USE_FIRST));
        // A value above 32767 turns into 32767 in the edit and the entry.
        d->SetDlgItemText(IDC_AUX_VALUE_FIRST + 3, "40000");
        d->GetDlgItemText(IDC_AUX_VALUE_FIRST + 3, text);
        EXPECT_EQ(std::string(text), "32767");
        d->SendDlgItemMessage(IDC_AUX_USE_FIRST + 3, BM_CLICK);
        d->SetDlgItemText(IDC_AUX_NAME_FIRST + 3, "Light over the north gate");
        // The arrow writes its number into the value beside it.
        static_cast<CSpinButtonCtrl*>(d->GetDlgItem(IDC_AUX_SPIN_FIRST + 5))->Step(true);
        d->SendDlgItemMessage(IDOK, BM_CLICK);
    });
    ScopedService<IModalDialogRunner> use(&runner);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(shownName, "Wiper");
    EXPECT_EQ(shownValue, "120");

    tagAuxEntry out[16];
    dlg.GetAuxBlock(reinterpret_cast<uint8_t*>(out));
    EXPECT_EQ(out[3].dwValue, 32767u);
    EXPECT_EQ(out[3].byUse, 1);
    EXPECT_EQ(std::string(out[3].szName), "Light over the north ga"); // 23 characters
    EXPECT_EQ(out[5].dwValue, 1u);
    EXPECT_EQ(out[5].byReserved[1], 0x5A); // not touched
    EXPECT_EQ(out[0].dwValue, 120u);
}

} // namespace
