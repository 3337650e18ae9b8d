#include "dialogs/FrameRates.h"

#include "resources/setup/Resource.h"

#include <algorithm>

namespace
{

// One rate: its code and how its text is made. `count` 0 is a whole number
// of frames per second; otherwise one frame per `count` `unit`.
struct Rate {
    uint32_t code;
    int frames;
    int count;
    UINT unit;
};

// The first entry's code is the camera's full rate.
constexpr uint32_t kFull30 = 0x1E000000;
constexpr uint32_t kFull25 = 0x19000000;

constexpr Rate kModeRates[MODE_RATE_COUNT] = {
    { kFull30, 30, 0, 0 },
    { 0x0F000000, 15, 0, 0 },
    { 0x0A000000, 10, 0, 0 },
    { 0x05000000, 5, 0, 0 },
    { 0x03000000, 3, 0, 0 },
    { 0x02000000, 2, 0, 0 },
    { 0x01000000, 1, 0, 0 },
    { 0x00800000, 1, 2, IDS_RATE_SECONDS },
    { 0x00333333, 1, 5, IDS_RATE_SECONDS },
    { 0x00199999, 1, 10, IDS_RATE_SECONDS },
    { 0x00088888, 1, 30, IDS_RATE_SECONDS },
    { 0x00044444, 1, 1, IDS_RATE_MINUTES },
    { 0x00006D3A, 1, 10, IDS_RATE_MINUTES },
    { 0x00002468, 1, 30, IDS_RATE_MINUTES },
    { 0x00001234, 1, 1, IDS_RATE_HOURS },
    { 0, 0, 0, 0 },
};
// The day list lacks 3 f/s.
constexpr int kThreeFrames = 4;

const Rate* Entry(RateList list, int index)
{
    if (index < 0 || index >= RateCount(list))
        return nullptr;
    if (list == RATES_DAY && index >= kThreeFrames)
        ++index;
    return &kModeRates[index];
}

CString Load(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

int RateCount(RateList list)
{
    return list == RATES_DAY ? DAY_RATE_COUNT : MODE_RATE_COUNT;
}

int NoSaveIndex(RateList list)
{
    return RateCount(list) - 1;
}

uint32_t RateCode(RateList list, int index, bool b30Frames)
{
    const Rate* rate = Entry(list, index);
    if (!rate)
        return 0;
    if (index == 0)
        return b30Frames ? kFull30 : kFull25;
    return rate->code;
}

int RateIndex(RateList list, uint32_t code, bool b30Frames)
{
    for (int i = 0; i < RateCount(list); ++i) {
        if (RateCode(list, i, b30Frames) == code)
            return i;
    }
    return 0;
}

CString RateText(RateList list, int index, bool b30Frames)
{
    const Rate* rate = Entry(list, index);
    CString text;
    if (!rate)
        return text;
    if (rate->code == 0)
        return Load(IDS_RATE_NO_SAVE);
    if (rate->count == 0) {
        text.Format(
            "%d%s", index == 0 && !b30Frames ? 25 : rate->frames, static_cast<LPCTSTR>(Load(IDS_RATE_FPS)));
        return text;
    }
    text.Format("1%s/%d%s", static_cast<LPCTSTR>(Load(IDS_RATE_FRAME)), rate->count,
        static_cast<LPCTSTR>(Load(rate->unit)));
    return text;
}

int ClampResolution(int index)
{
    return std::clamp(index, 0, RESOLUTION_COUNT - 1);
}

int ClampQuality(int quality)
{
    return std::clamp(quality, 0, QUALITY_COUNT - 1);
}

CString ResolutionName(int index)
{
    if (index < 0 || index >= RESOLUTION_COUNT)
        index = 0;
    return Load(IDS_RESOLUTION_TINY + UINT(index));
}

CString QualityText(int quality)
{
    CString text;
    text.Format(" %d ", quality);
    return text;
}
