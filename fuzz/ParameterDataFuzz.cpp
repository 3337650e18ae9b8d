// The data of a recorder's generic parameter answer, read as each item the
// program asks for: the serial-device names, one port's settings, the audio
// inputs, the recorder's audio and the text insertion record. What is read is walked whole, so
// that a count that runs past its data shows.
#include "fuzz/TouchBytes.h"
#include "pages/common/ParameterRequest.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SerialDeviceNames names;
    if (ParseSerialDeviceNames(data, size, &names) == SERIAL_NAMES_READ) {
        for (int kind = 0; kind < SERIAL_KIND_COUNT; ++kind) {
            for (const char* name : names.Table(kind))
                Touch(name, std::strlen(name));
        }
    }
    tagSerialSetting serial {};
    if (DecodeSerialSettings(data, size, &serial))
        Touch(&serial, sizeof serial);
    int inputs = 0;
    uint8_t records[MAX_AUDIO_INPUTS * AUDIO_INPUT_SIZE];
    if (ParseAudioInputs(data, size, &inputs, records))
        Touch(records, size_t(inputs) * AUDIO_INPUT_SIZE);
    tagAudioSetting audio {};
    if (DecodeRecorderAudio(data, size, &audio))
        Touch(&audio, sizeof audio);
    tagTextInsertSetting text {};
    if (DecodeTextSettings(data, size, &text)) {
        Touch(text.szHeader1, std::strlen(text.szHeader1));
        Touch(text.szHeader2, std::strlen(text.szHeader2));
        Touch(text.szDelimiter, std::strlen(text.szDelimiter));
    }
    return 0;
}
