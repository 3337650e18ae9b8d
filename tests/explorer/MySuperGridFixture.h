// The device tree as its owner dialog creates it: a grid window (id 4097)
// in a frame on the offscreen platform, its tree file in a folder of the
// test's own. The frame keeps the messages the grid sends it.
#pragma once

#include "explorer/MySuperGrid.h"
#include "explorer/TreeFilePaths.h"
#include "explorer/TreeMessages.h"
#include "tests/explorer/ScratchFolder.h"

#include "platform/base/FileIo.h"
#include "platform/base/TestServices.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace morrik_test
{

using namespace morrik;
using Item = CSuperGridCtrl::CTreeItem;

class MessageFrame : public CWnd
{
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= WM_TREE_SAVE && message <= 0x478) {
            received.push_back(message);
            // The row data some messages carry: the edit and address
            // copies are the receiver's to free.
            if (message == WM_TREE_RENAME_CHANNEL && wParam)
                texts.push_back(reinterpret_cast<const CItemInfo*>(wParam)->GetItemText());
            if ((message == WM_TREE_EDIT_ITEM || message == WM_TREE_CHANGE_IP) && lParam) {
                auto* copy = reinterpret_cast<CItemInfo*>(lParam);
                texts.push_back(copy->GetItemText());
                delete copy;
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    int Count(UINT message) const
    {
        int n = 0;
        for (UINT m : received)
            n += m == message ? 1 : 0;
        return n;
    }
    std::vector<UINT> received;
    std::vector<CString> texts; // of the row data received, in order
};

// A device or folder record as a tree file holds it.
inline FILE_NODE FileNode(uint32_t no, uint32_t parent, const char* name, bool folder, uint8_t macLast = 0)
{
    FILE_NODE node {};
    node.dwNo = no;
    node.dwParentNo = parent;
    std::snprintf(node.szName, sizeof node.szName, "%s", name);
    node.bFolder = folder ? 1 : 0;
    if (!folder) {
        std::snprintf(node.item.szSerial, sizeof node.item.szSerial, "SN-%s", name);
        node.item.byMac[0] = 0x00;
        node.item.byMac[1] = 0x1B;
        node.item.byMac[5] = macLast;
        node.item.dwIp = 0xC0A80000u | macLast;
        std::snprintf(node.szAddress, sizeof node.szAddress, "192.168.0.%u", macLast);
        node.dwConfigPort = 8405;
        node.dwService1Port = 8105;
        node.dwService2Port = 8001;
    }
    return node;
}

inline FILE_YEM_NODE YemNode(uint32_t no, uint32_t parent, const char* name, bool server, const char* host)
{
    FILE_YEM_NODE node {};
    node.dwNo = no;
    node.dwParentNo = parent;
    std::snprintf(node.szName, sizeof node.szName, "%s", name);
    node.bServerFolder = server ? 1 : 0;
    node.bGroupFolder = server ? 0 : 1;
    std::snprintf(node.szServer, sizeof node.szServer, "%s", host);
    if (!server)
        std::snprintf(reinterpret_cast<char*>(node.byGroup), 16, "%s", name);
    return node;
}

class MySuperGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(scratch.Dir().empty());
        SetTreeFilePaths(scratch.Dir().c_str());
        ASSERT_TRUE(frame.CreateEx(
            0, "MorrikTreeFrame", "Explorer", WS_POPUP | WS_VISIBLE, 0, 0, 420, 360, nullptr, nullptr));
    }
    void TearDown() override
    {
        grid.DestroyWindow();
        frame.DestroyWindow();
    }
    // The dialog's order: window, file, roots.
    void Open(int tree = 2, bool myRootOnly = false)
    {
        CRect client;
        frame.GetClientRect(&client);
        ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, client, &frame, 4097));
        grid.m_bMyRootOnly = myRootOnly;
        grid.ResetFileIfNoFileIs(tree);
        grid.InitializeGrid();
    }
    // And the filling of the tree from the file.
    void Fill()
    {
        grid.ReadTreeFileAndConsistLlist();
        grid.CreateTreeCtrl();
        grid.DeleteLlist();
        grid.RedrawTree();
    }
    // A tree file with these devices and one server with group "GRP-A"
    // (both at 127.0.0.1), and the tree filled from it.
    void OpenWith(std::vector<FILE_NODE> nodes)
    {
        TreeFileLists lists;
        lists.nodes = std::move(nodes);
        lists.yemNodes = {
            YemNode(1, 0, "Main server", true, "127.0.0.1"),
            YemNode(2, 1, "GRP-A", false, "127.0.0.1"),
        };
        WriteFile(lists);
        Open();
        Fill();
    }
    void WriteFile(const TreeFileLists& lists)
    {
        std::vector<uint8_t> bytes = BuildTreeFileBytes(NewTreeFileHeader(), lists, true);
        ASSERT_TRUE(WriteWholeFile(Path(), bytes.data(), bytes.size()));
    }
    TreeFileLists ReadFile()
    {
        TreeFileLists lists;
        EXPECT_EQ(TreeFileStatus::Current, ReadTreeFileAndConsistLlist(Path(), &lists));
        return lists;
    }
    std::string Path() const { return TreeFilePath(2); }

    Item* Find(const char* text) const { return grid.SearchTreeItem(text); }
    std::vector<std::string> Children(const Item* node) const
    {
        std::vector<std::string> names;
        for (const Item* child : node->m_listChild)
            names.push_back(child->m_lpNodeInfo->GetItemText().GetString());
        return names;
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < grid.GetItemCount(); ++i)
            rows.push_back(grid.GetItemText(i, 0).GetString());
        return rows;
    }
    void SavePicture(const char* name)
    {
        const QImage image = grid.GetWidget()->grab().toImage();
        const std::string dir = std::string(SUITE_BUILD_DIR) + "/pictures";
        QDir().mkpath(QString::fromStdString(dir));
        ASSERT_TRUE(image.save(QString::fromStdString(dir + "/" + name)));
    }

    ScratchFolder scratch;
    MessageFrame frame;
    CMySuperGrid grid;
};

} // namespace morrik_test
