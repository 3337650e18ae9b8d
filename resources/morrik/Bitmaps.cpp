// The bitmaps of the explorer library Morrik, embedded from morrik/bitmaps.
#include "resources/morrik/MorrikTables.h"
#include "resources/morrik/Resource.h"

#include <cstddef>
#include <cstdint>

extern const uint8_t morrik_bitmap_tree_icons_bmp[];
extern const size_t morrik_bitmap_tree_icons_bmp_size;
extern const uint8_t morrik_bitmap_tree_states_bmp[];
extern const size_t morrik_bitmap_tree_states_bmp_size;

std::span<const BitmapEntry> MorrikBitmaps()
{
    static const BitmapEntry bitmaps[] = {
        { IDB_TREE_ICONS, { morrik_bitmap_tree_icons_bmp, morrik_bitmap_tree_icons_bmp_size } },
        { IDB_TREE_STATES, { morrik_bitmap_tree_states_bmp, morrik_bitmap_tree_states_bmp_size } },
    };
    return bitmaps;
}
