// Reads the program's string table for tests whose code loads texts through
// CString; kept apart because the resource headers bring their own types.
#include "resources/setup/SetupResources.h"

bool LoadSetupString(unsigned id, char* buffer, int size)
{
    return LoadString(SetupResourceModule(), id, buffer, size) > 0;
}
