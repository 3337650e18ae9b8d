// The program's bitmaps, embedded from setup/bitmaps.
#include "resources/setup/SetupResources.h"

#include "resources/setup/Resource.h"

extern const uint8_t setup_bitmap_tree_images_bmp[];
extern const size_t setup_bitmap_tree_images_bmp_size;
extern const uint8_t setup_bitmap_icons16_bmp[];
extern const size_t setup_bitmap_icons16_bmp_size;
extern const uint8_t setup_bitmap_caption_version_bmp[];
extern const size_t setup_bitmap_caption_version_bmp_size;
extern const uint8_t setup_bitmap_caption_pressed_bmp[];
extern const size_t setup_bitmap_caption_pressed_bmp_size;

std::span<const BitmapEntry> SetupBitmaps()
{
    // 148: the device tree's images: open folder, closed folder, device
    // online, device offline. 147: the sixteen-pixel icons that the tree
    // drags (0 to 3), the information rows and the settings tabs show.
    static const BitmapEntry bitmaps[] = {
        { 147, { setup_bitmap_icons16_bmp, setup_bitmap_icons16_bmp_size } },
        { 148, { setup_bitmap_tree_images_bmp, setup_bitmap_tree_images_bmp_size } },
        // The "Version" caption button and the image over a pressed one.
        { IDB_CAPTION_VERSION, { setup_bitmap_caption_version_bmp, setup_bitmap_caption_version_bmp_size } },
        { IDB_CAPTION_PRESSED, { setup_bitmap_caption_pressed_bmp, setup_bitmap_caption_pressed_bmp_size } },
    };
    return bitmaps;
}
