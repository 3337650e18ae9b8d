// Arbitrary bytes as a tree file on disk, changed by the in-place updates
// (ports, address, lookup settings, last device): an update changes only
// the fields it is for, in records of the current format that match, and
// leaves any other file byte for byte.
#include "devtree/TreeFile.h"
#include "fuzz/ScratchFile.h"

#include <cstring>

namespace
{

const std::string& Path()
{
    static const std::string path = MakeScratchPath("qarn.info");
    return path;
}

std::vector<uint8_t> ReadBack()
{
    return ReadScratch(Path());
}

// Every changed byte lies in one of the spans [first, last) of some whole
// device record, or in the header span; nothing is added or removed.
bool OnlyIn(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after, size_t first, size_t last,
    bool header)
{
    if (before.size() != after.size())
        return false;
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] == after[i])
            continue;
        if (header) {
            if (i < first || i >= last)
                return false;
            continue;
        }
        if (i < TREE_FILE_HEADER_SIZE)
            return false;
        const size_t at = (i - TREE_FILE_HEADER_SIZE) % FILE_NODE_SIZE;
        if (at < first || at >= last)
            return false;
    }
    return true;
}

// The identity of the first record of the input, so that updates match.
void KeysFrom(const std::vector<uint8_t>& bytes, TreeItemKey* item, CAM_SERIAL_MAC_INFO* key)
{
    *item = {};
    *key = {};
    const size_t record = TREE_FILE_HEADER_SIZE;
    if (bytes.size() < record + TreeFileOffset::Address + sizeof item->szAddress)
        return;
    const uint8_t* p = bytes.data() + record;
    std::memcpy(item->szSerial, p + TreeFileOffset::Item, sizeof item->szSerial);
    std::memcpy(item->byMac, p + TreeFileOffset::Mac, 6);
    std::memcpy(item->szAddress, p + TreeFileOffset::Address, sizeof item->szAddress - 1);
    std::memcpy(key->szSerial, item->szSerial, sizeof key->szSerial);
    std::memcpy(key->byMac, item->byMac, 6);
    std::memcpy(&key->dwIpAddress, p + TreeFileOffset::IpAddress, 4);
}

void Write(const std::vector<uint8_t>& bytes)
{
    WriteScratch(Path(), bytes.data(), bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<uint8_t> input(data, data + size);
    TreeItemKey item;
    CAM_SERIAL_MAC_INFO key;
    KeysFrom(input, &item, &key);
    const uint32_t lookup[4] = { 1, 2, 3, 4 };
    const int slot = size ? data[size - 1] % 4 : 0; // 3 is out of range

    Write(input);
    int changed = UpdateDevicePortsInFile(Path(), item, 80, 554, 8405);
    std::vector<uint8_t> after = ReadBack();
    if (changed < 0 ? after != input
                    : !OnlyIn(input, after, TreeFileOffset::HttpPort, TreeFileOffset::ConfigPort + 4, false))
        __builtin_trap();

    Write(input);
    changed = UpdateDeviceIpInFile(Path(), item, 0x0A000001);
    after = ReadBack();
    if (changed < 0 ? after != input
                    : !OnlyIn(input, after, TreeFileOffset::IpAddress, TreeFileOffset::IpAddress + 4, false))
        __builtin_trap();

    Write(input);
    changed = UpdateLookupSettingsInFile(Path(), item, lookup);
    after = ReadBack();
    if (changed < 0 ? after != input
                    : !OnlyIn(input, after, TreeFileOffset::Lookup, TreeFileOffset::Lookup + 16, false))
        __builtin_trap();

    Write(input);
    const bool set = SetLastCam(Path(), slot, key);
    after = ReadBack();
    const size_t entry = TreeFileOffset::LastCam + size_t(slot) * TreeFileOffset::LastCamSize;
    if (!set ? after != input : !OnlyIn(input, after, entry, entry + TreeFileOffset::LastCamSize, true))
        __builtin_trap();
    CAM_SERIAL_MAC_INFO found;
    GetLastCam(Path(), slot, &found);
    return 0;
}
