// The icon of the explorer library Morrik, embedded from morrik/icons.
#include "resources/morrik/MorrikTables.h"
#include "resources/morrik/Resource.h"

#include <cstddef>
#include <cstdint>

extern const uint8_t morrik_icon_explorer_32_png[];
extern const size_t morrik_icon_explorer_32_png_size;
extern const uint8_t morrik_icon_explorer_16_png[];
extern const size_t morrik_icon_explorer_16_png_size;

std::span<const IconEntry> MorrikIcons()
{
    static const IconEntry icons[] = {
        { IDR_EXPLORE_ICON, { morrik_icon_explorer_32_png, morrik_icon_explorer_32_png_size },
            { morrik_icon_explorer_16_png, morrik_icon_explorer_16_png_size } },
    };
    return icons;
}
