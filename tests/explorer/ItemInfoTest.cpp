// The row data of the tree-grid, and the tree-file operations of a row
// against a file written by the tree-file writer.
#include "explorer/ItemInfo.h"
#include "explorer/TreeFile.h"
#include "explorer/TreeFileNotices.h"
#include "explorer/TreeFilePaths.h"
#include "tests/explorer/ScratchFolder.h"

#include "link/BitConverters.h"
#include "platform/base/FileIo.h"
#include "platform/base/TestServices.h"
#include "sim/FtpServer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace
{

using namespace morrik;

const uint8_t kMac[6] = { 0x00, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F };

TEST(ItemInfo, CellsWithoutEntries)
{
    CItemInfo row;
    row.AddSubItemText("a");
    row.AddSubItemText("b", 0x112233);
    row.SetSubItemText(2, "c", 4);
    EXPECT_EQ(3, row.GetItemCount());
    EXPECT_EQ(CString(""), row.GetSubItem(5));
    EXPECT_EQ(CString(""), row.GetSubItem(-1));
    CONTROLTYPE type = combobox;
    EXPECT_FALSE(row.GetControlType(0, type));
    EXPECT_EQ(edit, type);
    EXPECT_EQ(COLORREF(-1), row.GetBkColor(0));
    EXPECT_EQ(COLORREF(0x112233), row.GetBkColor(1));
    EXPECT_EQ(-1, row.GetSubItemImage(0));
    EXPECT_EQ(4, row.GetSubItemImage(2));
    EXPECT_EQ(-1, row.GetImage());
    EXPECT_EQ(COLORREF(-1), row.GetItemClr());
    const CStringList* list = nullptr;
    EXPECT_FALSE(row.GetListData(0, list));
}

TEST(ItemInfo, CopiesKeepTheirOwnChoicesAndAContainerLeavesDeviceData)
{
    CItemInfo src;
    src.SetItemText("Folder");
    src.AddSubItemText("x");
    src.SetControlType(combobox, 0);
    CStringList choices { "one", "two" };
    src.SetListData(0, &choices);
    choices.push_back("three"); // the row holds its own copy
    src.SetFolder(true);
    std::strcpy(src.m_szAddress, "10.9.9.9");
    src.m_dwConfigPort = 1;

    CItemInfo dst;
    std::strcpy(dst.m_szAddress, "keep");
    dst.m_dwConfigPort = 8405;
    std::strcpy(dst.m_login.szUser, "admin");
    dst.CopyObjects(&src);
    EXPECT_EQ(CString("Folder"), dst.GetItemText());
    EXPECT_TRUE(dst.m_bFolder);
    EXPECT_STREQ("keep", dst.m_szAddress);
    EXPECT_EQ(8405u, dst.m_dwConfigPort);
    EXPECT_STREQ("admin", dst.m_login.szUser);
    const CStringList* list = nullptr;
    ASSERT_TRUE(dst.GetListData(0, list));
    EXPECT_EQ(2u, list->size());
    CONTROLTYPE type = edit;
    EXPECT_TRUE(dst.GetControlType(0, type));
    EXPECT_EQ(combobox, type);

    src.SetFolder(false);
    dst.CopyObjects(&src);
    EXPECT_STREQ("10.9.9.9", dst.m_szAddress);
    EXPECT_EQ(1u, dst.m_dwConfigPort);
}

class RowFileTest : public ::testing::Test
{
protected:
    ScratchFolder folder;
    std::string path;

    void SetUp() override
    {
        SetTreeFilePaths(folder.Dir().c_str());
        path = TreeFilePath(2);
        ASSERT_TRUE(ResetFileIfNoFileIs(path));
        TreeFileLists lists;
        FILE_NODE dvr {};
        dvr.dwNo = 1;
        std::strcpy(dvr.szName, "Gate");
        std::strcpy(dvr.item.szSerial, "SN-1");
        std::memcpy(dvr.item.byMac, kMac, 6);
        dvr.item.dwIp = 0xC0A80001;
        std::strcpy(dvr.login.szUser, "admin");
        std::memcpy(dvr.login.byPassword, "pw", 3);
        std::strcpy(dvr.service1[0].szUser, "view");
        std::memcpy(dvr.service1[0].byPassword, "look", 5);
        dvr.dwConfigPort = 8405;
        lists.nodes.push_back(dvr);
        ASSERT_TRUE(ReadLlistAndUpdateFile(path, lists, true));
        ASSERT_EQ(TreeFileStatus::Current, ReadTreeFileAndConsistLlist(path, &lists));
        PutData(&row, lists.nodes[0]);
        row.m_nTreeNo = 2;
    }
    void TearDown() override { SetTreeFilePaths(""); }
    std::vector<uint8_t> Record()
    {
        std::vector<uint8_t> bytes;
        ReadWholeFile(path, bytes);
        return std::vector<uint8_t>(bytes.begin() + 132, bytes.begin() + 132 + 1052);
    }

    CItemInfo row;
};

TEST_F(RowFileTest, ARowFromItsRecord)
{
    EXPECT_EQ(CString("Gate"), row.GetItemText());
    EXPECT_EQ(CString("SN-1"), row.GetSubItem(0));
    EXPECT_EQ(CString("192.168.0.1"), row.GetSubItem(1));
    EXPECT_EQ(CString("00:1b:2c:3d:4e:5f"), row.GetSubItem(2));
    EXPECT_STREQ("192.168.0.1", row.m_szAddress);
    EXPECT_TRUE(row.m_bInFile);
    EXPECT_EQ(0, std::memcmp("pw", row.m_login.byPassword, 3));
}

TEST_F(RowFileTest, PasswordsByKind)
{
    CString out = "old";
    EXPECT_TRUE(row.GetPasswd(0, "admin", out));
    EXPECT_EQ(CString("pw"), out);
    EXPECT_TRUE(row.GetPasswd(1, "view", out));
    EXPECT_EQ(CString("look"), out);
    out = "old";
    EXPECT_FALSE(row.GetPasswd(1, "admin", out));
    EXPECT_EQ(CString(""), out);
    out = "old";
    EXPECT_FALSE(row.GetPasswd(7, "admin", out));
    EXPECT_EQ(CString(""), out);

    // A row that is not in the file looks at nothing.
    row.m_bInFile = false;
    out = "old";
    EXPECT_FALSE(row.GetPasswd(0, "admin", out));
    EXPECT_EQ(CString("old"), out);
    row.m_bInFile = true;

    uint8_t user[16] = "guest";
    uint8_t password[16] = "letmein";
    row.SetPasswd(2, user, password);
    EXPECT_STREQ("guest", row.m_service2[0].szUser);
    EXPECT_TRUE(row.GetPasswd(2, "guest", out));
    EXPECT_EQ(CString("letmein"), out);
    const auto record = Record();
    EXPECT_EQ(uint8_t('l' ^ kMac[0]), record[670 + 16]);
}

TEST_F(RowFileTest, PortsAddressesAndLookupPatchTheRecord)
{
    EXPECT_TRUE(row.SetPortNo(1, 9001));
    EXPECT_TRUE(row.SetPortNo(2, 9002));
    EXPECT_FALSE(row.SetPortNo(3, 1));
    int port = -5;
    row.GetPortNo(3, &port);
    EXPECT_EQ(-5, port);
    EXPECT_TRUE(row.SetFile(nullptr, reinterpret_cast<const BYTE*>("gate.example.net"), 0));
    row.m_dwIp = 0x0A000002; // 10.0.0.2, first octet most significant
    std::strcpy(row.m_szLookupServer, "dir.example");
    std::memcpy(row.m_byGroupId, "G-1", 4);
    EXPECT_TRUE(row.SetIp(2));
    row.m_bLookup = 1;
    EXPECT_TRUE(row.SetYem(2));

    const auto record = Record();
    EXPECT_EQ(9001u, GetLE32(record.data() + 996));
    EXPECT_EQ(9002u, GetLE32(record.data() + 992));
    EXPECT_EQ(0, std::memcmp(record.data() + 190, "gate.example.net", 17));
    EXPECT_EQ(0x0A000002u, GetLE32(record.data() + 180));
    EXPECT_EQ(0x0A, record[183]);
    EXPECT_EQ(0, std::memcmp(record.data() + 60, "dir.example", 12));
    EXPECT_EQ(0, std::memcmp(record.data() + 124, "G-1", 4));
    EXPECT_EQ(1, record[59]);

    // Another tree has no file.
    EXPECT_FALSE(row.SetIp(0));
}

TEST_F(RowFileTest, TheAddressOfALookedUpRowComesFromItsRegistrationServerByMacText)
{
    sim::FtpServer server;
    sim::RegisteredDevice device;
    device.name = "G-1";
    device.key32 = "SN-1";
    device.mac = "00:1b:2c:3d:4e:5f";
    device.address = "203.0.113.9";
    server.AddDevice(device);
    ASSERT_TRUE(server.Start("127.0.0.1", 21));
    std::strcpy(row.m_szLookupServer, "127.0.0.1");

    // Without the lookup flag nothing is asked.
    EXPECT_FALSE(row.GetAddress(nullptr));
    EXPECT_TRUE(server.Commands().empty());

    row.m_bLookup = 1;
    ASSERT_TRUE(row.GetAddress(nullptr));
    ASSERT_EQ(1u, server.QueriedMacs().size());
    EXPECT_EQ("00:1b:2c:3d:4e:5f", server.QueriedMacs()[0]); // the MAC as text, not as raw bytes
    EXPECT_STREQ("00:1b:2c:3d:4e:5f", row.m_szMacText);
    EXPECT_STREQ("203.0.113.9", row.m_szAddress);
    EXPECT_EQ(0xCB007109u, row.m_dwIp); // first octet most significant
    const auto record = Record();
    EXPECT_EQ(0, std::memcmp(record.data() + 190, "203.0.113.9", 12));

    // A device the server does not know, and no server: the address stays.
    std::memcpy(row.m_szSerial, "SN-2", 5);
    row.m_byMac[5] = 0x60;
    EXPECT_FALSE(row.GetAddress(nullptr));
    std::strcpy(row.m_szLookupServer, "127.0.0.2");
    EXPECT_FALSE(row.GetAddress(nullptr));
    EXPECT_STREQ("203.0.113.9", row.m_szAddress);
    EXPECT_EQ(0xCB007109u, row.m_dwIp);
}

TEST_F(RowFileTest, TheUserHearsOfAMissingDeviceAndOfMemoryRunningOut)
{
    ScriptedMessageBoxPresenter boxes;
    ScopedService<IMessageBoxPresenter> useBoxes { &boxes };
    CAM_SERIAL_MAC_INFO key {};
    std::memcpy(key.szSerial, "SN-1", 5);
    EXPECT_EQ(1, ReadTreeFileAndFindNoOfMacAndSerialTelling(path, key));
    EXPECT_TRUE(boxes.Boxes().empty());
    std::memcpy(key.szSerial, "SN-9", 5);
    EXPECT_EQ(-1, ReadTreeFileAndFindNoOfMacAndSerialTelling(path, key));
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(CString("File error! Item not found!"), boxes.Boxes()[0].text);
    // No file: nothing was searched, nothing is said.
    EXPECT_EQ(-1, ReadTreeFileAndFindNoOfMacAndSerialTelling(folder.Dir() + "/none.info", key));
    EXPECT_EQ(1u, boxes.Boxes().size());

    boxes.Clear();
    TreeFileLists lists;
    EXPECT_EQ(TreeFileStatus::Current, ReadTreeFileAndConsistLlistTelling(path, &lists));
    EXPECT_EQ(1u, lists.nodes.size());
    EXPECT_TRUE(boxes.Boxes().empty());
    // The quit goes to the thread that ran out of memory: one of its own here.
    std::thread([] { TellTreeFileRead(TreeFileStatus::OutOfMemory); }).join();
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(CString("The memory is full.\nCCamConfigView::ConsistLinkedList\n"), boxes.Boxes()[0].text);
}

} // namespace
