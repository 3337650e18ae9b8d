// A pane with the list of the program's languages; no page uses it yet.
#pragma once

#include "platform/ui/Dialog.h"
#include "resources/setup/Resource.h"

class CLanguageDlg : public CDialog
{
public:
    explicit CLanguageDlg(CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
};
