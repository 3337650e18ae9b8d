// Creates the object of a sheet slot by its class.
#pragma once

#include "pages/SheetAssembly.h"

class CConfigPage;
class CSheetDialog;

// Null for a class that is not part of the program yet; the view then
// leaves the slot empty and every later step skips it.
CConfigPage* CreateSheetPage(SheetSlot slot);
CSheetDialog* CreateSheetDialog(SheetSlot slot);

// A page by its class name ("CPage17Log"), also the pages that no family's
// sheet holds; null for a name that is no page of the program.
CConfigPage* CreatePageByClassName(const char* className);
