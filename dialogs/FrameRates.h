// What a schedule row records with: the frame-rate codes (frames per second
// in 8.24 fixed point, truncated; 0 = no save) with their texts, the
// resolution names and the quality texts. The day plans use a list of 15
// rates; the mode plans one of 16 (3 f/s after 5 f/s). The first entry is
// 30 f/s on a 30-frame camera and 25 f/s on a 25-frame one.
#pragma once

#include "platform/base/String.h"

#include <cstdint>

enum RateList {
    RATES_DAY, // 15 entries, No Save at 14
    RATES_MODE, // 16 entries, No Save at 15
};

constexpr int DAY_RATE_COUNT = 15;
constexpr int MODE_RATE_COUNT = 16;
constexpr int RESOLUTION_COUNT = 5;
constexpr int QUALITY_COUNT = 10;

int RateCount(RateList list);
int NoSaveIndex(RateList list);
// The code of a list position (0 for a position outside the list).
uint32_t RateCode(RateList list, int index, bool b30Frames);
// The position of a code; 0 (the highest rate) for a code not in the list.
int RateIndex(RateList list, uint32_t code, bool b30Frames);
// "30f/s", "1f/10s", "No Save", ... from the string table.
CString RateText(RateList list, int index, bool b30Frames);

// A device's index clamped to its table.
int ClampResolution(int index);
int ClampQuality(int quality);
// "TINY(90X60)" to "FULL(720X486)"; an index outside the table reads as 0.
CString ResolutionName(int index);
// " 0 " to " 9 ".
CString QualityText(int quality);
