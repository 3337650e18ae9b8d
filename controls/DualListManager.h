// CDualListManager: drives a dialog's pair of list boxes of available (A)
// and chosen (B) items with their copy, remove and move buttons. It keeps
// ten groups of items and shows one at a time, so that one pair of list
// boxes edits ten lists. Items are keys with display texts; copying leaves
// an item in A, and a text already in B is not added twice.
#pragma once

#include "platform/base/String.h"
#include "platform/ui/Wnd.h"

#include <cstdint>
#include <map>
#include <vector>

constexpr int DUAL_LIST_GROUPS = 10;

class CDualListManager
{
public:
    CDualListManager() = default;
    ~CDualListManager() = default;
    CDualListManager(const CDualListManager&) = delete;
    CDualListManager& operator=(const CDualListManager&) = delete;

    // Button ids of 0 (or not on the dialog) stand for buttons it lacks.
    void Init(CWnd* pDialog, UINT nListA, UINT nListB, UINT nCopySelected, UINT nCopyAll,
        UINT nRemoveSelected, UINT nRemoveAll, UINT nMoveUp, UINT nMoveDown);
    // The group the lists show after the next Refresh; outside 0..9 nothing changes.
    void SetGroup(int nGroup);
    int GetGroup() const { return m_nGroup; }
    void AddSourceItem(LPCTSTR lpszText, UINT nKey);
    void AddTargetItem(LPCTSTR lpszText, UINT nKey);
    void Refresh();
    // For every command the owner routes; TRUE when it was the manager's.
    BOOL OnCommand(UINT nID, UINT nCode);
    // Whether a group's list B shows the text.
    BOOL IsInTarget(int nGroup, const CString& strText) const;

private:
    struct Group {
        std::map<uint32_t, CString> texts;
        std::vector<uint32_t> source;
        std::vector<uint32_t> target;
    };
    // One of the dialog's list boxes, reached through its handle so that the
    // dialog's own window objects stay as they are.
    struct ListBox {
        HWND hWnd = nullptr;
        bool single = true;
        LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
        {
            return hWnd ? ::SendMessage(hWnd, message, wParam, lParam) : LB_ERR;
        }
        int Count() const;
        std::vector<int> Selected() const;
        void Select(int nIndex) const;
        uint32_t Key(int nIndex) const { return uint32_t(Send(LB_GETITEMDATA, WPARAM(nIndex))); }
    };

    Group& Current() { return m_groups[m_nGroup]; }
    CString TextOf(uint32_t key) const;
    bool TargetHasText(const CString& text) const;
    void Fill(const ListBox& list, const std::vector<uint32_t>& keys);
    // Refills both lists and selects the given keys' items in one of them.
    void Refill(const std::vector<uint32_t>& moved = {}, const ListBox* in = nullptr);
    // Selects an index, or the last item when it lies past the end.
    void SelectNear(const ListBox& list, int nIndex);
    void CopySelected();
    void CopyAll();
    void RemoveSelected();
    void RemoveAll();
    void Move(bool up);
    void UpdateButtons();
    void EnableButton(UINT nID, bool enable);
    // Whether the selection is one block touching the first (or last) item.
    static bool BlockAtEdge(const std::vector<int>& selected, int count, bool first);

    Group m_groups[DUAL_LIST_GROUPS];
    ListBox m_ListA;
    ListBox m_ListB;
    UINT m_nListA = 0;
    UINT m_nListB = 0;
    UINT m_nCopySelected = 0;
    UINT m_nCopyAll = 0;
    UINT m_nRemoveSelected = 0;
    UINT m_nRemoveAll = 0;
    UINT m_nMoveUp = 0;
    UINT m_nMoveDown = 0;
    CWnd* m_pDialog = nullptr;
    int m_nGroup = 0;
};
