#include "controls/DualListManager.h"

#include <algorithm>

int CDualListManager::ListBox::Count() const
{
    const LRESULT count = Send(LB_GETCOUNT);
    return count > 0 ? int(count) : 0;
}

std::vector<int> CDualListManager::ListBox::Selected() const
{
    if (single) {
        const LRESULT current = Send(LB_GETCURSEL);
        return current >= 0 ? std::vector<int> { int(current) } : std::vector<int> {};
    }
    const LRESULT count = Send(LB_GETSELCOUNT);
    if (count <= 0)
        return {};
    std::vector<int> items(static_cast<size_t>(count));
    const LRESULT got = Send(LB_GETSELITEMS, WPARAM(count), reinterpret_cast<LPARAM>(items.data()));
    items.resize(size_t(std::clamp<LRESULT>(got, 0, count)));
    std::sort(items.begin(), items.end());
    return items;
}

void CDualListManager::ListBox::Select(int nIndex) const
{
    if (single)
        Send(LB_SETCURSEL, WPARAM(nIndex));
    else
        Send(LB_SETSEL, TRUE, LPARAM(nIndex));
}

void CDualListManager::Init(CWnd* pDialog, UINT nListA, UINT nListB, UINT nCopySelected, UINT nCopyAll,
    UINT nRemoveSelected, UINT nRemoveAll, UINT nMoveUp, UINT nMoveDown)
{
    m_pDialog = pDialog;
    m_nListA = nListA;
    m_nListB = nListB;
    m_nCopySelected = nCopySelected;
    m_nCopyAll = nCopyAll;
    m_nRemoveSelected = nRemoveSelected;
    m_nRemoveAll = nRemoveAll;
    m_nMoveUp = nMoveUp;
    m_nMoveDown = nMoveDown;
    auto attach = [pDialog](ListBox& list, UINT id) {
        CWnd* box = pDialog ? pDialog->GetDlgItem(int(id)) : nullptr;
        list.hWnd = box ? box->m_hWnd : nullptr;
        list.single = !box || !(box->GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
    };
    attach(m_ListA, nListA);
    attach(m_ListB, nListB);
    Refresh();
}

void CDualListManager::SetGroup(int nGroup)
{
    if (nGroup >= 0 && nGroup < DUAL_LIST_GROUPS)
        m_nGroup = nGroup;
}

void CDualListManager::AddSourceItem(LPCTSTR lpszText, UINT nKey)
{
    Current().source.push_back(nKey);
    Current().texts[nKey] = lpszText ? lpszText : "";
}

void CDualListManager::AddTargetItem(LPCTSTR lpszText, UINT nKey)
{
    Current().target.push_back(nKey);
    Current().texts[nKey] = lpszText ? lpszText : "";
}

CString CDualListManager::TextOf(uint32_t key) const
{
    const auto& texts = m_groups[m_nGroup].texts;
    const auto it = texts.find(key);
    return it != texts.end() ? it->second : CString();
}

bool CDualListManager::TargetHasText(const CString& text) const
{
    const auto& target = m_groups[m_nGroup].target;
    return std::any_of(target.begin(), target.end(), [&](uint32_t key) { return TextOf(key) == text; });
}

BOOL CDualListManager::IsInTarget(int nGroup, const CString& strText) const
{
    // Each group's keys are named in that group's own table.
    if (nGroup < 0 || nGroup >= DUAL_LIST_GROUPS || strText.IsEmpty())
        return FALSE;
    const Group& group = m_groups[nGroup];
    return std::any_of(group.target.begin(), group.target.end(), [&](uint32_t key) {
        const auto it = group.texts.find(key);
        return it != group.texts.end() && it->second == strText;
    });
}

void CDualListManager::Fill(const ListBox& list, const std::vector<uint32_t>& keys)
{
    list.Send(LB_RESETCONTENT);
    for (uint32_t key : keys) {
        const CString text = TextOf(key);
        const LRESULT index = list.Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
        if (index >= 0)
            list.Send(LB_SETITEMDATA, WPARAM(index), LPARAM(key));
    }
}

void CDualListManager::Refill(const std::vector<uint32_t>& moved, const ListBox* in)
{
    Fill(m_ListA, Current().source);
    Fill(m_ListB, Current().target);
    if (!in)
        return;
    for (uint32_t key : moved) {
        const CString text = TextOf(key);
        const LRESULT found
            = in->Send(LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(text.GetString()));
        if (found >= 0)
            in->Select(int(found));
    }
}

void CDualListManager::SelectNear(const ListBox& list, int nIndex)
{
    const int count = list.Count();
    if (count > 0)
        list.Select(std::min(nIndex, count - 1));
}

void CDualListManager::Refresh()
{
    Refill();
    SelectNear(m_ListA, 0);
    SelectNear(m_ListB, 0);
    UpdateButtons();
}

void CDualListManager::CopySelected()
{
    const std::vector<int> selected = m_ListA.Selected();
    std::vector<uint32_t> copied;
    for (int index : selected) {
        const uint32_t key = m_ListA.Key(index);
        if (TargetHasText(TextOf(key)))
            continue;
        Current().target.push_back(key);
        copied.push_back(key);
    }
    Refill(copied, &m_ListB);
    if (!selected.empty())
        SelectNear(m_ListA, selected.front());
}

void CDualListManager::CopyAll()
{
    for (int index = 0; index < m_ListA.Count(); ++index) {
        const uint32_t key = m_ListA.Key(index);
        if (!TargetHasText(TextOf(key)))
            Current().target.push_back(key);
    }
    Refill();
    SelectNear(m_ListB, 0);
}

void CDualListManager::RemoveSelected()
{
    const std::vector<int> selected = m_ListB.Selected();
    auto& target = Current().target;
    for (int index : selected) {
        const auto it = std::find(target.begin(), target.end(), m_ListB.Key(index));
        if (it != target.end())
            target.erase(it);
    }
    Refill();
    if (!selected.empty())
        SelectNear(m_ListB, selected.front());
}

void CDualListManager::RemoveAll()
{
    Current().target.clear();
    Refill();
    SelectNear(m_ListA, 0);
}

void CDualListManager::Move(bool up)
{
    auto& target = Current().target;
    const int count = int(target.size());
    std::vector<char> chosen(static_cast<size_t>(count), 0);
    for (int index : m_ListB.Selected())
        if (index >= 0 && index < count)
            chosen[size_t(index)] = 1;
    std::vector<uint32_t> moved;
    for (int i = 0; i < count; ++i)
        if (chosen[size_t(i)])
            moved.push_back(target[size_t(i)]);
    // A selected item steps over the unselected one next to it; a block
    // against the edge stays.
    for (int k = 1; k < count; ++k) {
        const size_t i = size_t(up ? k : count - 1 - k);
        const size_t next = up ? i - 1 : i + 1;
        if (chosen[i] && !chosen[next]) {
            std::swap(target[i], target[next]);
            std::swap(chosen[i], chosen[next]);
        }
    }
    Refill(moved, &m_ListB);
}

bool CDualListManager::BlockAtEdge(const std::vector<int>& selected, int count, bool first)
{
    const bool block = selected.back() - selected.front() + 1 == int(selected.size());
    return block && (first ? selected.front() == 0 : selected.back() == count - 1);
}

void CDualListManager::EnableButton(UINT nID, bool enable)
{
    CWnd* button = m_pDialog && nID ? m_pDialog->GetDlgItem(int(nID)) : nullptr;
    if (!button)
        return;
    // A disabled button cannot keep the focus; the dialog moves it on.
    if (!enable && CWnd::GetFocus() == button)
        m_pDialog->SendMessage(WM_NEXTDLGCTL);
    button->EnableWindow(enable);
}

void CDualListManager::UpdateButtons()
{
    const std::vector<int> inB = m_ListB.Selected();
    const int countB = m_ListB.Count();
    EnableButton(m_nCopySelected, !m_ListA.Selected().empty());
    EnableButton(m_nCopyAll, m_ListA.Count() > 0);
    EnableButton(m_nRemoveSelected, !inB.empty());
    EnableButton(m_nRemoveAll, countB > 0);
    EnableButton(m_nMoveUp, !inB.empty() && !BlockAtEdge(inB, countB, true));
    EnableButton(m_nMoveDown, !inB.empty() && !BlockAtEdge(inB, countB, false));
}

BOOL CDualListManager::OnCommand(UINT nID, UINT nCode)
{
    if (nID == 0)
        return FALSE;
    if (nID == m_nListA || nID == m_nListB) {
        if (nCode == LBN_DBLCLK) {
            if (nID == m_nListA)
                CopySelected();
            else
                RemoveSelected();
        } else if (nCode != LBN_SELCHANGE) {
            return FALSE;
        }
    } else if (nCode != BN_CLICKED) {
        return FALSE;
    } else if (nID == m_nCopySelected) {
        CopySelected();
    } else if (nID == m_nCopyAll) {
        CopyAll();
    } else if (nID == m_nRemoveSelected) {
        RemoveSelected();
    } else if (nID == m_nRemoveAll) {
        RemoveAll();
    } else if (nID == m_nMoveUp) {
        Move(true);
    } else if (nID == m_nMoveDown) {
        Move(false);
    } else {
        return FALSE;
    }
    UpdateButtons();
    return TRUE;
}
