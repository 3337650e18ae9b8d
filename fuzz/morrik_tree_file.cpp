// Arbitrary bytes as an explorer tree file: read as they are, upgraded as a
// file of an old version and read again, and, through a scratch file, the
// single-record operations.
#include "explorer/TreeFile.h"
#include "explorer/TreeFileUpgrade.h"
#include "fuzz/ScratchFile.h"
#include "fuzz/TouchBytes.h"

#include <cstdint>
#include <vector>

namespace
{

using namespace morrik;

// Every record read came from bytes that are there, and every text is
// terminated within its field.
void Read(const std::vector<uint8_t>& bytes)
{
    TreeFileLists lists;
    if (ConsistLlistFromBytes(bytes, &lists) != TreeFileStatus::Current)
        return;
    const size_t room = bytes.size() - TREE_FILE_HEADER_SIZE;
    if (lists.nodes.size() > room / FILE_NODE_SIZE || lists.yemNodes.size() > room / FILE_YEM_NODE_SIZE)
        __builtin_trap();
    for (const FILE_NODE& node : lists.nodes) {
        Touch(&node, sizeof node);
        if (node.szName[TREE_NAME_SIZE - 1] || node.szAddress[127] || node.szLookupServer[63])
            __builtin_trap();
    }
    for (const FILE_YEM_NODE& node : lists.yemNodes)
        Touch(&node, sizeof node);
}

// The result of a conversion is a whole current file.
void Upgrade(const std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> current;
    if (ConvertTreeFileImage(bytes, &current) != TreeFileConversion::Converted)
        return;
    if (current.size() < TREE_FILE_HEADER_SIZE)
        __builtin_trap();
    const TREE_FILE_HEADER header = DecodeTreeFileHeader(current.data());
    if (header.dwVersion != TREE_FILE_VERSION
        || current.size() > TREE_FILE_HEADER_SIZE + size_t { header.dwNodeCount } * FILE_NODE_SIZE
                + size_t { header.dwYemNodeCount } * FILE_YEM_NODE_SIZE)
        __builtin_trap();
    Read(current);
}

void RecordOperations(const std::vector<uint8_t>& bytes)
{
    static const std::string path = MakeScratchPath("qarn.info");
    WriteScratch(path, bytes.data(), bytes.size());
    FILE_NODE node;
    for (int i = 0; i < LAST_CAM_COUNT; ++i) {
        if (GetLastCam(path, i, &node))
            Touch(&node, sizeof node);
        CAM_SERIAL_MAC_INFO key {};
        GetLastCamKey(path, i, &key);
    }
    RowIdentity row {};
    row.szAddress[0] = '1';
    ReadTreeFileAndFindNoOfMacAndSerial(path, row, false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    Read(bytes);
    Upgrade(bytes);
    RecordOperations(bytes);
    // The same bytes as a file of each old version.
    if (size >= TREE_FILE_HEADER_SIZE) {
        bytes[0] = static_cast<uint8_t>(bytes[4] % 3);
        bytes[1] = bytes[2] = 0;
        bytes[3] = 1;
        Upgrade(bytes);
    }
    return 0;
}
