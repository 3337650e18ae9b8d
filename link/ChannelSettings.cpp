#include "link/ChannelSettings.h"

#include <algorithm>
#include <cstring>

void CopyPtzModels(const CFG_CHANNEL_CONFIG& block, PtzModelList* models)
{
    *models = PtzModelList();
    models->count = std::min<int>(block.byPtzModels, kMaxPtzModels);
    for (int i = 0; i < models->count; ++i) {
        std::memcpy(models->names[i], block.szPtzModel[i], sizeof models->names[i]);
        models->names[i][sizeof models->names[i] - 1] = '\0';
    }
}

void TakeChannelBlock(const CFG_CHANNEL_CONFIG& block, PtzModelList* models,
    CFG_CHANNEL_ENTRY entries[kChannelEntries], tagPtzSetting settings[kChannelEntries])
{
    CopyPtzModels(block, models);
    for (int entry = 0; entry < kChannelEntries; ++entry) {
        entries[entry] = block.entries[entry];
        entries[entry].wMotion = uint16_t(MotionThreshold(block.entries[entry]));
        settings[entry] = UnpackPtzSetting(block.entries[entry], models->count);
    }
}

void CommittedChannels(const CFG_CHANNEL_CONFIG& block, uint8_t committed[kChannelEntries])
{
    auto on = [&](int entry) { return (block.entries[entry].byFlags & CHANNEL_ENABLED) != 0; };
    committed[0] = on(0);
    committed[1] = !on(0) && on(1);
    for (int entry = 2; entry < kChannelEntries; ++entry)
        committed[entry] = on(entry);
}

const char* PtzModelText(const PtzModelList& models, int model)
{
    return model >= 1 && model <= models.count ? models.names[model - 1] : nullptr;
}

tagPtzSetting UnpackPtzSetting(const CFG_CHANNEL_ENTRY& entry, int modelCount)
{
    tagPtzSetting setting {};
    setting.nModel = entry.byValue1 <= modelCount ? entry.byValue1 : 0;
    const int line = entry.byValue5;
    setting.nInterface = (line & PTZ_RS232) ? PTZ_RS232 : (line & PTZ_RS422);
    setting.nBaudRate = int(entry.dwValue3);
    setting.nParity = line & (PTZ_PARITY_EVEN | PTZ_PARITY_ODD);
    setting.nStopBits = entry.byValue4;
    setting.nAddress = entry.wValue2;
    setting.nDataBits7 = line & 0x01;
    return setting;
}

void PackPtzSetting(const tagPtzSetting& setting, CFG_CHANNEL_ENTRY* entry)
{
    entry->byValue1 = uint8_t(setting.nModel);
    entry->wValue2 = uint16_t(setting.nAddress);
    entry->dwValue3 = uint32_t(setting.nBaudRate);
    entry->byValue4 = uint8_t(setting.nStopBits);
    entry->byValue5 = uint8_t(setting.nInterface | setting.nParity | (setting.nDataBits7 ? 0x01 : 0));
}

int MotionThreshold(const CFG_CHANNEL_ENTRY& entry)
{
    return entry.wMotion > 999 ? 0 : entry.wMotion;
}

namespace
{

struct LayoutBits {
    int sensorByte, relayByte, firstBit, count;
};

LayoutBits BitsOf(ExtDeviceLayout layout)
{
    switch (layout) {
    case EXT_MASKS:
        return { 0, 1, 0, 4 };
    case EXT_THREE_CHANNEL:
        return { 0, 2, 1, 3 };
    case EXT_THREE_CHANNEL_OPTION:
        return { 0, 1, 1, 3 };
    default:
        return { 0, 0, 0, 0 };
    }
}

} // namespace

ExtDevices DecodeExtDevices(const CFG_EXT_DEVICE& block, ExtDeviceLayout layout)
{
    ExtDevices devices;
    if (layout == EXT_ONE_PER_BYTE) {
        devices.sensor[0] = block.bySetting[0] == 1;
        devices.sensor[1] = block.bySetting[1] == 1;
        devices.relay[0] = block.bySetting[2] == 1;
        return devices;
    }
    const LayoutBits bits = BitsOf(layout);
    for (int i = 0; i < bits.count; ++i) {
        devices.sensor[i] = (block.bySetting[bits.sensorByte] >> (bits.firstBit + i)) & 1;
        devices.relay[i] = (block.bySetting[bits.relayByte] >> (bits.firstBit + i)) & 1;
    }
    return devices;
}

CFG_EXT_DEVICE EncodeExtDevices(const ExtDevices& devices, ExtDeviceLayout layout)
{
    CFG_EXT_DEVICE block {};
    if (layout == EXT_ONE_PER_BYTE) {
        block.bySetting[0] = devices.sensor[0] ? 1 : 0;
        block.bySetting[1] = devices.sensor[1] ? 1 : 0;
        block.bySetting[2] = devices.relay[0] ? 1 : 0;
        return block;
    }
    const LayoutBits bits = BitsOf(layout);
    for (int i = 0; i < bits.count; ++i) {
        if (devices.sensor[i])
            block.bySetting[bits.sensorByte] |= uint8_t(1u << (bits.firstBit + i));
        if (devices.relay[i])
            block.bySetting[bits.relayByte] |= uint8_t(1u << (bits.firstBit + i));
    }
    return block;
}
