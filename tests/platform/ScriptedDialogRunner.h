// A modal runner that hands the open dialog to a test's script, which
// drives its controls by id and ends it.
#pragma once

#include "platform/ui/Dialog.h"

#include <functional>

class ScriptedDialogRunner : public IModalDialogRunner
{
public:
    explicit ScriptedDialogRunner(std::function<void(CDialog*)> script)
        : m_script(std::move(script))
    {
    }
    void RunModalLoop(CWnd* dialog) override
    {
        ++runs;
        m_script(dynamic_cast<CDialog*>(dialog));
    }
    // How many modal loops it ran.
    int runs = 0;

private:
    std::function<void(CDialog*)> m_script;
};
