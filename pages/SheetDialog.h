// What the view needs of the modeless dialogs it keeps for a sheet (the
// schedule time tables and quality boxes): they exist as objects for the
// whole session and as windows only while a page runs them.
#pragma once

#include "pages/ConfigPageHost.h"
#include "pages/SheetAssembly.h"
#include "platform/ui/Dialog.h"

class CSheetDialog : public CDialog
{
public:
    using CDialog::CDialog;

    // The sheet's host, the 16-byte schedule block and the session password.
    virtual void SetConfigView(IConfigPageHost* pView, const BYTE block[16], const BYTE password[16]) = 0;
    virtual void SetSheetLink(SheetLinkRole role, CWnd* pTarget) = 0;
};
