// Arbitrary bytes as a tree file: loaded as the current version, and
// upgraded as a file of an older one (and the result loaded again).
#include "devtree/TreeFile.h"
#include "devtree/TreeFileUpgrade.h"

#include <cstdint>
#include <vector>

namespace
{

// Loads and checks that nothing was made up: every record read came from
// bytes that are there.
void Load(const std::vector<uint8_t>& bytes)
{
    CTreeFileLists lists;
    if (ConsistLlistFromBytes(bytes, lists) != TreeLoadResult::Loaded)
        return;
    size_t nodes = 0, servers = 0;
    for (const tagLinkedListNode* p = lists.m_pHead; p; p = p->pNext)
        ++nodes;
    for (const tagLinkedYemListNode* p = lists.m_pYemHead; p; p = p->pNext)
        ++servers;
    size_t room = bytes.size() - TREE_FILE_HEADER_SIZE;
    if (nodes > (room + FILE_NODE_SIZE - 1) / FILE_NODE_SIZE
        || servers > (room + FILE_YEM_NODE_SIZE - 1) / FILE_YEM_NODE_SIZE)
        __builtin_trap();
}

// Converts and checks that the result is a whole current file.
void Upgrade(const std::vector<uint8_t>& bytes)
{
    std::vector<uint8_t> current;
    if (ConvertTreeFileImage(bytes, &current) != TreeFileConversion::Converted)
        return;
    if (current.size() < TREE_FILE_HEADER_SIZE)
        __builtin_trap();
    TREE_FILE_HEADER header;
    DecodeTreeFileHeader(current.data(), current.size(), &header);
    if (header.dwVersion != TREE_FILE_VERSION
        || current.size()
            != TREE_FILE_HEADER_SIZE + size_t { header.dwNodeCount } * FILE_NODE_SIZE
                + size_t { header.dwYemNodeCount } * FILE_YEM_NODE_SIZE)
        __builtin_trap();
    Load(current);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    Load(bytes);
    Upgrade(bytes);
    // The same bytes once more as a file of an old version, so that the
    // conversion of each version sees every input.
    if (size >= TREE_FILE_HEADER_SIZE) {
        bytes[0] = static_cast<uint8_t>(bytes[4] % 3);
        bytes[1] = bytes[2] = 0;
        bytes[3] = 1;
        Upgrade(bytes);
    }
    return 0;
}
