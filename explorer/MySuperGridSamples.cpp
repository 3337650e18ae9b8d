// The tree-grid's sample rows: a tree of made-up items that shows how the
// grid draws rows, sub-items and icons without a tree file behind them.
#include "explorer/MySuperGrid.h"

namespace morrik
{

namespace
{

constexpr int kSampleItems = 3;
constexpr int kSampleSubItems = 3;

} // namespace

void CMySuperGrid::_DeleteAll()
{
    // First: from here on nothing reaches the tree file.
    m_bSampleTree = true;
    RemoveAllNodes();
    auto* data = new CItemInfo;
    data->SetItemText("New data");
    data->m_bFolder = true;
    data->m_nTreeNo = -1;
    data->SetImage(IMAGE_MY_ROOT);
    m_pMyRoot = InsertRootItem(data);
    for (int i = 0; i < kSampleItems; ++i) {
        auto* item = new CItemInfo;
        CString text;
        text.Format("Item %d", i);
        item->SetItemText(text);
        item->m_nTreeNo = -1;
        for (int sub = 1; sub <= kSampleSubItems; ++sub) {
            CString subText;
            subText.Format("subItem %d of %s", sub, text.GetString());
            item->AddSubItemText(subText);
        }
        InsertItem(m_pMyRoot, item);
    }
    Expand(m_pMyRoot, GetCurIndex(m_pMyRoot));
}

void CMySuperGrid::DynamicUpdateSomeItems(int nItem)
{
    CItemInfo* info = GetItemInfo(GetTreeItem(nItem));
    if (!info)
        return;
    int sub = 0;
    for (const char* text : { "Dynamic", "updates", "not always" })
        info->SetSubItemText(sub++, text);
    RedrawItems(nItem, nItem);
}

void CMySuperGrid::SetNewImage(int nItem)
{
    CItemInfo* info = GetItemInfo(GetTreeItem(nItem));
    const int count = m_image.GetImageCount();
    if (!info || count <= 0)
        return;
    info->SetImage((info->GetImage() + 1) % count);
    RedrawItems(nItem, nItem);
}

} // namespace morrik
