// Creates the object of a sheet slot by its class.
#pragma once

#include "pages/SheetAssembly.h"

class CConfigPage;
class CSheetDialog;

// Null for a class that is not part of the program yet; the view then
// leaves the slot empty and every later step skips it.
CConfigPage* CreateSheetPage(SheetSlot slot);
CSheetDialog* CreateSheetDialog(SheetSlot slot);
