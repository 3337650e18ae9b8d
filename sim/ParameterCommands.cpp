// 0x0B06, the generic parameter request of the recorders: group 3 the serial
// ports (item 3 the device-name lists, item 5 one port's settings, item 6 a
// write of them), group 4 the audio inputs and group 5 the text insertion,
// each read with item 5 and written with item 6. A write is what the next
// read reports.
#include "sim/CommandGroup.h"

#include <string>
#include <vector>

namespace sim
{

namespace
{

constexpr uint16_t kSerial = 3, kAudio = 4, kText = 5;
constexpr uint16_t kNames = 3, kRead = 5, kWrite = 6;
// Keys of the stored records within their group.
constexpr uint16_t kNameListKey = 0xFFFF;
constexpr uint16_t kAudioInputs = 4;
// One port's settings: device, reserved word, interface, parity, stop bits,
// data bits, baud-rate index.
constexpr size_t kPortSettingsSize = 9;
// An audio input as the recorder keeps it: a reserved word, the flag word,
// gain, video channel.
constexpr size_t kAudioInputSize = 6;
// The text insertion record: flag word, device, channel, two headers, the
// delimiter, time-out and line count.
constexpr size_t kTextSize = 145;

struct DeviceName {
    uint8_t kind; // 0 later ports, 1 text devices, 2 the first port
    const char* name;
};
// The first name of each kind stands for "nothing attached".
const DeviceName kDeviceNames[] = {
    { 0, "-" },
    { 0, "Pelco-D" },
    { 0, "Pelco-P" },
    { 0, "Kalatel" },
    { 1, "-" },
    { 1, "POS Generic" },
    { 1, "ATM Verdane" },
    { 2, "-" },
    { 2, "Text Insertion" },
    { 2, "Control Keyboard" },
};

Bytes NameList(uint8_t ports)
{
    Body b;
    b.U8(ports).U8(uint8_t(std::size(kDeviceNames)));
    for (const DeviceName& d : kDeviceNames)
        b.U8(d.kind).Text(d.name, 32);
    return b.bytes;
}

uint8_t SerialPorts(const StoreState& state)
{
    return state.profile.recorderClass >= 2 ? 4 : 3;
}

void Seed(StoreState& state)
{
    const uint8_t ports = SerialPorts(state);
    state.params[{ kSerial, kNameListKey }] = NameList(ports);
    for (uint8_t p = 0; p < ports; ++p) {
        // The first port at 9600 8N1 with text insertion, the PTZ ports at
        // 2400; the RS-232 ports are the first and third from model class 2
        // on, the first two below it.
        const bool first = p == 0;
        const bool rs232 = state.profile.recorderClass >= 2 ? p == 0 || p == 2 : p <= 1;
        state.params[{ kSerial, p }]
            = Body().U8(first ? 1 : 0).U16(0).U8(rs232 ? 0 : 1).U8(0).U8(0).U8(2).U16(first ? 3 : 1).bytes;
    }
    for (uint16_t i = 0; i < kAudioInputs; ++i) {
        // Recording on, monitoring on the first input, gain 5, channel i.
        state.params[{ kAudio, i }] = Body().U16(0).U16(i == 0 ? 0x0030 : 0x0020).U8(5).U8(uint8_t(i)).bytes;
    }
    // Recording on: the flags are the high byte of the word.
    state.params[{ kText, 0 }] = Body()
                                     .U16(0x8000)
                                     .U8(1)
                                     .U8(0xFF)
                                     .Text("TOTAL", 64)
                                     .Text("", 64)
                                     .Text("0D0A", 9)
                                     .U16(3000)
                                     .U16(20)
                                     .bytes;
}

void Refuse(SimReply* reply)
{
    reply->status = kInvalidValue;
}

void AnswerData(const Bytes& data, SimReply* reply)
{
    reply->body = Body().U16(uint16_t(data.size())).Raw(data.data(), data.size()).bytes;
}

void AnswerWritten(SimReply* reply)
{
    reply->body = Body().U16(0).bytes;
}

void AnswerSerial(StoreState& state, uint16_t item, const Bytes& data, SimReply* reply)
{
    const uint8_t ports = SerialPorts(state);
    if (item == kNames && data.empty())
        return AnswerData(state.params[{ kSerial, kNameListKey }], reply);
    if (item == kRead && data.size() == 1 && data[0] < ports)
        return AnswerData(state.params[{ kSerial, data[0] }], reply);
    // Port, the nine bytes of its settings and a trailing zero.
    if (item == kWrite && data.size() == 1 + kPortSettingsSize + 1 && data[0] < ports) {
        state.params[{ kSerial, data[0] }].assign(data.begin() + 1, data.end() - 1);
        return AnswerWritten(reply);
    }
    Refuse(reply);
}

// The recorders' device page reads and writes the first input as flag word,
// gain and channel (a record too short to answer is refused); the other brand's system page reads all inputs
// at once (no data) and writes them back with their count in front.
void AnswerAudio(StoreState& state, uint16_t item, const Bytes& data, SimReply* reply)
{
    if (item == kRead && data.empty()) {
        Body all;
        all.U8(uint8_t(kAudioInputs));
        for (uint16_t i = 0; i < kAudioInputs; ++i) {
            Bytes input = state.params[{ kAudio, i }];
            input.resize(kAudioInputSize);
            all.Raw(input.data(), kAudioInputSize);
        }
        return AnswerData(all.bytes, reply);
    }
    // The flag word puts the record's flag byte (byte 3) high.
    if (item == kRead && data.size() == 1 && data[0] == 0) {
        const Bytes& first = state.params[{ kAudio, 0 }];
        if (first.size() < kAudioInputSize)
            return Refuse(reply);
        return AnswerData(Bytes { first[3], first[2], first[4], first[5] }, reply);
    }
    if (item == kWrite && data.size() == 5 && data[0] == 0) {
        Bytes& first = state.params[{ kAudio, 0 }];
        first.resize(kAudioInputSize);
        first[3] = data[1];
        first[2] = data[2];
        first[4] = data[3];
        first[5] = data[4];
        return AnswerWritten(reply);
    }
    if (item == kWrite && !data.empty() && data[0] <= kAudioInputs
        && data.size() == 1 + size_t { data[0] } * kAudioInputSize) {
        for (uint16_t i = 0; i < data[0]; ++i) {
            auto at = data.begin() + 1 + i * kAudioInputSize;
            state.params[{ kAudio, i }].assign(at, at + kAudioInputSize);
        }
        return AnswerWritten(reply);
    }
    Refuse(reply);
}

void AnswerText(StoreState& state, uint16_t item, const Bytes& data, SimReply* reply)
{
    if (item == kRead && data.size() == 1 && data[0] == 0)
        return AnswerData(state.params[{ kText, 0 }], reply);
    // The text source (0) and the record.
    if (item == kWrite && data.size() == 1 + kTextSize && data[0] == 0) {
        state.params[{ kText, 0 }].assign(data.begin() + 1, data.end());
        return AnswerWritten(reply);
    }
    Refuse(reply);
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    if (command != 0x0B06)
        return false;
    WireReader in(params.data(), params.size());
    uint16_t group = in.U16(), item = in.U16(), size = in.U16();
    if (in.Short() || size != in.Remaining()) {
        Refuse(reply);
        return true;
    }
    const Bytes data(params.begin() + 6, params.end());
    switch (group) {
    case kSerial:
        AnswerSerial(state, item, data, reply);
        break;
    case kAudio:
        AnswerAudio(state, item, data, reply);
        break;
    case kText:
        AnswerText(state, item, data, reply);
        break;
    default:
        Refuse(reply);
        break;
    }
    return true;
}

} // namespace

const CommandGroup kParameterCommands = { Seed, Answer };

} // namespace sim
