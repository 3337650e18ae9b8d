#include "pages/common/ParameterRequest.h"

#include "link/ByteOrder.h"
#include "link/ParameterBlocks.h"
#include "platform/base/Services.h"
#include "resources/setup/Resource.h"

#include <cctype>
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

SerialNamesResult ParseSerialDeviceNames(
    const uint8_t* data, size_t size, SerialDeviceNames* pNames, bool namesAsSent)
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
    for (int kind = 0; kind < SERIAL_KIND_COUNT && !namesAsSent; ++kind) {
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
    CConfigSession& session, ConfigReply& reply, SerialDeviceNames* pNames, bool namesAsSent)
{
    std::vector<uint8_t> data;
    if (ExchangeParameter(session, reply, PARAM_GROUP_SERIAL, PARAM_ITEM_DEVICE_NAMES, nullptr, 0, &data)
        != CONFIG_DONE)
        return SERIAL_NAMES_NOT_READ;
    const SerialNamesResult result = ParseSerialDeviceNames(data.data(), data.size(), pNames, namesAsSent);
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

bool ParseAudioInputs(const uint8_t* data, size_t size, int* pCount, uint8_t* records)
{
    if (!data || size < 1)
        return false;
    WireReader in(data, size);
    const size_t count = in.U8();
    if (in.RecordsLeft(AUDIO_INPUT_SIZE) < count)
        return false;
    const int kept = count < size_t(MAX_AUDIO_INPUTS) ? int(count) : MAX_AUDIO_INPUTS;
    if (records)
        in.Bytes(records, size_t(kept) * AUDIO_INPUT_SIZE);
    if (pCount)
        *pCount = kept;
    return true;
}

BOOL ReadAudioInputs(CConfigSession& session, ConfigReply& reply, int* pCount, uint8_t* records)
{
    std::vector<uint8_t> data;
    if (ExchangeParameter(session, reply, PARAM_GROUP_AUDIO, PARAM_ITEM_READ, nullptr, 0, &data)
        != CONFIG_DONE)
        return FALSE;
    return ParseAudioInputs(data.data(), data.size(), pCount, records);
}

ConfigResult WriteAudioInputs(CConfigSession& session, ConfigReply& reply, int count, const uint8_t* records)
{
    const int written = !records || count < 0 ? 0 : count > MAX_AUDIO_INPUTS ? MAX_AUDIO_INPUTS : count;
    std::vector<uint8_t> data(1 + size_t(written) * AUDIO_INPUT_SIZE);
    uint32_t at = 0;
    NetPutU8(data.data(), &at, uint8_t(written));
    NetPutBytes(data.data(), &at, records, uint32_t(written * AUDIO_INPUT_SIZE));
    return ExchangeParameter(
        session, reply, PARAM_GROUP_AUDIO, PARAM_ITEM_WRITE, data.data(), uint16_t(data.size()));
}

bool DecodeRecorderAudio(const uint8_t* data, size_t size, tagAudioSetting* pSetting)
{
    if (!data || size < RECORDER_AUDIO_SIZE)
        return false;
    WireReader in(data, size);
    tagAudioSetting s {};
    const uint16_t flags = in.U16();
    s.byFlags = uint8_t(flags >> 8);
    s.byReserved[2] = uint8_t(flags);
    s.byGain = in.U8();
    s.bySyncChannel = in.U8();
    if (pSetting)
        *pSetting = s;
    return true;
}

std::vector<uint8_t> EncodeRecorderAudio(const tagAudioSetting& s)
{
    std::vector<uint8_t> data(1 + RECORDER_AUDIO_SIZE);
    uint32_t at = 0;
    NetPutU8(data.data(), &at, 0); // the audio input
    NetPutU16(data.data(), &at, uint16_t((s.byFlags << 8) | s.byReserved[2]));
    NetPutU8(data.data(), &at, s.byGain);
    NetPutU8(data.data(), &at, s.bySyncChannel);
    return data;
}

BOOL ReadRecorderAudio(CConfigSession& session, ConfigReply& reply, tagAudioSetting* pSetting)
{
    const uint8_t input = 0;
    std::vector<uint8_t> data;
    if (ExchangeParameter(session, reply, PARAM_GROUP_AUDIO, PARAM_ITEM_READ, &input, 1, &data)
        != CONFIG_DONE)
        return FALSE;
    return DecodeRecorderAudio(data.data(), data.size(), pSetting);
}

ConfigResult WriteRecorderAudio(CConfigSession& session, ConfigReply& reply, const tagAudioSetting& setting)
{
    const std::vector<uint8_t> data = EncodeRecorderAudio(setting);
    return ExchangeParameter(
        session, reply, PARAM_GROUP_AUDIO, PARAM_ITEM_WRITE, data.data(), uint16_t(data.size()));
}

bool DecodeTextSettings(const uint8_t* data, size_t size, tagTextInsertSetting* pSetting)
{
    if (!data || size < TEXT_SETTINGS_SIZE)
        return false;
    WireReader in(data, size);
    tagTextInsertSetting s {};
    // The flag byte (byte 3) is the high byte of the word.
    const uint16_t flags = in.U16();
    s.byFlags = uint8_t(flags >> 8);
    s.byReserved[2] = uint8_t(flags);
    s.byDevice = in.U8();
    s.bySyncChannel = in.U8();
    // A header may fill all its 64 bytes, without a terminator.
    in.Bytes(s.szHeader1, sizeof s.szHeader1);
    in.Bytes(s.szHeader2, sizeof s.szHeader2);
    in.Text(s.szDelimiter, sizeof s.szDelimiter, sizeof s.szDelimiter - 1);
    s.wTimeout = in.U16();
    s.wLines = in.U16();
    if (pSetting)
        *pSetting = s;
    return true;
}

std::vector<uint8_t> EncodeTextSettings(const tagTextInsertSetting& s)
{
    std::vector<uint8_t> data(1 + TEXT_SETTINGS_SIZE);
    uint32_t at = 0;
    NetPutU8(data.data(), &at, 0); // the text source
    NetPutU16(data.data(), &at, uint16_t((s.byFlags << 8) | s.byReserved[2]));
    NetPutU8(data.data(), &at, s.byDevice);
    NetPutU8(data.data(), &at, s.bySyncChannel);
    NetPutBytes(data.data(), &at, s.szHeader1, sizeof s.szHeader1);
    NetPutBytes(data.data(), &at, s.szHeader2, sizeof s.szHeader2);
    NetPutBytes(data.data(), &at, s.szDelimiter, sizeof s.szDelimiter - 1);
    NetPutU16(data.data(), &at, s.wTimeout);
    NetPutU16(data.data(), &at, s.wLines);
    return data;
}

bool IsHexDelimiter(const char* text)
{
    for (const char* c = text; c && *c; ++c) {
        if (!std::isxdigit(static_cast<unsigned char>(*c)))
            return false;
    }
    return true;
}

BOOL ReadTextSettings(CConfigSession& session, ConfigReply& reply, tagTextInsertSetting* pSetting)
{
    const uint8_t source = 0;
    std::vector<uint8_t> data;
    if (ExchangeParameter(session, reply, PARAM_GROUP_TEXT, PARAM_ITEM_READ, &source, 1, &data)
        != CONFIG_DONE)
        return FALSE;
    return DecodeTextSettings(data.data(), data.size(), pSetting);
}

ConfigResult WriteTextSettings(
    CConfigSession& session, ConfigReply& reply, const tagTextInsertSetting& setting)
{
    const std::vector<uint8_t> data = EncodeTextSettings(setting);
    return ExchangeParameter(
        session, reply, PARAM_GROUP_TEXT, PARAM_ITEM_WRITE, data.data(), uint16_t(data.size()));
}

ConfigResult WriteCheckedTextSettings(
    CConfigSession& session, ConfigReply& reply, const tagTextInsertSetting& setting)
{
    if (!IsHexDelimiter(setting.szDelimiter)) {
        AfxMessageBox(IDS_HEX_VALUE);
        return CONFIG_DONE;
    }
    return WriteTextSettings(session, reply, setting);
}
