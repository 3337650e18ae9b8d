// The program's bitmaps, embedded from setup/bitmaps.
#include "resources/setup/SetupResources.h"

extern const uint8_t setup_bitmap_tree_images_bmp[];
extern const size_t setup_bitmap_tree_images_bmp_size;
extern const uint8_t setup_bitmap_tree_drag_bmp[];
extern const size_t setup_bitmap_tree_drag_bmp_size;

std::span<const BitmapEntry> SetupBitmaps()
{
    // The device tree's images: open folder, closed folder, device online,
    // device offline; the drag images on the drag list's mask colour.
    static const BitmapEntry bitmaps[] = {
        { 147, { setup_bitmap_tree_drag_bmp, setup_bitmap_tree_drag_bmp_size } },
        { 148, { setup_bitmap_tree_images_bmp, setup_bitmap_tree_images_bmp_size } },
    };
    return bitmaps;
}
