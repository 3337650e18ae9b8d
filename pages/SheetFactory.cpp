#include "pages/SheetFactory.h"

#include "pages/Page1CamInfo.h"
#include "pages/SheetDialog.h"

CConfigPage* CreateSheetPage(SheetSlot slot)
{
    switch (slot) {
    case SLOT_CamInfo:
        return new CPage1CamInfo;
    default:
        // Pages still to come.
        return nullptr;
    }
}

CSheetDialog* CreateSheetDialog(SheetSlot)
{
    // The schedule time tables and quality boxes are still to come.
    return nullptr;
}
