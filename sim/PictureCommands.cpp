// Group 0x06 and the audio gain of group 0x0E: the picture values of each
// video source, kept or only shown (the trial flag), and the audio gain.
#include "sim/CommandGroup.h"
#include "sim/PictureAdjust.h"

namespace sim
{

namespace
{

constexpr uint16_t kGetPicture = 0x0601, kSetPicture = 0x0602;
constexpr uint16_t kGetAudioGain = 0x0E01, kSetAudioGain = 0x0E02;
constexpr uint8_t kTrial = 0x80;
constexpr size_t kPictureBody = 8;

void Seed(StoreState& state)
{
    // A little brighter and more saturated than flat, the gain in the middle.
    for (uint8_t source = 0; source < kPictureSources; ++source) {
        state.Value(kGetPicture, source) = Body()
                                               .U8(source)
                                               .U8(uint8_t(4 + 2 * source))
                                               .U8(uint8_t(-6))
                                               .U8(0)
                                               .U8(10)
                                               .U8(0)
                                               .U8(0)
                                               .U8(0x60)
                                               .bytes;
    }
    state.Value(kGetAudioGain) = Body().U8(6).Zero(3).bytes;
}

bool Answer(StoreState& state, uint16_t command, const Bytes& params, SimReply* reply)
{
    switch (command) {
    case kGetPicture: {
        const uint8_t source = params.empty() ? 0xFF : params[0];
        if (source >= kPictureSources) {
            reply->status = kInvalidValue;
            return true;
        }
        reply->body = state.Value(kGetPicture, source);
        return true;
    }
    case kSetPicture: {
        const uint8_t source = params.empty() ? 0xFF : uint8_t(params[0] & ~kTrial);
        if (params.size() != kPictureBody || source >= kPictureSources) {
            reply->status = kInvalidValue;
            return true;
        }
        Bytes values = params;
        values[0] = source;
        // The picture changes at once; only a set without the flag is kept.
        state.Value(kSetPicture, source) = values;
        if (!(params[0] & kTrial))
            state.Value(kGetPicture, source) = values;
        return true;
    }
    case kGetAudioGain:
        reply->body = state.Value(kGetAudioGain);
        return true;
    case kSetAudioGain:
        if (params.size() != 4) {
            reply->status = kInvalidValue;
            return true;
        }
        state.Value(kGetAudioGain) = params;
        return true;
    default:
        return false;
    }
}

} // namespace

ShownPicture ShownPictureOf(const SettingsStore& store, uint8_t source)
{
    Bytes values = store.Stored(kSetPicture, source);
    if (values.size() != kPictureBody)
        values = store.Stored(kGetPicture, source);
    ShownPicture shown;
    if (values.size() != kPictureBody)
        return shown;
    shown.brightness = int8_t(values[1]);
    shown.contrast = int8_t(values[2]);
    shown.hue = int8_t(values[3]);
    shown.saturation = int8_t(values[4]);
    shown.offset = int8_t(values[5]);
    shown.gain = values[7];
    return shown;
}

const CommandGroup kPictureCommands = { Seed, Answer };

} // namespace sim
