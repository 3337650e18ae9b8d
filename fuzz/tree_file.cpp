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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> bytes(data, data + size);
    Load(bytes);
    std::vector<uint8_t> current;
    if (ConvertTreeFileImage(bytes, &current) == TreeFileConversion::Converted) {
        // The result is a whole current file: header, then whole records.
        if (current.size() < TREE_FILE_HEADER_SIZE)
            __builtin_trap();
        Load(current);
    }
    return 0;
}
