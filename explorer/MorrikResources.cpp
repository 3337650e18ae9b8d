#include "explorer/MorrikResources.h"

#include "platform/base/Services.h"
#include "platform/ui/ResourceModule.h"
#include "resources/morrik/MorrikTables.h"

namespace morrik
{

HINSTANCE MorrikModule()
{
    static const ResourceTables tables {
        .moduleName = "Morrik",
        .dialogs = MorrikDialogs(),
        .strings = MorrikStrings(),
        .menus = MorrikMenus(),
        .bitmaps = MorrikBitmaps(),
        .icons = MorrikIcons(),
    };
    static HINSTANCE module = RegisterResourceModule(&tables);
    return module;
}

int MorrikMessageBox(UINT id, UINT type)
{
    // From the library's own table, whatever the host has loaded.
    return AfxMessageBox(MorrikString(id), type);
}

CString MorrikString(UINT id)
{
    char text[512] = {};
    LoadString(MorrikModule(), id, text, int(sizeof text));
    return text;
}

CMorrikDialog::CMorrikDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd)
{
}

INT_PTR CMorrikDialog::DoModal()
{
    CResourceScope scope(MorrikModule());
    return CDialog::DoModal();
}

void CMorrikDialog::EnableOk(bool enable)
{
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(enable);
}

} // namespace morrik
