#include "DeviceTreeHarness.h"

#include "devtree/TreeFilePaths.h"
#include "devtree/TreeStrings.h"

#include <cstring>
#include <map>
#include <random>

namespace devtree_test
{

LRESULT RecordingOwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    OwnerMessage m { message, {}, wParam, lParam };
    const bool carriesDevice = message == WM_DEVICE_SELECT || message == WM_DEVICE_INFO
        || message == WM_DEVICE_UPDATE || message == WM_DEVICE_SELECT_IN_FAMILY;
    if (carriesDevice && wParam)
        m.device = *reinterpret_cast<const SELECTED_DEVICE*>(wParam);
    if (message >= WM_USER)
        messages.push_back(m);
    return CWndBase::WindowProc(message, wParam, lParam);
}

const OwnerMessage* RecordingOwner::Last(UINT message) const
{
    for (auto it = messages.rbegin(); it != messages.rend(); ++it)
        if (it->message == message)
            return &*it;
    return nullptr;
}

void InstallTreeStrings()
{
    SetStringLoader([](UINT id, CString& text) {
        static const std::map<UINT, const char*> strings = {
            { IDS_ROOT_MY_DVR, "My DVR" },
            { IDS_ROOT_LOCAL_DVR, "Local Area DVR" },
            { IDS_ROOT_SERVER, "ZPT" },
            { IDS_DVR_EXISTS, "The DVR already exists." },
            { IDS_GROUP_ID_EXISTS, "The group ID already exists." },
            { IDS_SERVER_EXISTS, "The server already exists." },
        };
        const auto it = strings.find(id);
        if (it == strings.end())
            return false;
        text = it->second;
        return true;
    });
}

TreeHarness::TreeHarness(bool load)
{
    InstallTreeStrings();
    std::random_device rd;
    folder = std::filesystem::temp_directory_path() / ("devtree_" + std::to_string(rd()));
    std::filesystem::create_directories(folder);
    owner.CreateMessageWindow();
    MakeGrid(load);
}

TreeHarness::~TreeHarness()
{
    grid.reset();
    owner.DestroyWindow();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

void TreeHarness::MakeGrid(bool load)
{
    if (grid)
        grid->DestroyWindow();
    grid = std::make_unique<CMySuperGrid>();
    grid->SetInstallFolder(folder.string());
    grid->SetOwnerView(&view);
    grid->SetListClientSize(240, 400);
    grid->SetImageSizes(CSize(16, 16), CSize(0, 0));
    grid->CreateMessageWindow(owner.m_hWnd, IDC_DEVICE_TREE);
    grid->ResetFileIfNoFileIs(TREE_FAMILY_DVR);
    grid->InitializeGrid();
    if (load)
        grid->ReadTreeFileAndConsistLlist();
}

std::vector<std::string> TreeHarness::FileTree() const
{
    CTreeFileLists lists;
    ReadTreeFileAndConsistLlist(Path(), lists);
    std::map<uint32_t, std::string> names { { 0, "My DVR" } };
    std::vector<std::string> lines;
    for (const tagLinkedListNode* n = lists.m_pHead; n; n = n->pNext) {
        names[n->node.dwId] = n->node.szName;
        lines.push_back(std::string(n->node.szName) + "<" + names[n->node.dwParentId]);
    }
    std::map<uint32_t, std::string> servers { { 0, "ZPT" } };
    for (const tagLinkedYemListNode* n = lists.m_pYemHead; n; n = n->pNext) {
        servers[n->node.dwId] = n->node.szName;
        lines.push_back(std::string(n->node.szName) + "<" + servers[n->node.dwParentId]);
    }
    return lines;
}

CItemInfo* TreeHarness::Device(const char* name, uint32_t ip, uint8_t macLast, const char* serial) const
{
    auto* info = new CItemInfo;
    info->SetItemText(name);
    info->m_dwIpAddress = ip;
    const uint8_t mac[6] = { 0x00, 0x1c, 0x23, 0x10, 0x20, macLast };
    std::memcpy(info->m_byMac, mac, 6);
    CItemInfo::SetText(info->m_szSerial, sizeof(info->m_szSerial), serial);
    CItemInfo::SetText(info->m_szAddress, sizeof(info->m_szAddress), name);
    CItemInfo::SetText(info->m_szModel, sizeof(info->m_szModel), "QR-1604");
    CItemInfo::SetText(info->m_szVersion2, sizeof(info->m_szVersion2), "2.1.7");
    info->m_dwHttpPort = 8001;
    info->m_dwStreamPort = 8105;
    info->m_dwConfigPort = 8405;
    info->SetImage(TREE_IMAGE_ONLINE);
    info->m_bOnline = 1;
    return info;
}

CPoint TreeHarness::LabelPoint(CSuperGridCtrl::CTreeItem* node) const
{
    CRect label;
    grid->GetItemRect(grid->RowOfNode(node), &label, LVIR_LABEL);
    return CPoint(label.left + 10, (label.top + label.bottom) / 2);
}

void TreeHarness::Click(CSuperGridCtrl::CTreeItem* node)
{
    const CPoint p = LabelPoint(node);
    grid->SendMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(p.x, p.y));
    grid->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

} // namespace devtree_test
