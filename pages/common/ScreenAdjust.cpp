#include "pages/common/ScreenAdjust.h"

#include <algorithm>
#include <cstring>

ScreenAdjustPolicy ScreenPolicyFor(ScreenVariant variant, int firmwareKind)
{
    ScreenAdjustPolicy policy;
    switch (variant) {
    case SCREEN_CAMERA:
        break;
    case SCREEN_STREAM_SERVER:
        policy.sourceButtons = false;
        // Older servers have no audio gain.
        policy.audio = firmwareKind != 0;
        break;
    case SCREEN_THREE_CHANNEL:
        policy.sources = 4;
        policy.buttons = 3;
        policy.slot0FollowsSource1 = false;
        policy.applyFlagsUnchanged = false;
        break;
    }
    return policy;
}

CScreenAdjust::CScreenAdjust(const ScreenAdjustPolicy& policy)
    : m_policy(policy)
{
}

void CScreenAdjust::TakeEnabled(const CFG_CHANNEL_CONFIG& channels)
{
    auto on = [&](int entry) { return (channels.entries[entry].byFlags & 0x80) != 0; };
    std::fill(std::begin(m_enabled), std::end(m_enabled), false);
    m_enabled[0] = on(0);
    // The external input serves channel 1 only while the internal camera is off.
    m_enabled[1] = !m_enabled[0] && on(1);
    for (int source = 2; source < m_policy.sources; ++source)
        m_enabled[source] = on(source);
}

bool CScreenAdjust::IsEnabled(int source) const
{
    return Valid(source) && m_enabled[source];
}

int CScreenAdjust::SlotSource(int slot) const
{
    if (slot == 0)
        return IsEnabled(0) ? 0 : IsEnabled(1) ? 1 : SCREEN_NONE;
    if (slot < 0 || slot >= m_policy.buttons)
        return SCREEN_NONE;
    return IsEnabled(slot + 1) ? slot + 1 : SCREEN_NONE;
}

void CScreenAdjust::Load(int source, const CFG_SCREEN_ADJUST& read)
{
    if (!Valid(source))
        return;
    std::memcpy(m_current[source], read.byPicture, sizeof read.byPicture);
    std::memcpy(m_kept[source], read.byPicture, sizeof read.byPicture);
}

void CScreenAdjust::LoadAudio(int source, uint8_t gain)
{
    if (!Valid(source))
        return;
    m_current[source][SCREEN_AUDIO] = gain;
    m_kept[source][SCREEN_AUDIO] = gain;
}

void CScreenAdjust::ClearAudio()
{
    for (auto& record : m_current)
        record[SCREEN_AUDIO] = 0;
}

void CScreenAdjust::SelectOnActivation()
{
    int first = SCREEN_NONE;
    for (int source = 0; source < m_policy.sources && first == SCREEN_NONE; ++source) {
        if (m_enabled[source])
            first = source;
    }
    if (first == SCREEN_NONE) {
        m_nSource = m_nSourceButton = SCREEN_NONE;
        m_bSourcePicked = false;
        return;
    }
    if (m_bSourcePicked)
        return;
    m_nSource = first;
    m_nSourceButton = SlotOf(first);
}

void CScreenAdjust::Pick(int slot)
{
    if (slot < 0 || slot >= m_policy.buttons)
        return;
    m_nSourceButton = slot;
    m_bSourcePicked = true;
    if (slot > 0)
        m_nSource = slot + 1;
    else if (IsEnabled(0) || IsEnabled(1))
        m_nSource = IsEnabled(0) ? 0 : 1;
}

bool CScreenAdjust::ValidateSelection()
{
    if (m_nSourceButton == 0 && m_policy.slot0FollowsSource1 && SlotSource(0) != SCREEN_NONE)
        m_nSource = SlotSource(0);
    return IsEnabled(m_nSource);
}

uint8_t CScreenAdjust::Value(int byte) const
{
    if (!Valid(m_nSource) || byte < 0 || byte >= SCREEN_RECORD)
        return 0;
    return m_current[m_nSource][byte];
}

bool CScreenAdjust::Store(int byte, uint8_t value)
{
    if (!Valid(m_nSource) || byte < 0 || byte >= SCREEN_RECORD || m_current[m_nSource][byte] == value)
        return false;
    m_current[m_nSource][byte] = value;
    return true;
}

bool CScreenAdjust::Default()
{
    if (!Valid(m_nSource))
        return false;
    uint8_t* record = m_current[m_nSource];
    std::fill(record, record + SCREEN_RESERVED, 0);
    record[SCREEN_GAIN] = SCREEN_DEFAULT_GAIN;
    return true;
}

CFG_SCREEN_ADJUST CScreenAdjust::Record(int source, bool trial) const
{
    CFG_SCREEN_ADJUST record {};
    if (!Valid(source))
        return record;
    record.bySource = uint8_t(source | (trial ? SCREEN_TRIAL_FLAG : 0));
    std::memcpy(record.byPicture, m_current[source], SCREEN_RESERVED);
    record.byPicture[SCREEN_RESERVED] = 0;
    record.byPicture[SCREEN_GAIN] = m_current[source][SCREEN_GAIN];
    return record;
}

std::vector<CFG_SCREEN_ADJUST> CScreenAdjust::ApplyRecords() const
{
    const bool trial = m_policy.applyFlagsUnchanged && !Changed();
    std::vector<CFG_SCREEN_ADJUST> records;
    for (int slot = 0; slot < m_policy.buttons; ++slot) {
        const int source = SlotSource(slot);
        if (source != SCREEN_NONE)
            records.push_back(Record(source, trial));
    }
    return records;
}

bool CScreenAdjust::Changed() const
{
    for (int source = 0; source < m_policy.sources; ++source) {
        if (std::memcmp(m_current[source], m_kept[source], SCREEN_AUDIO) != 0)
            return true;
    }
    return false;
}

void CScreenAdjust::Keep()
{
    std::memcpy(m_kept, m_current, sizeof m_kept);
}

void CScreenAdjust::Restore()
{
    std::memcpy(m_current, m_kept, sizeof m_current);
}

int CScreenAdjust::SliderPosition(int byte, uint8_t value)
{
    return byte == SCREEN_GAIN ? int(value) : int(int8_t(value));
}

uint8_t CScreenAdjust::SliderByte(int byte, int position)
{
    if (byte == SCREEN_GAIN)
        return uint8_t(std::clamp(position, 0, 255));
    return uint8_t(int8_t(std::clamp(position, -128, 127)));
}
