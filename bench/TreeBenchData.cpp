#include "TreeBenchData.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace bench_tree
{

namespace
{

void MacOf(uint32_t n, uint8_t first, uint8_t mac[6])
{
    const uint8_t bytes[6] = { 0x00, first, 0x2b, uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n) };
    std::memcpy(mac, bytes, 6);
}

FILE_NODE DeviceRecord(uint32_t n)
{
    FILE_NODE node {};
    std::snprintf(node.szName, sizeof node.szName, "DVR %05u", n);
    std::snprintf(node.item.szSerial, sizeof node.item.szSerial, "SN%08u", n);
    node.item.dwIpAddress = 0x0A000000 | n;
    MacOf(n, 0x1a, node.item.byMac);
    std::snprintf(
        node.szAddress, sizeof node.szAddress, "10.%u.%u.%u", (n >> 16) & 255, (n >> 8) & 255, n & 255);
    std::memcpy(node.login.byUser, "admin", 5);
    std::memcpy(node.login.byPassword, "password", 8);
    for (int i = 0; i < PASSWORD_TABLE_ENTRIES; ++i) {
        std::snprintf(reinterpret_cast<char*>(node.tableA[i].byUser), 16, "user%d", i);
        std::memcpy(node.tableA[i].byPassword, "0123456789abcdef", 16);
    }
    node.dwHttpPort = 8001;
    node.dwStreamPort = 8105;
    node.dwConfigPort = 8405;
    std::strcpy(node.szModel, "DVR-16");
    std::strcpy(node.szVersion, "2.3.1");
    return node;
}

} // namespace

void FillLists(CTreeFileLists& lists, int devices, bool folders)
{
    uint32_t id = 0;
    uint32_t parent = 0;
    for (int n = 0; n < devices; ++n) {
        if (folders && n % DEVICES_PER_FOLDER == 0) {
            FILE_NODE folder {};
            folder.dwId = ++id;
            folder.bFolder = 1;
            std::snprintf(folder.szName, sizeof folder.szName, "Site %04d", n / DEVICES_PER_FOLDER);
            lists.AllocLlist(folder);
            parent = folder.dwId;
        }
        FILE_NODE node = DeviceRecord(uint32_t(n));
        node.dwId = ++id;
        node.dwParentId = parent;
        lists.AllocLlist(node);
    }
}

size_t SavedSize(int devices, bool folders)
{
    const int folderCount = folders ? (devices + DEVICES_PER_FOLDER - 1) / DEVICES_PER_FOLDER : 0;
    return TREE_FILE_HEADER_SIZE + size_t(devices + folderCount) * FILE_NODE_SIZE;
}

RES_DISCOVER_OVEL KnownReply(uint32_t n, const char* model)
{
    RES_DISCOVER_OVEL reply {};
    const FILE_NODE rec = DeviceRecord(n);
    std::snprintf(reply.model, sizeof reply.model, "%s", model);
    std::snprintf(reply.version2, sizeof reply.version2, "%s", rec.szVersion);
    std::memcpy(reply.serial, rec.item.szSerial, sizeof reply.serial);
    reply.ipAddress = rec.item.dwIpAddress;
    std::memcpy(reply.mac, rec.item.byMac, 6);
    return reply;
}

RES_DISCOVER_OVEL NewReply(uint32_t n)
{
    RES_DISCOVER_OVEL reply {};
    std::snprintf(reply.model, sizeof reply.model, "DVR-8");
    std::snprintf(reply.serial, sizeof reply.serial, "NW%08u", n);
    reply.ipAddress = 0x0B000000 | (n & 0xFFFFFF);
    MacOf(n, 0x2c, reply.mac);
    return reply;
}

TempFolder::TempFolder()
{
    char pattern[] = "/tmp/bench-tree-XXXXXX";
    dir = mkdtemp(pattern);
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

} // namespace bench_tree
