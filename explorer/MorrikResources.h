// The library's own resource module: its strings, looked up in its own
// tables because the program that hosts it uses the same ids for other
// texts.
#pragma once

#include "platform/base/Types.h"

namespace morrik
{

HINSTANCE MorrikModule();
// A message box with string `id` of the library.
int MorrikMessageBox(UINT id, UINT type = 0);

} // namespace morrik
