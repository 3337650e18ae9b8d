#include "pages/Page5Channel2.h"

namespace
{

const int kSensors[3] = { IDC_CHAN2_SENSOR1, IDC_CHAN2_SENSOR2, IDC_CHAN2_SENSOR3 };
const int kRelays[3] = { IDC_CHAN2_RELAY1, IDC_CHAN2_RELAY2, IDC_CHAN2_RELAY3 };

} // namespace

BEGIN_MESSAGE_MAP(CPage5Channel2, CPage5Channel)
ON_CONTROL_RANGE(BN_CLICKED, IDC_CHAN_ENABLE1, IDC_CHAN_ENABLE1, OnChannel1Clicked)
END_MESSAGE_MAP()

CPage5Channel2::CPage5Channel2()
    : CPage5Channel(IDD_PAGE5_CHANNEL2, SLOT_Channel2, 3, kRowIds, EXT_THREE_CHANNEL)
{
}

CPage5Channel2::~CPage5Channel2() = default;

void CPage5Channel2::ExtDeviceChecks(const int** sensors, const int** relays, int* count) const
{
    *sensors = kSensors;
    *relays = kRelays;
    *count = 3;
}

void CPage5Channel2::OnChannel1Clicked(UINT nID)
{
    if (!UpdateData(TRUE))
        return;
    if (IsDlgButtonChecked(nID)) {
        // The source channel 1 had comes back with its settings.
        if (m_bEdited[0] || m_nCh1Remembered == SOURCE_INTERNAL)
            m_nCh1Source = SOURCE_INTERNAL;
        else if (m_bEdited[1] || m_nCh1Remembered == SOURCE_EXTERNAL)
            m_nCh1Source = SOURCE_EXTERNAL;
        if (m_nCh1Source != SOURCE_NONE) {
            const int entry = m_nCh1Source == SOURCE_INTERNAL ? 0 : 1;
            m_bCh1Internal = entry == 0;
            m_bEdited[entry] = TRUE;
            m_Entries[entry].byFlags |= CHANNEL_ENABLED;
        }
        EnableRow(0, TRUE);
    } else {
        // Cleared, channel 1 is written off, as with the "None" radio.
        m_nCh1Remembered = m_nCh1Source;
        if (m_nCh1Source == SOURCE_INTERNAL || m_nCh1Source == SOURCE_EXTERNAL)
            StoreRow1(m_nCh1Source == SOURCE_INTERNAL ? 0 : 1, false);
        m_bEdited[0] = m_bEdited[1] = FALSE;
        m_nCh1Source = SOURCE_NONE;
        m_bCh1Internal = FALSE;
        EnableRow(0, FALSE);
    }
    m_bFilling = TRUE;
    UpdateData(FALSE);
    m_bFilling = FALSE;
    Changed(GROUP_CHANNEL);
}

void CPage5Channel2::AfterChannelWrite()
{
    m_bFilling = TRUE;
    UpdateData(FALSE);
    m_bFilling = FALSE;
}
