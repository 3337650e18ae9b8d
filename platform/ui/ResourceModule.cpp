#include "platform/ui/ResourceModule.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

namespace
{

struct Module {
    const ResourceTables* tables;
    Module* fallback;
};

std::mutex g_mutex;
// Modules are never removed, so handles stay valid without the lock.
std::vector<std::unique_ptr<Module>>& Modules()
{
    static std::vector<std::unique_ptr<Module>> modules;
    return modules;
}
std::atomic<Module*> g_instance { nullptr };
std::atomic<Module*> g_resource { nullptr };

Module* ToModule(HINSTANCE h)
{
    return reinterpret_cast<Module*>(h);
}
HINSTANCE ToHandle(Module* m)
{
    return reinterpret_cast<HINSTANCE>(m);
}

// Walks a module and its fallbacks; a cycle cannot form because a fallback
// is always registered before the module that names it.
template <typename T, typename Find> const T* Lookup(HINSTANCE h, Find find)
{
    for (Module* m = ToModule(h); m; m = m->fallback) {
        if (const T* found = find(*m->tables))
            return found;
    }
    return nullptr;
}

template <typename T> const T* ById(std::span<const T> table, UINT id)
{
    for (const T& entry : table) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

} // namespace

HINSTANCE RegisterResourceModule(const ResourceTables* tables, HINSTANCE fallback)
{
    if (!tables)
        return nullptr;
    std::lock_guard<std::mutex> lock(g_mutex);
    for (auto& m : Modules()) {
        if (m->tables == tables)
            return ToHandle(m.get());
    }
    Modules().push_back(std::make_unique<Module>(Module { tables, ToModule(fallback) }));
    return ToHandle(Modules().back().get());
}

HINSTANCE FindResourceModule(const char* moduleName)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    for (auto& m : Modules()) {
        if (moduleName && m->tables->moduleName && std::strcmp(m->tables->moduleName, moduleName) == 0)
            return ToHandle(m.get());
    }
    return nullptr;
}

const char* ResourceModuleName(HINSTANCE module)
{
    return module ? ToModule(module)->tables->moduleName : nullptr;
}

HINSTANCE AfxGetInstanceHandle()
{
    return ToHandle(g_instance.load());
}

void AfxSetInstanceHandle(HINSTANCE module)
{
    g_instance = ToModule(module);
    Module* expected = nullptr;
    g_resource.compare_exchange_strong(expected, ToModule(module));
}

HINSTANCE AfxGetResourceHandle()
{
    return ToHandle(g_resource.load());
}
void AfxSetResourceHandle(HINSTANCE module)
{
    g_resource = ToModule(module);
}

const DialogTemplate* FindDialogResource(HINSTANCE module, UINT id)
{
    return Lookup<DialogTemplate>(module, [id](const ResourceTables& t) { return ById(t.dialogs, id); });
}

const char* FindStringResource(HINSTANCE module, UINT id)
{
    const StringEntry* e
        = Lookup<StringEntry>(module, [id](const ResourceTables& t) { return ById(t.strings, id); });
    return e ? e->text : nullptr;
}

const MenuTemplate* FindMenuResource(HINSTANCE module, UINT id)
{
    return Lookup<MenuTemplate>(module, [id](const ResourceTables& t) { return ById(t.menus, id); });
}

const BitmapEntry* FindBitmapResource(HINSTANCE module, UINT id)
{
    return Lookup<BitmapEntry>(module, [id](const ResourceTables& t) { return ById(t.bitmaps, id); });
}

const IconEntry* FindIconResource(HINSTANCE module, UINT id)
{
    return Lookup<IconEntry>(module, [id](const ResourceTables& t) { return ById(t.icons, id); });
}

const RawEntry* FindRawResource(HINSTANCE module, const char* type, UINT id)
{
    return Lookup<RawEntry>(module, [type, id](const ResourceTables& t) -> const RawEntry* {
        for (const RawEntry& e : t.raw) {
            if (e.id == id && type && e.type && std::strcmp(e.type, type) == 0)
                return &e;
        }
        return nullptr;
    });
}

int LoadString(HINSTANCE module, UINT id, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    buffer[0] = '\0';
    const char* text = FindStringResource(module, id);
    if (!text)
        return 0;
    size_t n = std::min(std::strlen(text), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

std::string LoadResourceString(UINT id)
{
    const char* text = FindStringResource(AfxGetResourceHandle(), id);
    return text ? std::string(text) : std::string();
}

CResourceScope::CResourceScope(HINSTANCE module)
    : m_previous(AfxGetResourceHandle())
{
    AfxSetResourceHandle(module);
}

CResourceScope::~CResourceScope()
{
    AfxSetResourceHandle(m_previous);
}

namespace
{
// Rounds to the nearest pixel, halves away from zero.
int Scale(int units, int base, int divisor)
{
    long v = static_cast<long>(units) * base;
    return static_cast<int>(v >= 0 ? (v + divisor / 2) / divisor : -((-v + divisor / 2) / divisor));
}
} // namespace

void MapDialogUnits(int x, int y, int cx, int cy, RECT* pixels)
{
    if (!pixels)
        return;
    pixels->left = Scale(x, kDialogBaseUnitX, 4);
    pixels->top = Scale(y, kDialogBaseUnitY, 8);
    pixels->right = Scale(x + cx, kDialogBaseUnitX, 4);
    pixels->bottom = Scale(y + cy, kDialogBaseUnitY, 8);
}
