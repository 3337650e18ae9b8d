#include "tests/platform/RecordingDialogRunner.h"

void RecordingDialogRunner::RunModalLoop(CWnd* dialog)
{
    CString caption;
    dialog->GetWindowText(caption);
    captions.push_back(caption);
    auto* box = dynamic_cast<CDialog*>(dialog);
    if (!box)
        return;
    if (!script) {
        box->EndDialog(IDOK);
        return;
    }
    script(box);
    if (!box->IsModalEnded())
        box->EndDialog(IDCANCEL);
}
