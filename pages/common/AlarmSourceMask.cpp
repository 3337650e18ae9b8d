#include "pages/common/AlarmSourceMask.h"

#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

int SourcesOfMask(uint16_t mask, int sources[kShownSources])
{
    int count = 0;
    if (mask == kAnySource)
        return 0;
    for (int n = 1; n <= kMaxSource && count < kShownSources; ++n) {
        if (mask & (1u << (n - 1)))
            sources[count++] = n;
    }
    return count;
}

uint16_t HiddenSources(uint16_t mask)
{
    if (mask == kAnySource)
        return 0;
    int sources[kShownSources];
    const int count = SourcesOfMask(mask, sources);
    return uint16_t(mask & ~MaskOfSources(sources, count));
}

uint16_t MaskOfSources(const int* sources, int count)
{
    uint16_t mask = 0;
    for (int i = 0; i < count; ++i) {
        if (sources[i] >= 1 && sources[i] <= kMaxSource)
            mask = uint16_t(mask | (1u << (sources[i] - 1)));
    }
    return mask;
}

bool HasDuplicateSources(const int* sources, int count)
{
    for (int i = 0; i < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (sources[i] != 0 && sources[i] == sources[j])
                return true;
        }
    }
    return false;
}

void ShowDuplicateSourceMessage()
{
    AfxMessageBox(IDS_ALARM_SOURCE_DUPLICATED);
}
