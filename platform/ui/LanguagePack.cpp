#include "platform/ui/LanguagePack.h"

#include "platform/ui/ResourceModule.h"

#include <dlfcn.h>

HINSTANCE LoadLanguagePack(const std::string& folder, const char* name)
{
    if (!name || !*name)
        return nullptr;
    std::string path = folder.empty() ? std::string() : folder + "/";
    path += "lib";
    path += name;
    path += ".so";
    // A path with a slash keeps dlopen from searching elsewhere.
    if (path.find('/') == std::string::npos)
        path = "./" + path;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    auto entry = reinterpret_cast<LanguagePackEntryFn>(dlsym(library, LANGUAGE_PACK_ENTRY));
    const ResourceTables* tables = entry ? entry() : nullptr;
    if (!tables) {
        dlclose(library);
        return nullptr;
    }
    return RegisterResourceModule(tables, AfxGetInstanceHandle());
}
