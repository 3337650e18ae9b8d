// The library's own resource module: its strings, dialogs and menus, looked
// up in its own tables because the program that hosts it uses the same ids
// for other things.
#pragma once

#include "morrikExport.h"
#include "platform/base/String.h"
#include "platform/base/Types.h"
#include "platform/ui/Dialog.h"

namespace morrik
{

HINSTANCE MorrikModule();
// A message box with string `id` of the library.
int MorrikMessageBox(UINT id, UINT type = 0);
// String `id` of the library, empty when absent.
CString MorrikString(UINT id);

// A modal dialog of the library: built from the library's template and
// running with the library's resources, whatever module the host uses.
class MORRIK_EXPORT CMorrikDialog : public CDialog
{
public:
    explicit CMorrikDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;

protected:
    void EnableOk(bool enable);
};

} // namespace morrik
