// Runs the modal dialogs of a test: records each one's caption and closes it
// with OK at once, or lets the test's script drive it (a dialog the script
// leaves open is cancelled).
#pragma once

#include "platform/base/Services.h"
#include "platform/ui/Dialog.h"

#include <functional>
#include <vector>

class RecordingDialogRunner : public IModalDialogRunner
{
public:
    void RunModalLoop(CWnd* dialog) override;
    std::vector<CString> captions;
    std::function<void(CDialog*)> script;
};
