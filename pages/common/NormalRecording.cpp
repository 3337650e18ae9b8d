#include "pages/common/NormalRecording.h"

#include "resources/setup/Resource.h"

void CNormalRecordingControls::Attach(CWnd* pPage)
{
    m_pPage = pPage;
    m_Type.Attach(pPage, IDC_REC_TYPE, IDC_REC_SPEED, IDC_REC_QUALITY, 0);
}

int CNormalRecordingControls::Selection(int id) const
{
    auto* combo = static_cast<CComboBox*>(m_pPage->GetDlgItem(id));
    return combo ? combo->GetCurSel() : -1;
}

void CNormalRecordingControls::FillLists(const RecordingOptions& options, BOOL typesFromDevice)
{
    FillCombo(m_Type.Speed(), options.speeds);
    FillCombo(m_Type.Quality(), options.qualities);
    if (!typesFromDevice)
        return;
    FillCombo(m_Type.Type(), options.types);
    // The special-time list ends in "Same as above" whatever the device calls it.
    std::vector<CString> special = options.types;
    if (!special.empty())
        special.back().LoadString(IDS_SAME_AS_ABOVE);
    FillCombo(static_cast<CComboBox*>(m_pPage->GetDlgItem(IDC_REC_SPECIAL)), special);
}

void CNormalRecordingControls::ShowPeriod(const NORMAL_PERIOD& period)
{
    m_Type.Quality()->SetCurSel(period.byQuality);
    m_Type.Speed()->SetCurSel(period.bySpeed);
    m_Type.Type()->SetCurSel(period.byType);
    static_cast<CComboBox*>(m_pPage->GetDlgItem(IDC_REC_SPECIAL))->SetCurSel(period.bySpecialType);
    const BOOL on = (period.byFlags & 0x80) != 0;
    m_pPage->CheckDlgButton(IDC_REC_EVENT_ON, on ? BST_CHECKED : BST_UNCHECKED);
    m_pPage->CheckDlgButton(IDC_REC_EVENT_OFF, on ? BST_UNCHECKED : BST_CHECKED);
    m_Type.UpdateEnabling();
}

void CNormalRecordingControls::OnTypeChosen(NORMAL_PERIOD* pPeriod, const RecordingOptions& options)
{
    const RecordingPreset* preset = m_Type.OnTypeChosen(options);
    if (!pPeriod)
        return;
    pPeriod->byType = uint8_t(Selection(IDC_REC_TYPE));
    if (preset) {
        pPeriod->bySpeed = preset->speed;
        pPeriod->byMiddle = preset->middle;
        pPeriod->byQuality = preset->quality;
    }
}

void CNormalRecordingControls::OnSpeedChosen(NORMAL_PERIOD* pPeriod)
{
    const int custom = m_Type.OnSpeedOrQualityChosen();
    if (!pPeriod)
        return;
    pPeriod->bySpeed = uint8_t(Selection(IDC_REC_SPEED));
    pPeriod->byType = uint8_t(custom);
}

void CNormalRecordingControls::OnQualityChosen(NORMAL_PERIOD* pPeriod)
{
    const int custom = m_Type.OnSpeedOrQualityChosen();
    if (!pPeriod)
        return;
    pPeriod->byQuality = uint8_t(Selection(IDC_REC_QUALITY));
    pPeriod->byType = uint8_t(custom);
}

void CNormalRecordingControls::OnSpecialChosen(NORMAL_PERIOD* pPeriod)
{
    if (pPeriod)
        pPeriod->bySpecialType = uint8_t(Selection(IDC_REC_SPECIAL));
}

void CNormalRecordingControls::OnEventRecording(NORMAL_PERIOD* pPeriod, BOOL bOn)
{
    if (!pPeriod)
        return;
    pPeriod->byFlags = uint8_t(bOn ? (pPeriod->byFlags | 0x80) : (pPeriod->byFlags & ~0x80));
}
