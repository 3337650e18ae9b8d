// Any reply body from a DVR as its lists are read: the first byte chooses
// the PTZ preset and tour lists (0x21E0) or the content list (0x2112 and
// 0x410D); the rest is the body. What is read is walked whole, so that a
// count that runs past its list shows.
#include "fuzz/TouchBytes.h"
#include "stream/ferrock/OneShot.h"
#include "stream/ferrock/PTZCtrl.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const bool ptz = (data[0] & 1) != 0;
    ++data;
    --size;
    if (ptz) {
        ferrock::tagPtzList* list = ferrock::ReadPtzList(data, size);
        if (list) {
            if (list->pList1)
                Touch(list->pList1, sizeof(ferrock::tagPtzPreset) * list->byCount1);
            if (list->pList2)
                Touch(list->pList2, sizeof(ferrock::tagPtzTour) * list->byCount2);
            ferrock::FreePtzList(list);
        }
        return 0;
    }
    ferrock::tagContentList contents;
    if (ferrock::ReadContentList(data, size, &contents)) {
        for (const ferrock::tagContentEntry& e : contents.contents)
            Touch(e.data.data(), e.data.size());
        Touch(contents.dwServices, sizeof contents.dwServices);
    }
    return 0;
}
