#include "link/AlarmSourceBlocks.h"
#include "link/PtzBlocks.h"
#include "tests/link/BlockRoundTrip.h"

#include <cstring>

namespace blocks
{
namespace
{

CFG_EVENT Event()
{
    CFG_EVENT event {};
    event.wFlags = 0x2000;
    event.dwValue = 0x01020304;
    event.bySensitivity = 2;
    event.byArea8[0] = 0x81;
    event.byValues[5] = 6;
    event.wArea[0] = 0x8001;
    event.wArea[15] = 0xFFFF;
    return event;
}

CFG_EVENT_SET EventSet()
{
    CFG_EVENT_SET set {};
    set.byCamera = 3;
    set.wFlags = 0x0400;
    set.dwValue = 0x01020304;
    set.bySensitivity = 3;
    set.byArea8[7] = 0x18;
    set.wArea[1] = 0x0FF0;
    return set;
}

// One camera with one preset (or auxiliary entry).
CFG_PRESET_TABLE Presets()
{
    CFG_PRESET_TABLE table {};
    table.byCameras = 1;
    table.cameras[0].byCount = 1;
    std::strcpy(table.cameras[0].presets[0].szName, "Door");
    table.cameras[0].presets[0].byEnable = 1;
    return table;
}

CFG_AUX_TABLE Aux()
{
    CFG_AUX_TABLE table {};
    table.byCameras = 1;
    table.cameras[0].byCount = 1;
    std::strcpy(reinterpret_cast<char*>(table.cameras[0].byEntries), "Wiper");
    table.cameras[0].byEntries[24] = 1;
    const uint32_t value = 250;
    std::memcpy(&table.cameras[0].byEntries[28], &value, 4);
    return table;
}

// clang-format off
const BlockRow kRows[] = {
    Row("sensor types", GET_SENSOR_TYPES, {}, nullptr, CFG_SENSOR_TYPES { { 1, 2, 0, 1 } }, "01020001 00*12"),
    Row("sensor types set", SET_SENSOR_TYPES, CFG_SENSOR_TYPES { { 2 } }, "02 00*15", {}, nullptr),
    Row("motion", GET_MOTION, CFG_MOTION_CAMERA { 5 }, "05",
        CFG_MOTION { 5, { 2, { 0, 0x3C, 0x3C, 0, 0, 0, 0, 0x81 }, 1 } }, "05 02 003c3c0000000081 01"),
    Row("motion set", SET_MOTION, CFG_MOTION { 15, { 0, { 0 }, 0 } }, "0f 00 00*8 00", {}, nullptr),
    Row("event", GET_EVENT, CFG_MOTION_CAMERA { 0 }, "00", Event(),
        "2000 02 81 00*7 00*5 06 01020304 8001 00*28 ffff"),
    Row("event set", SET_EVENT, EventSet(), "03 0400 03 00*7 18 00*6 01020304 0000 0ff0 00*28", {}, nullptr),
    Row("preset action", GOTO_PTZ_PRESET, CFG_PTZ_PRESET { 2, 15 }, "020f", {}, nullptr),
    Row("presets", GET_PRESETS, {}, nullptr, Presets(), "01 01 'Door' 00*20 01"),
    Row("presets set", SET_PRESETS, Presets(), "01 01 'Door' 00*20 01", {}, nullptr),
    Row("auxiliary", GET_AUX, {}, nullptr, Aux(), "01 01 'Wiper' 00*19 01 000000fa"),
    Row("auxiliary set", SET_AUX, Aux(), "01 01 'Wiper' 00*19 01 000000fa", {}, nullptr),
    Row("presets set, wide", SET_PRESETS_WIDE, Presets(), "00000001 00000001 00000001 'Door' 00*20", {}, nullptr),
    Row("auxiliary set, wide", SET_AUX_WIDE, Aux(), "00000001 00000001 00000001 000000fa 'Wiper' 00*19", {}, nullptr),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(AlarmSource, BlockRoundTrip, ::testing::ValuesIn(kRows), RowName);

} // namespace
} // namespace blocks
