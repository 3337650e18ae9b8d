// A recorder's recording options (0x0705): its speed, quality and recording
// type lists and one preset per type. A type other than the last ("Custom")
// stands for its preset's speed and quality, which the page then shows and
// locks; touching the speed or the quality makes the type "Custom".
#pragma once

#include "link/ConfigRecords.h"
#include "platform/ui/Controls.h"

#include <initializer_list>
#include <vector>

// The most presets a page keeps; a longer list from a device is cut.
constexpr int kMaxRecordingPresets = 10;

struct RecordingPreset {
    BYTE speed = 0;
    BYTE middle = 0;
    BYTE quality = 0;
};

struct RecordingOptions {
    std::vector<CString> speeds;
    std::vector<CString> qualities;
    std::vector<CString> types;
    std::vector<RecordingPreset> presets;

    // The preset of a type index, or null when the device gave none.
    const RecordingPreset* Preset(int index) const;
};

// Copies the decoded lists (they are freed with the page's next request).
RecordingOptions DecodeRecordingOptions(const CFG_NAME_LISTS& lists);

// Empties a list box and fills it with the texts.
void FillCombo(CComboBox* pCombo, const std::vector<CString>& texts);
void FillComboTexts(CComboBox* pCombo, std::initializer_list<const char*> texts);
// The alarm recording's times in seconds: "0" to "10" before the alarm;
// "0" to "10", then "15" to "60" in steps of 5 after it.
void FillAlarmTimeLists(CWnd* pPage, int preId, int postId);

// A recording type list with the speed and quality lists it governs.
// `presetOffset` is what a type's list index lacks of its preset index: 0
// for lists that start with "No Save", 1 for the alarm lists without it.
class CRecordingTypeLink
{
public:
    void Attach(CWnd* pPage, int typeId, int speedId, int qualityId, int presetOffset);

    BOOL IsCustom() const;
    int LastType() const;
    // Speed and quality can be chosen only for "Custom".
    void UpdateEnabling();
    // The user chose a type: a preset's speed and quality are shown; gives
    // the preset (null for "Custom" or a type without one).
    const RecordingPreset* OnTypeChosen(const RecordingOptions& options);
    // The user chose a speed or a quality: the type becomes "Custom"; gives
    // its index.
    int OnSpeedOrQualityChosen();

    CComboBox* Type() const;
    CComboBox* Speed() const;
    CComboBox* Quality() const;

private:
    CComboBox* Combo(int id) const;

    CWnd* m_pPage = nullptr;
    int m_typeId = 0;
    int m_speedId = 0;
    int m_qualityId = 0;
    int m_presetOffset = 0;
};
