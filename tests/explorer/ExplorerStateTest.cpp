// What the explorer dialogs keep besides their grids: the model rules that
// sort devices into trees, the registry values, the buffers of devices
// being added and the adapter table discovery runs on.
#include "explorer/AdapterAddresses.h"
#include "explorer/ExplorerRegistry.h"
#include "explorer/ModelRules.h"
#include "explorer/PendingAdds.h"
#include "explorer/TreeFilePaths.h"
#include "tests/explorer/ScratchFolder.h"

#include "platform/base/Settings.h"
#include "platform/base/TestServices.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

using namespace morrik;

TEST(ExplorerModelRules, SortDevicesIntoTrees)
{
    struct Case {
        const char* model;
        int pane; // FilterModel
        int tree; // FilterModelTree
    };
    const Case cases[] = {
        { "QARN-16", 2, 2 }, // the family prefix in capitals
        { "qarn", 2, 2 },
        { "qar", -1, 0 }, // too short for the prefix
        { "PT-D16", 2, 2 }, // the second prefix
        { "pt", 2, 2 },
        { "p", -1, 0 },
        { "RK-1600", 2, 2 }, // a recorder of the product's table
        { "16ch DVR(60fps)", 2, 2 },
        { "rk-1600x", -1, 0 }, // only the whole name counts
        { "qarn-k386", -1, 1 },
        { "VS-100", -1, 1 },
        { "PT-Z3PAL", -1, -1 },
        { "SV-400", -1, -1 },
        { "NC-420", -1, -1 }, // a module
        { "NC-210", -1, 0 },
        { "", -1, 0 },
    };
    for (const Case& c : cases) {
        char field[MODEL_TEXT_SIZE] = {};
        std::memcpy(field, c.model, std::strlen(c.model));
        EXPECT_EQ(FilterModel(field), c.pane) << c.model;
        EXPECT_EQ(FilterModelTree(field), c.tree) << c.model;
        EXPECT_STREQ(field, c.model) << "the record's own field is left as it was";
    }
}

TEST(ExplorerModelRules, RulesLowerCaseTheCallersTextAndReadNoFurtherThanTheField)
{
    char text[] = "QARN-DVR";
    EXPECT_TRUE(IsItQARN(text));
    EXPECT_STREQ(text, "qarn-dvr");
    char words[] = "X-Z3PAL-VS1";
    EXPECT_TRUE(IsItZ3PAL(words));
    EXPECT_TRUE(IsItK386(words));
    EXPECT_FALSE(IsItModule(words));
    EXPECT_STREQ(words, "x-z3pal-vs1");

    // A model that fills its 16 bytes, followed by bytes that would turn
    // it into a module.
    char record[MODEL_TEXT_SIZE + 8] = {};
    std::memcpy(record, "PT-D16-ABCDEFGHInc-4", 20);
    EXPECT_EQ(FilterModel(record), 2);
}

class ExplorerRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { SetSettingsFile((m_folder.Dir() + "/registry.ini").c_str()); }
    void Store(const char* installDir, const DWORD* tree)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern\\Pellmoor", 0, nullptr, 0,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        if (installDir)
            RegSetValueEx(key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(installDir),
                DWORD(std::strlen(installDir) + 1));
        if (tree)
            RegSetValueEx(
                key, "LastTreeNo_Pb_Mon", 0, REG_DWORD, reinterpret_cast<const BYTE*>(tree), sizeof *tree);
        RegCloseKey(key);
    }
    static DWORD StoredTree()
    {
        HKEY key = nullptr;
        DWORD value = 0xFFFF, size = sizeof value, type = 0;
        if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern\\Pellmoor", 0, KEY_READ, &key)
            != ERROR_SUCCESS)
            return value;
        RegQueryValueEx(key, "LastTreeNo_Pb_Mon", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
        return value;
    }
    ScratchFolder m_folder;
};

TEST_F(ExplorerRegistryTest, InstallFolderPlacesTheTreeFileAndTheLastTreeRoundTrips)
{
    DWORD tree = 1;
    Store(m_folder.Dir().c_str(), &tree);
    EXPECT_EQ(OpenExplorerRegistry(), 1);
    EXPECT_EQ(TreeFilePath(2), m_folder.Dir() + "/qarn.info");
    EXPECT_EQ(TreeFilePath(0), m_folder.Dir());

    WriteLastTree(2);
    EXPECT_EQ(StoredTree(), 2u);
    EXPECT_EQ(OpenExplorerRegistry(), 2);
}

