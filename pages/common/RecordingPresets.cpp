#include "pages/common/RecordingPresets.h"

#include <algorithm>
#include <cstring>

namespace
{

constexpr size_t kNameSize = 16;

std::vector<CString> Names(const CFG_NAME_LISTS::List& list)
{
    std::vector<CString> names;
    if (!list.items)
        return names;
    for (int i = 0; i < list.count; ++i) {
        const char* name = reinterpret_cast<const char*>(list.items + size_t(i) * kNameSize);
        names.emplace_back(CString(name, int(strnlen(name, kNameSize))));
    }
    return names;
}

} // namespace

const RecordingPreset* RecordingOptions::Preset(int index) const
{
    return index >= 0 && index < int(presets.size()) ? &presets[size_t(index)] : nullptr;
}

RecordingOptions DecodeRecordingOptions(const CFG_NAME_LISTS& lists)
{
    RecordingOptions options;
    options.speeds = Names(lists.list[0]);
    options.qualities = Names(lists.list[1]);
    options.types = Names(lists.list[3]);
    const int count = std::min<int>(lists.list[3].count, kMaxRecordingPresets);
    for (int i = 0; lists.extra && i < count; ++i) {
        const uint8_t* p = lists.extra + size_t(i) * 3;
        options.presets.push_back({ p[0], p[1], p[2] });
    }
    return options;
}

void FillCombo(CComboBox* pCombo, const std::vector<CString>& texts)
{
    if (!pCombo)
        return;
    pCombo->ResetContent();
    for (const CString& text : texts)
        pCombo->AddString(text);
}

void FillComboTexts(CComboBox* pCombo, std::initializer_list<const char*> texts)
{
    if (!pCombo)
        return;
    pCombo->ResetContent();
    for (const char* text : texts)
        pCombo->AddString(text);
}

void FillAlarmTimeLists(CWnd* pPage, int preId, int postId)
{
    auto* pre = static_cast<CComboBox*>(pPage->GetDlgItem(preId));
    auto* post = static_cast<CComboBox*>(pPage->GetDlgItem(postId));
    if (!pre || !post)
        return;
    pre->ResetContent();
    post->ResetContent();
    for (int s = 0; s <= 60; s += s < 10 ? 1 : 5) {
        CString text;
        text.Format("%d", s);
        if (s <= 10)
            pre->AddString(text);
        post->AddString(text);
    }
}

void CRecordingTypeLink::Attach(CWnd* pPage, int typeId, int speedId, int qualityId, int presetOffset)
{
    m_pPage = pPage;
    m_typeId = typeId;
    m_speedId = speedId;
    m_qualityId = qualityId;
    m_presetOffset = presetOffset;
}

CComboBox* CRecordingTypeLink::Combo(int id) const
{
    return m_pPage ? static_cast<CComboBox*>(m_pPage->GetDlgItem(id)) : nullptr;
}

CComboBox* CRecordingTypeLink::Type() const
{
    return Combo(m_typeId);
}

CComboBox* CRecordingTypeLink::Speed() const
{
    return Combo(m_speedId);
}

CComboBox* CRecordingTypeLink::Quality() const
{
    return Combo(m_qualityId);
}

int CRecordingTypeLink::LastType() const
{
    CComboBox* type = Type();
    return type ? type->GetCount() - 1 : -1;
}

BOOL CRecordingTypeLink::IsCustom() const
{
    CComboBox* type = Type();
    return type && type->GetCurSel() == LastType();
}

void CRecordingTypeLink::UpdateEnabling()
{
    const BOOL custom = IsCustom();
    for (CComboBox* combo : { Speed(), Quality() }) {
        if (combo)
            combo->EnableWindow(custom);
    }
}

const RecordingPreset* CRecordingTypeLink::OnTypeChosen(const RecordingOptions& options)
{
    UpdateEnabling();
    CComboBox* type = Type();
    if (!type || IsCustom())
        return nullptr;
    const RecordingPreset* preset = options.Preset(type->GetCurSel() + m_presetOffset);
    if (!preset)
        return nullptr;
    if (CComboBox* speed = Speed())
        speed->SetCurSel(preset->speed);
    if (CComboBox* quality = Quality())
        quality->SetCurSel(preset->quality);
    return preset;
}

int CRecordingTypeLink::OnSpeedOrQualityChosen()
{
    const int last = LastType();
    if (CComboBox* type = Type())
        type->SetCurSel(last);
    UpdateEnabling();
    return last;
}
