#include "pages/common/ParameterRequest.h"

#include "link/ByteOrder.h"
#include "link/ParameterBlocks.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <cstring>

namespace
{

constexpr size_t kNameEntrySize = 1 + SerialDeviceNames::kNameSize;

} // namespace

ConfigResult ExchangeParameter(CConfigSession& session, ConfigReply& reply, uint16_t group, uint16_t item,
    const uint8_t* data, uint16_t size, std::vector<uint8_t>* pAnswer)
{
    CFG_PARAM_REPLY answer {};
    const ConfigResult result
        = session.Request(PARAMETER_REQUEST, { group, item, size, data }, &answer, reply);
    if (result == CONFIG_DONE && pAnswer) {
        pAnswer->assign(answer.data, answer.data ? answer.data + answer.size : answer.data);
    }
    // The answer was copied; the reply record keeps no list.
    FreeConfigReplyLists(&reply);
    return result;
}

std::vector<const char*> SerialDeviceNames::Table(int kind) const
{
    std::vector<const char*> table;
    if (kind < 0 || kind >= SERIAL_KIND_COUNT)
        return table;
    for (int i = 0; i < count[kind]; ++i)
        table.push_back(names[kind][i]);
    return table;
}

SerialNamesResult ParseSerialDeviceNames(const uint8_t* data, size_t size, SerialDeviceNames* pNames)
{
    SerialDeviceNames names;
    if (!data || size < 2)
        return SERIAL_NAMES_INVALID;
    WireReader in(data, size);
    names.portCount = in.U8();
    const size_t entries = in.U8();
    if (in.RecordsLeft(kNameEntrySize) < entries)
        return SERIAL_NAMES_INVALID;
    for (size_t e = 0; e < entries; ++e) {
        const uint8_t kind = in.U8();
        char name[SerialDeviceNames::kNameSize];
        in.Text(name, sizeof name, SerialDeviceNames::kNameSize);
        if (kind >= SERIAL_KIND_COUNT)
            return SERIAL_NAMES_INVALID;
        int& count = names.count[kind];
        if (count < SerialDeviceNames::kMaxNames)
            std::memcpy(names.names[kind][count++], name, sizeof name);
    }
    // The device's first name of each kind means "nothing attached".
    for (int kind = 0; kind < SERIAL_KIND_COUNT; ++kind) {
        if (names.count[kind] == 0)
            continue;
        CString text;
        text.LoadString(kind == SERIAL_KIND_TEXT ? IDS_NAME_MANUAL : IDS_NONE);
        std::strncpy(names.names[kind][0], text, SerialDeviceNames::kNameSize - 1);
    }
    if (pNames)
        *pNames = names;
    return SERIAL_NAMES_READ;
}

SerialNamesResult ReadSerialDeviceNames(
    CConfigSession& session, ConfigReply& reply, SerialDeviceNames* pNames)
{
    std::vector<uint8_t> data;
    if (ExchangeParameter(session, reply, PARAM_GROUP_SERIAL, PARAM_ITEM_DEVICE_NAMES, nullptr, 0, &data)
        != CONFIG_DONE)
        return SERIAL_NAMES_NOT_READ;
    const SerialNamesResult result = ParseSerialDeviceNames(data.data(), data.size(), pNames);
    if (result == SERIAL_NAMES_INVALID)
        AfxMessageBox(IDS_RECEIVED_DATA_INVALID);
    return result;
}

bool DecodeSerialSettings(const uint8_t* data, size_t size, tagSerialSetting* pSetting)
{
    if (!data || size < SERIAL_SETTINGS_SIZE)
        return false;
    WireReader in(data, size);
    tagSerialSetting s {};
    s.byDevice = in.U8();
    s.wReserved = in.U16();
    s.byInterface = in.U8();
    s.byParity = in.U8();
    s.byStopBits = in.U8();
    s.byDataBits = in.U8();
    s.wBaudIndex = in.U16();
    if (pSetting) {
        // Byte 1 is the pane's own; it travels nowhere.
        s.byPad = pSetting->byPad;
        *pSetting = s;
    }
    return true;
}

std::vector<uint8_t> EncodeSerialSettings(uint8_t port, const tagSerialSetting& setting)
{
    std::vector<uint8_t> data(1 + SERIAL_SETTINGS_SIZE + 1);
    uint32_t at = 0;
    NetPutU8(data.data(), &at, port);
    NetPutU8(data.data(), &at, setting.byDevice);
    NetPutU16(data.data(), &at, setting.wReserved);
    NetPutU8(data.data(), &at, setting.byInterface);
    NetPutU8(data.data(), &at, setting.byParity);
    NetPutU8(data.data(), &at, setting.byStopBits);
    NetPutU8(data.data(), &at, setting.byDataBits);
    NetPutU16(data.data(), &at, setting.wBaudIndex);
    NetPutU8(data.data(), &at, 0);
    return data;
}

BOOL ReadSerialSettings(CConfigSession& session, ConfigReply& reply, uint8_t port, tagSerialSetting* pSetting)
{
    std::vector<uint8_t> data;
    if (ExchangeParameter(session, reply, PARAM_GROUP_SERIAL, PARAM_ITEM_READ, &port, 1, &data)
        != CONFIG_DONE)
        return FALSE;
    return DecodeSerialSettings(data.data(), data.size(), pSetting);
}

ConfigResult WriteSerialSettings(
    CConfigSession& session, ConfigReply& reply, uint8_t port, const tagSerialSetting& setting)
{
    const std::vector<uint8_t> data = EncodeSerialSettings(port, setting);
    return ExchangeParameter(
        session, reply, PARAM_GROUP_SERIAL, PARAM_ITEM_WRITE, data.data(), uint16_t(data.size()));
}