TEST_F(ExplorerRegistryTest, MissingValuesGiveTheBareFileAndTreeZero)
{
    // No key at all: nothing is written either.
    EXPECT_EQ(OpenExplorerRegistry(), 0);
    EXPECT_EQ(TreeFilePath(2), "qarn.info");
    WriteLastTree(2);
    EXPECT_EQ(StoredTree(), 0xFFFFu);

    Store(nullptr, nullptr);
    EXPECT_EQ(OpenExplorerRegistry(), 0);
    EXPECT_EQ(TreeFilePath(2), "qarn.info");
}

TEST_F(ExplorerRegistryTest, ATreeNumberBeyondTheTreesIsTheFirst)
{
    DWORD tree = 7;
    Store(nullptr, &tree);
    EXPECT_EQ(OpenExplorerRegistry(), 0);
}

void Wait(CPendingAdds& adds, int index, uint32_t ip, const uint8_t* mac, uint32_t port)
{
    CItemInfo item;
    item.SetItemText("Shop");
    item.m_dwIp = ip;
    std::memcpy(item.m_byMac, mac, 6);
    item.m_dwConfigPort = port;
    std::strcpy(item.m_szAddress, "127.0.0.2");
    adds.Fill(index, item, 2);
}

TEST(ExplorerPendingAdds, BuffersFillReleaseAndMatchReplies)
{
    CPendingAdds adds;
    const uint8_t none[6] = {};
    const uint8_t mac[6] = { 0x00, 0x1B, 0x9E, 0x10, 0x04, 0x21 };
    EXPECT_EQ(adds.FindEmptyNewItemBuf(), 0);
    Wait(adds, 0, 0x7F000002, none, 80);
    // A device known only by its MAC (its address comes from a lookup),
    // whose MAC begins with a zero byte, still waits.
    Wait(adds, 1, 0, mac, 0);
    EXPECT_FALSE(adds.IsFree(1));
    EXPECT_EQ(adds.FindEmptyNewItemBuf(), 2);
    Wait(adds, 2, 0x7F000003, none, 8405);
    Wait(adds, 3, 0x7F000004, none, 80);
    Wait(adds, 4, 0x7F000005, none, 80);
    EXPECT_EQ(adds.FindEmptyNewItemBuf(), -1);
    EXPECT_EQ(adds.m_NewItem[0].m_nTreeNo, 2);
    EXPECT_STREQ(adds.m_NewItem[0].m_szAddress, "127.0.0.2");
    EXPECT_EQ(adds.m_NewItem[0].GetItemText(), CString("Shop"));

    struct Case {
        const uint8_t* mac;
        uint32_t ip, port;
        int index;
    };
    const uint8_t other[6] = { 2, 2, 2, 2, 2, 2 };
    const Case cases[] = {
        { mac, 0x0A000001, 1234, 1 }, // the MAC wins over address and port
        { none, 0x7F000002, 80, 0 },
        { other, 0x7F000002, 80, 0 },
        { none, 0x7F000003, 0, 2 }, // a reply without a port answers on 8405
        { none, 0x7F000002, 8405, -1 },
        { none, 0x7F000009, 80, -1 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(adds.FindNewItemIndx(c.mac, c.ip, c.port), c.index) << std::hex << c.ip << " " << c.port;

    adds.Release(3);
    EXPECT_EQ(adds.FindEmptyNewItemBuf(), 3);
    // A released buffer's zero MAC and address match no reply.
    EXPECT_EQ(adds.FindNewItemIndx(none, 0, 80), -1);
    adds.Clear();
    EXPECT_EQ(adds.FindEmptyNewItemBuf(), 0);
}

TEST(ExplorerAdapters, FirstTenAdaptersOrTheWildcard)
{
    FixedNetworkEnvironment net;
    ScopedService<INetworkEnvironment> scoped(&net);
    char table[MAX_ADAPTERS][ADAPTER_ADDRESS_SIZE];
    std::memset(table, 'x', sizeof table);
    EXPECT_EQ(ReadAdapterAddresses(table), 1);
    EXPECT_STREQ(table[0], "0.0.0.0");
    EXPECT_EQ(table[1][0], 0);

    for (int i = 1; i <= 12; ++i) {
        AdapterInfo adapter;
        adapter.ipAddress = "127.0.1." + std::to_string(i);
        net.adapters.push_back(adapter);
    }
    EXPECT_EQ(ReadAdapterAddresses(table), MAX_ADAPTERS);
    EXPECT_STREQ(table[0], "127.0.1.1");
    EXPECT_STREQ(table[9], "127.0.1.10");
}

} // namespace
