// The optional language pack: a shared library in the install folder that
// carries dialogs and strings replacing the program's own.
#pragma once

#include "platform/base/Geometry.h"
#include "platform/ui/UiExport.h"

#include <string>

// Loads lib<name>.so from `folder`. When it loads and gives its tables, they
// are registered with the program's own module as fallback and the handle is
// returned; the caller makes it the resource module. Null when the library is
// missing or is not a language pack. The library stays loaded for the life
// of the process, since its tables are used in place.
PLATFORM_UI_API HINSTANCE LoadLanguagePack(const std::string& folder, const char* name);
