#include "platform/ui/MenuInternal.h"

#include "platform/base/Services.h"
#include "platform/ui/ResourceModule.h"
#include "platform/ui/Wnd.h"

#include <utility>

namespace
{

HMENU NewMenu()
{
    return reinterpret_cast<HMENU>(new MenuData);
}

HMENU Build(std::span<const MenuEntry> entries)
{
    HMENU menu = NewMenu();
    for (const MenuEntry& e : entries) {
        HMENU popup = e.children.empty() ? nullptr : Build(e.children);
        UINT flags = e.flags | (popup ? MF_POPUP : 0);
        MenuOf(menu)->items.push_back({ flags, popup ? 0 : e.id, e.text ? e.text : "", popup });
    }
    return menu;
}

// The item by command (searching popups too) or by position.
MenuData::Item* Find(HMENU menu, UINT nID, UINT nFlags)
{
    MenuData* data = MenuOf(menu);
    if (!data)
        return nullptr;
    if (nFlags & MF_BYPOSITION)
        return nID < data->items.size() ? &data->items[nID] : nullptr;
    for (MenuData::Item& item : data->items) {
        if (!item.popup && !(item.flags & MF_SEPARATOR) && item.id == nID)
            return &item;
        if (item.popup) {
            if (MenuData::Item* inner = Find(item.popup, nID, nFlags))
                return inner;
        }
    }
    return nullptr;
}

} // namespace

bool IsEnabledCommand(HMENU menu, UINT id)
{
    MenuData::Item* item = Find(menu, id, MF_BYCOMMAND);
    return id != 0 && item && !(item->flags & (MF_GRAYED | MF_DISABLED));
}

BOOL DestroyMenu(HMENU hMenu)
{
    MenuData* data = MenuOf(hMenu);
    if (!data)
        return FALSE;
    for (MenuData::Item& item : data->items)
        DestroyMenu(item.popup);
    for (auto& wrapper : data->wrappers)
        wrapper->m_hMenu = nullptr; // the popups went with their items
    delete data;
    return TRUE;
}

CMenu::~CMenu()
{
    DestroyMenu();
}

BOOL CMenu::CreateMenu()
{
    return Attach(NewMenu());
}
BOOL CMenu::CreatePopupMenu()
{
    return Attach(NewMenu());
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    const MenuTemplate* t = FindMenuResource(AfxGetResourceHandle(), nIDResource);
    return t && !m_hMenu ? Attach(Build(t->items)) : FALSE;
}

BOOL CMenu::DestroyMenu()
{
    HMENU h = Detach();
    return h ? ::DestroyMenu(h) : FALSE;
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (m_hMenu || !hMenu)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    return std::exchange(m_hMenu, nullptr);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return InsertMenu(UINT(-1), nFlags | MF_BYPOSITION, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    MenuData* data = MenuOf(m_hMenu);
    if (!data)
        return FALSE;
    size_t at = data->items.size();
    if (nFlags & MF_BYPOSITION) {
        if (nPosition < data->items.size())
            at = nPosition;
    } else {
        for (size_t i = 0; i < data->items.size(); ++i) {
            if (data->items[i].id == nPosition && !data->items[i].popup) {
                at = i;
                break;
            }
        }
    }
    // A popup item carries the popup's handle in place of an id; the menu takes it over.
    HMENU popup = (nFlags & MF_POPUP) ? reinterpret_cast<HMENU>(nIDNewItem) : nullptr;
    MenuData::Item item { nFlags & ~MF_BYPOSITION, popup ? 0 : UINT(nIDNewItem),
        lpszNewItem ? lpszNewItem : "", popup };
    data->items.insert(data->items.begin() + std::ptrdiff_t(at), item);
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    MenuData* data = MenuOf(m_hMenu);
    MenuData::Item* item = Find(m_hMenu, nPosition, nFlags);
    if (!data || !item)
        return FALSE;
    for (size_t i = 0; i < data->items.size(); ++i) {
        if (&data->items[i] == item) {
            data->items.erase(data->items.begin() + std::ptrdiff_t(i));
            return TRUE;
        }
    }
    return FALSE; // only items of this menu level are removed
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    MenuData::Item* item = Find(m_hMenu, nPosition, nFlags);
    HMENU popup = item ? item->popup : nullptr;
    if (!RemoveMenu(nPosition, nFlags))
        return FALSE;
    ::DestroyMenu(popup);
    return TRUE;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    MenuData::Item* item = Find(m_hMenu, nIDEnableItem, nEnable & MF_BYPOSITION);
    if (!item)
        return UINT(-1);
    UINT old = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (nEnable & (MF_GRAYED | MF_DISABLED));
    return old;
}

DWORD CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    MenuData::Item* item = Find(m_hMenu, nIDCheckItem, nCheck & MF_BYPOSITION);
    if (!item)
        return DWORD(-1);
    DWORD old = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
    return old;
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    MenuData::Item* item = Find(m_hMenu, nID, nFlags);
    return item ? (item->flags & ~MF_BYPOSITION) : UINT(-1);
}

int CMenu::GetMenuItemCount() const
{
    MenuData* data = MenuOf(m_hMenu);
    return data ? int(data->items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    MenuData::Item* item = nPos >= 0 ? Find(m_hMenu, UINT(nPos), MF_BYPOSITION) : nullptr;
    if (!item)
        return 0;
    return item->popup ? UINT(-1) : item->id;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    MenuData::Item* item = Find(m_hMenu, nIDItem, nFlags);
    rString = item ? item->text.c_str() : "";
    return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    MenuData* data = MenuOf(m_hMenu);
    MenuData::Item* item = nPos >= 0 ? Find(m_hMenu, UINT(nPos), MF_BYPOSITION) : nullptr;
    if (!data || !item || !item->popup)
        return nullptr;
    for (auto& wrapper : data->wrappers) {
        if (wrapper->m_hMenu == item->popup)
            return wrapper.get();
    }
    auto wrapper = std::make_unique<CMenu>();
    wrapper->m_hMenu = item->popup;
    data->wrappers.push_back(std::move(wrapper));
    return data->wrappers.back().get();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT)
{
    if (!m_hMenu)
        return FALSE;
    UINT chosen = Service<IPopupMenuChooser>().Choose(m_hMenu, nFlags, x, y, pWnd ? pWnd->m_hWnd : nullptr);
    // Only an enabled command of this menu can be chosen.
    if (!IsEnabledCommand(m_hMenu, chosen))
        chosen = 0;
    if (nFlags & TPM_RETURNCMD)
        return BOOL(chosen);
    if (chosen && pWnd && !(nFlags & TPM_NONOTIFY))
        pWnd->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(chosen), 0));
    return TRUE;
}
