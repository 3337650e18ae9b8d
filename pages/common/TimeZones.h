// Time-zone tables, filled once at start-up and read-only afterwards.
#pragma once

#include <cstdint>

struct MYTIME_ZONE_ENTRY {
    uint32_t index; // equal to the entry's position
    int32_t offset; // seconds from UTC
    char text[204]; // "(GMT+hh:mm) places", NUL-padded
};

struct MYTIME_ZONE_OFFSET_ENTRY {
    uint32_t index;
    int32_t offset;
    char text[300]; // the places of every zone with this offset, joined by "/"
};

static_assert(sizeof(MYTIME_ZONE_ENTRY) == 212);
static_assert(sizeof(MYTIME_ZONE_OFFSET_ENTRY) == 308);

constexpr int TIME_ZONE_COUNT = 74;
constexpr int TIME_ZONE_OFFSET_COUNT = 33;

extern MYTIME_ZONE_ENTRY g_TimeZones[TIME_ZONE_COUNT];
extern MYTIME_ZONE_OFFSET_ENTRY g_TimeZoneOffsets[TIME_ZONE_OFFSET_COUNT];

void LoadTimeZoneTables();
