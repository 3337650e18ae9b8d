// The time-zone tables the settings pages index, copied at start-up from the
// program's own "MYTIME_ZONE" resources 172 and 173.
#include "pages/common/TimeZones.h"

#include "link/ByteOrder.h"
#include "platform/ui/ResourceModule.h"

#include <cstring>

MYTIME_ZONE_ENTRY g_TimeZones[TIME_ZONE_COUNT];
MYTIME_ZONE_OFFSET_ENTRY g_TimeZoneOffsets[TIME_ZONE_OFFSET_COUNT];

namespace
{

// Reads `count` entries of the resource field by field; a resource of
// another size leaves the table zero.
template <typename Entry> void Copy(UINT id, Entry* table, int count)
{
    std::memset(table, 0, sizeof(Entry) * size_t(count));
    const RawEntry* raw = FindRawResource(AfxGetInstanceHandle(), "MYTIME_ZONE", id);
    const size_t entrySize = 8 + sizeof table[0].text;
    if (!raw || raw->bytes.size() != entrySize * size_t(count))
        return;
    uint32_t offset = 0;
    for (int i = 0; i < count; ++i) {
        uint32_t value = 0;
        DirGetU32(raw->bytes.data(), &offset, &table[i].index);
        DirGetU32(raw->bytes.data(), &offset, &value);
        table[i].offset = int32_t(value);
        std::memcpy(table[i].text, raw->bytes.data() + offset, sizeof table[i].text - 1);
        offset += sizeof table[i].text;
    }
}

} // namespace

void LoadTimeZoneTables()
{
    Copy(172, g_TimeZones, TIME_ZONE_COUNT);
    Copy(173, g_TimeZoneOffsets, TIME_ZONE_OFFSET_COUNT);
}
