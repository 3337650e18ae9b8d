// The screen-adjust core of the screen adjustment pages: the picture values
// of a camera's video sources, twice (the current values the sliders show
// and the trial sets send, and the kept values that a cancel restores), the
// sources the device has on, which source the user works on, and the
// records the pages send. The page variants differ only by their policy.
#pragma once

#include "link/CameraBlocks.h"
#include "link/PictureBlocks.h"

#include <cstdint>
#include <vector>

constexpr int SCREEN_SOURCES = 5;
constexpr int SCREEN_RECORD = 8;
constexpr int SCREEN_NONE = -1;

// The bytes of a source's record.
enum ScreenByte : int {
    SCREEN_BRIGHTNESS,
    SCREEN_CONTRAST,
    SCREEN_HUE,
    SCREEN_SATURATION,
    SCREEN_OFFSET,
    SCREEN_RESERVED, // always sent as 0
    SCREEN_GAIN, // the only unsigned one
    SCREEN_AUDIO, // kept by the page, never in a picture record
};

constexpr uint8_t SCREEN_DEFAULT_GAIN = 96;

// The pages: cameras and video servers (families 0 and 3), the streaming
// server (family 2), three-channel cameras (family 1).
enum ScreenVariant { SCREEN_CAMERA, SCREEN_STREAM_SERVER, SCREEN_THREE_CHANNEL };

struct ScreenAdjustPolicy {
    int sources = SCREEN_SOURCES; // sources 0 .. sources-1
    int buttons = 4; // button slots; slot 0 holds source 0 or 1, slot n source n+1
    // A CH1 choice stands for source 1 when source 0 has gone off since.
    bool slot0FollowsSource1 = true;
    // Apply flags every record as a trial when no value differs from the
    // kept ones (a restore shows the kept values without keeping them anew).
    bool applyFlagsUnchanged = true;
    bool audio = false; // the audio gain (0x0E01 / 0x0E02)
    bool sourceButtons = true;
};

ScreenAdjustPolicy ScreenPolicyFor(ScreenVariant variant, int firmwareKind);

class CScreenAdjust
{
public:
    explicit CScreenAdjust(const ScreenAdjustPolicy& policy = {});

    const ScreenAdjustPolicy& Policy() const { return m_policy; }
    void SetPolicy(const ScreenAdjustPolicy& policy) { m_policy = policy; }

    // Sources the device has on, from its channel settings: source 1 only
    // when source 0 is off.
    void TakeEnabled(const CFG_CHANNEL_CONFIG& channels);
    bool IsEnabled(int source) const;
    // The source a button slot stands for now; SCREEN_NONE when none is on.
    int SlotSource(int slot) const;
    static int SlotOf(int source) { return source <= 1 ? 0 : source - 1; }

    // A source's values as read: bytes 0 to 6 into both records.
    void Load(int source, const CFG_SCREEN_ADJUST& read);
    // The audio gain as read, into both records of the source.
    void LoadAudio(int source, uint8_t gain);
    // Byte 7 of every current record to 0 (the audio is read anew).
    void ClearAudio();

    // The selection at activation: the first source on, unless the user
    // picked one before (kept while any source is on).
    void SelectOnActivation();
    // The user pressed the button of a slot.
    void Pick(int slot);
    // Whether the selection can show video; a CH1 choice follows source 1
    // when the policy says so.
    bool ValidateSelection();
    int Source() const { return m_nSource; }
    int Button() const { return m_nSourceButton; }
    bool Picked() const { return m_bSourcePicked; }
    void ForgetPick() { m_bSourcePicked = false; }

    // The current value of a byte of the selected source (0 with none).
    uint8_t Value(int byte) const;
    // Stores a value into the selected source; false when no source is
    // selected or the value is the one stored.
    bool Store(int byte, uint8_t value);
    // Brightness, contrast, hue, saturation and offset 0, video gain 96;
    // false when no source is selected.
    bool Default();

    // The record of a source's current values; the trial flag on request.
    CFG_SCREEN_ADJUST Record(int source, bool trial) const;
    // What an apply sends: one record per slot whose source is on.
    std::vector<CFG_SCREEN_ADJUST> ApplyRecords() const;
    // Whether any source's bytes 0 to 6 differ from the kept ones.
    bool Changed() const;
    void Keep();
    void Restore();

    // A slider position from a byte and back: signed, the video gain not.
    static int SliderPosition(int byte, uint8_t value);
    static uint8_t SliderByte(int byte, int position);

private:
    bool Valid(int source) const { return source >= 0 && source < m_policy.sources; }

    ScreenAdjustPolicy m_policy;
    uint8_t m_current[SCREEN_SOURCES][SCREEN_RECORD] {};
    uint8_t m_kept[SCREEN_SOURCES][SCREEN_RECORD] {};
    bool m_enabled[SCREEN_SOURCES] {};
    int m_nSource = SCREEN_NONE;
    int m_nSourceButton = SCREEN_NONE;
    bool m_bSourcePicked = false;
};
