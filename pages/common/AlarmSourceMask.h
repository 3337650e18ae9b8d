// Alarm sources as a 16-bit mask (bit n-1: source n, 1 to 16) and as the
// numbers a page shows: "Any" for every source, at most four numbers
// otherwise. A mask with more sources than the page can show keeps the
// ones it does not show when it is taken back.
#pragma once

#include <cstdint>

constexpr uint16_t kAnySource = 0xFFFF;
constexpr int kShownSources = 4;
constexpr int kMaxSource = 16;

// The sources of a mask, lowest first, at most four; gives their count.
// "Any" gives none.
int SourcesOfMask(uint16_t mask, int sources[kShownSources]);
// The sources a mask holds beyond the four shown (none for "Any").
uint16_t HiddenSources(uint16_t mask);
// The mask of the numbers given; blanks (0) and numbers outside 1 to 16
// add nothing.
uint16_t MaskOfSources(const int* sources, int count);
// Whether a number other than blank appears twice.
bool HasDuplicateSources(const int* sources, int count);
// "Alarm Source is duplicated. Please check the source number."
void ShowDuplicateSourceMessage();
