// Resources as data: the tables a module (the program, a library or the
// language pack) carries. Plain aggregates, so that a table is written as a
// braced list and a language pack built apart reads them with the same layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// One control of a dialog template. The rectangle is in dialog units.
struct DialogControl {
    int32_t id; // -1 for text that is never addressed
    const char* className; // "Button", "Edit", "Static", "ComboBox", "ListBox", ... or a custom class
    const char* text;
    uint32_t style; // WS_* | class styles
    int16_t x, y, cx, cy;
    uint32_t exStyle = 0;
};

struct DialogTemplate {
    uint32_t id;
    const char* caption;
    uint32_t style;
    int16_t x, y, cx, cy;
    std::span<const DialogControl> controls;
    uint32_t exStyle = 0;
};

struct StringEntry {
    uint32_t id;
    const char* text;
};

// A menu item; a popup has children and no command id. A separator has
// MF_SEPARATOR in flags.
struct MenuEntry {
    uint32_t id;
    const char* text;
    uint32_t flags;
    std::span<const MenuEntry> children = {};
};

struct MenuTemplate {
    uint32_t id;
    std::span<const MenuEntry> items;
};

// A bitmap as the bytes of an image file (BMP or PNG).
struct BitmapEntry {
    uint32_t id;
    std::span<const uint8_t> bytes;
};

// An icon as the bytes of image files (PNG or BMP): its large picture
// (32 x 32) and, when it has one, its small picture (16 x 16).
struct IconEntry {
    uint32_t id;
    std::span<const uint8_t> large;
    std::span<const uint8_t> small = {};
};

// A resource of the module's own type ("MYTIME_ZONE"), as raw bytes.
struct RawEntry {
    const char* type;
    uint32_t id;
    std::span<const uint8_t> bytes;
};

struct ResourceTables {
    const char* moduleName;
    std::span<const DialogTemplate> dialogs = {};
    std::span<const StringEntry> strings = {};
    std::span<const MenuTemplate> menus = {};
    std::span<const BitmapEntry> bitmaps = {};
    std::span<const RawEntry> raw = {};
    std::span<const IconEntry> icons = {};
};

// A language pack exports this function (extern "C") and gives its tables.
#define LANGUAGE_PACK_ENTRY "SuiteLanguagePackTables"
using LanguagePackEntryFn = const ResourceTables* (*)();

// Dialog units to pixels. A dialog unit is a quarter of the base width and an
// eighth of the base height of the dialog font; the suite uses one fixed
// base unit for every dialog, 6 x 13 pixels (the classic 8-point dialog font
// at 96 dpi), so that layouts do not move with the desktop's fonts.
constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;
