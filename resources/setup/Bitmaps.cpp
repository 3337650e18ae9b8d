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
extern const uint8_t setup_bitmap_content_states_bmp[];
extern const size_t setup_bitmap_content_states_bmp_size;
extern const uint8_t setup_bitmap_check_marks_bmp[];
extern const size_t setup_bitmap_check_marks_bmp_size;

std::span<const BitmapEntry> SetupBitmaps()
{
    static const BitmapEntry bitmaps[] = {
        { IDB_SMALL_ICONS, { setup_bitmap_icons16_bmp, setup_bitmap_icons16_bmp_size } },
        { IDB_TREE_IMAGES, { setup_bitmap_tree_images_bmp, setup_bitmap_tree_images_bmp_size } },
        { IDB_CAPTION_VERSION, { setup_bitmap_caption_version_bmp, setup_bitmap_caption_version_bmp_size } },
        { IDB_CAPTION_PRESSED, { setup_bitmap_caption_pressed_bmp, setup_bitmap_caption_pressed_bmp_size } },
        { IDB_CONTENT_STATES, { setup_bitmap_content_states_bmp, setup_bitmap_content_states_bmp_size } },
        { IDB_CHECK_MARKS, { setup_bitmap_check_marks_bmp, setup_bitmap_check_marks_bmp_size } },
    };
    return bitmaps;
}
