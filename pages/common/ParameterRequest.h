// The recorders' generic parameter request (0x0B06): an item of a group read
// or written as a block of data bytes. Group 3 holds the serial ports (item 3
// the serial-device name lists, item 5 one port's settings, item 6 a write of
// them), group 4 the audio and group 5 the text insertion (item 5 read,
// item 6 write). The data is big-endian like every field on the wire.
#pragma once

#include "dialogs/AudioGainDlg.h"
#include "dialogs/AudioTextSettings.h"
#include "dialogs/SerialPortDlg.h"
#include "link/ConfigSession.h"

#include <cstddef>
#include <cstdint>
#include <vector>

enum : uint16_t {
    PARAM_GROUP_SERIAL = 3,
    PARAM_GROUP_AUDIO = 4,
    PARAM_GROUP_TEXT = 5,
};
enum : uint16_t {
    PARAM_ITEM_DEVICE_NAMES = 3,
    PARAM_ITEM_READ = 5,
    PARAM_ITEM_WRITE = 6,
};

// One exchange through a page's session and reply record: `size` bytes of
// `data` to the group's item; on success the answer's data into *pAnswer.
ConfigResult ExchangeParameter(CConfigSession& session, ConfigReply& reply, uint16_t group, uint16_t item,
    const uint8_t* data, uint16_t size, std::vector<uint8_t>* pAnswer = nullptr);

// The serial-device name lists, one per kind of device.
enum SerialDeviceKind {
    SERIAL_KIND_LATER_PORTS = 0, // devices for the second and later ports
    SERIAL_KIND_TEXT = 1, // text insertion devices
    SERIAL_KIND_FIRST_PORT = 2, // devices for the first port
    SERIAL_KIND_COUNT = 3,
};

struct SerialDeviceNames {
    static constexpr int kMaxNames = 50;
    static constexpr int kNameSize = 32; // 31 characters and a terminator

    int portCount = 0;
    int count[SERIAL_KIND_COUNT] = {};
    char names[SERIAL_KIND_COUNT][kMaxNames][kNameSize] = {};

    // The names of one kind as the panes take them (SetDeviceNames).
    std::vector<const char*> Table(int kind) const;
};

enum SerialNamesResult {
    SERIAL_NAMES_READ,
    SERIAL_NAMES_NOT_READ, // no answer, or the device refused
    SERIAL_NAMES_INVALID, // a list the program cannot take
};

// The data of item 3: the port count, the entry count, then per entry its
// kind and a 32-byte name. The first name of each kind stands for "no
// device" and is shown as "None" ("Manual" for text devices); names beyond
// 50 of a kind are dropped. An entry of another kind, or fewer entries than
// announced, make the list invalid.
// With `namesAsSent` the first names stay as the device sent them.
SerialNamesResult ParseSerialDeviceNames(
    const uint8_t* data, size_t size, SerialDeviceNames* pNames, bool namesAsSent = false);
// Reads and parses the lists; an invalid one is told with "The received
// data is invalid.".
SerialNamesResult ReadSerialDeviceNames(
    CConfigSession& session, ConfigReply& reply, SerialDeviceNames* pNames, bool namesAsSent = false);

// One port's settings on the wire: device, reserved word, interface, parity,
// stop bits, data bits, baud index (9 bytes); a write puts the port in front
// and a 0 behind (11 bytes).
constexpr size_t SERIAL_SETTINGS_SIZE = 9;
bool DecodeSerialSettings(const uint8_t* data, size_t size, tagSerialSetting* pSetting);
std::vector<uint8_t> EncodeSerialSettings(uint8_t port, const tagSerialSetting& setting);
BOOL ReadSerialSettings(
    CConfigSession& session, ConfigReply& reply, uint8_t port, tagSerialSetting* pSetting);
ConfigResult WriteSerialSettings(
    CConfigSession& session, ConfigReply& reply, uint8_t port, const tagSerialSetting& setting);

// The audio inputs of the other brand's recorder (group 4): read with no
// data, the answer is their count and 6 bytes each; a write puts the count
// in front of the records. At most CAudioGainDlg::kMaxInputs are kept.
constexpr int MAX_AUDIO_INPUTS = CAudioGainDlg::kMaxInputs;
bool ParseAudioInputs(const uint8_t* data, size_t size, int* pCount, uint8_t* records);
BOOL ReadAudioInputs(CConfigSession& session, ConfigReply& reply, int* pCount, uint8_t* records);
ConfigResult WriteAudioInputs(CConfigSession& session, ConfigReply& reply, int count, const uint8_t* records);

// The recorder's audio (group 4, input 0): the flag word, whose high byte is
// the record's flag byte (byte 3), gain and synchronised channel (4 bytes);
// a write puts the input in front.
constexpr size_t RECORDER_AUDIO_SIZE = 4;
bool DecodeRecorderAudio(const uint8_t* data, size_t size, tagAudioSetting* pSetting);
std::vector<uint8_t> EncodeRecorderAudio(const tagAudioSetting& setting);
BOOL ReadRecorderAudio(CConfigSession& session, ConfigReply& reply, tagAudioSetting* pSetting);
ConfigResult WriteRecorderAudio(CConfigSession& session, ConfigReply& reply, const tagAudioSetting& setting);

// The text insertion record on the wire (group 5): the flag word, device,
// channel, two 64-byte headers, a 9-byte delimiter, time-out and lines
// (145 bytes); a read names the text source (0), a write puts it in front.
constexpr size_t TEXT_SETTINGS_SIZE = 145;
bool DecodeTextSettings(const uint8_t* data, size_t size, tagTextInsertSetting* pSetting);
std::vector<uint8_t> EncodeTextSettings(const tagTextInsertSetting& setting);
// The delimiter is typed as hexadecimal digits, in either case; an empty
// one passes.
bool IsHexDelimiter(const char* text);
BOOL ReadTextSettings(CConfigSession& session, ConfigReply& reply, tagTextInsertSetting* pSetting);
ConfigResult WriteTextSettings(
    CConfigSession& session, ConfigReply& reply, const tagTextInsertSetting& setting);
// The recorder pages' write of the text: a delimiter that is no hexadecimal
// number is told ("Please enter a hexa value.") and skips only this group.
ConfigResult WriteCheckedTextSettings(
    CConfigSession& session, ConfigReply& reply, const tagTextInsertSetting& setting);
