// Per-module resource lookup. Every module (the program, each library, the
// language pack) registers its own tables and gets a module handle; a lookup
// names the module, because libraries reuse ids. A module may fall back to
// another: the language pack falls back to the program's own resources, so
// that what it carries replaces the program's and the rest still serves.
#pragma once

#include "platform/base/Geometry.h"
#include "platform/ui/ResourceData.h"
#include "platform/ui/UiExport.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Registers a module's tables. Registering the same tables again gives the
// same handle. The handle lives as long as the process.
PLATFORM_UI_API HINSTANCE RegisterResourceModule(const ResourceTables* tables, HINSTANCE fallback = nullptr);
// The handle of the module registered under that name, or null.
PLATFORM_UI_API HINSTANCE FindResourceModule(const char* moduleName);
PLATFORM_UI_API const char* ResourceModuleName(HINSTANCE module);

// The program's own module, and the module resources are taken from by
// default (the program's, or the language pack once it is loaded).
PLATFORM_UI_API HINSTANCE AfxGetInstanceHandle();
PLATFORM_UI_API void AfxSetInstanceHandle(HINSTANCE module);
PLATFORM_UI_API HINSTANCE AfxGetResourceHandle();
PLATFORM_UI_API void AfxSetResourceHandle(HINSTANCE module);

// Lookups in one module and its fallbacks; null when absent.
PLATFORM_UI_API const DialogTemplate* FindDialogResource(HINSTANCE module, UINT id);
PLATFORM_UI_API const char* FindStringResource(HINSTANCE module, UINT id);
PLATFORM_UI_API const MenuTemplate* FindMenuResource(HINSTANCE module, UINT id);
PLATFORM_UI_API const BitmapEntry* FindBitmapResource(HINSTANCE module, UINT id);
PLATFORM_UI_API const IconEntry* FindIconResource(HINSTANCE module, UINT id);
PLATFORM_UI_API const RawEntry* FindRawResource(HINSTANCE module, const char* type, UINT id);

// Copies string `id` of `module` into `buffer` (at most size-1 characters
// and a terminator, as the platform's LoadString does); gives the number of
// characters copied, 0 when the string is absent.
PLATFORM_UI_API int LoadString(HINSTANCE module, UINT id, char* buffer, int size);
// The text of string `id` from the resource module, empty when absent.
PLATFORM_UI_API std::string LoadResourceString(UINT id);

// Switches the resource module for a scope: code of a library that shows its
// own dialogs and strings runs inside one.
class PLATFORM_UI_API CResourceScope
{
public:
    explicit CResourceScope(HINSTANCE module);
    ~CResourceScope();
    CResourceScope(const CResourceScope&) = delete;
    CResourceScope& operator=(const CResourceScope&) = delete;

private:
    HINSTANCE m_previous;
};

// Converts a rectangle in dialog units to pixels with the suite's base unit
// (see kDialogBaseUnitX/Y): each edge is scaled and rounded on its own.
PLATFORM_UI_API void MapDialogUnits(int x, int y, int cx, int cy, RECT* pixels);
