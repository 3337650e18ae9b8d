// The program's icons, embedded from setup/icons.
#include "resources/setup/SetupResources.h"

#include "resources/setup/Resource.h"

extern const uint8_t setup_icon_program_32_png[];
extern const size_t setup_icon_program_32_png_size;
extern const uint8_t setup_icon_program_16_png[];
extern const size_t setup_icon_program_16_png_size;
extern const uint8_t setup_icon_dialup_32_png[];
extern const size_t setup_icon_dialup_32_png_size;
extern const uint8_t setup_icon_dialup_16_png[];
extern const size_t setup_icon_dialup_16_png_size;

std::span<const IconEntry> SetupIcons()
{
    static const IconEntry icons[] = {
        { IDR_MAINFRAME, { setup_icon_program_32_png, setup_icon_program_32_png_size },
            { setup_icon_program_16_png, setup_icon_program_16_png_size } },
        { IDI_DIALUP, { setup_icon_dialup_32_png, setup_icon_dialup_32_png_size },
            { setup_icon_dialup_16_png, setup_icon_dialup_16_png_size } },
    };
    return icons;
}
