#include "pages/CamScheduleDlg2.h"

#include "pages/Page8Schedule2.h"

#include <algorithm>
#include <iterator>

namespace
{

const int kMotion[] = { IDC_SCHEDULE2_MOTION1, IDC_SCHEDULE2_MOTION2, IDC_SCHEDULE2_MOTION3,
    IDC_SCHEDULE2_MOTION4, IDC_SCHEDULE2_MOTION5 };
const int kSensor[] = { IDC_SCHEDULE2_SENSOR1, IDC_SCHEDULE2_SENSOR2, IDC_SCHEDULE2_SENSOR3,
    IDC_SCHEDULE2_SENSOR4, IDC_SCHEDULE2_SENSOR5 };
const int kRelay[] = { IDC_SCHEDULE2_RELAY1, IDC_SCHEDULE2_RELAY2, IDC_SCHEDULE2_RELAY3, IDC_SCHEDULE2_RELAY4,
    IDC_SCHEDULE2_RELAY5 };

enum { AVAILABLE_SENSOR, AVAILABLE_RELAY };

} // namespace

CCamScheduleDlg2::CCamScheduleDlg2(CWnd* pParent)
    : CDayPlanDlg(IDD, pParent)
{
}

void CCamScheduleDlg2::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_SchedulePage)
        m_pPage = dynamic_cast<CPage8Schedule2*>(pTarget);
    else if (role == LINK_QualityBox)
        m_pQualityBox = pTarget;
}

tagScheduleEntry* CCamScheduleDlg2::SlotRows()
{
    if (!m_pPage || m_nSlot >= SCHEDULE2_SLOTS)
        return nullptr;
    return &m_pPage->m_Schedule[m_nSlot * SCHEDULE_ROW_COUNT];
}

void CCamScheduleDlg2::MarkSlotChanged()
{
    if (m_pPage && m_nSlot < SCHEDULE2_SLOTS)
        m_pPage->m_bSlotChanged[m_nSlot] = 1;
}

UINT CCamScheduleDlg2::TitleString() const
{
    // Slots 0 and 1 are both CH1.
    return IDS_CH1 + (m_nSlot <= 1 ? 0 : std::min<uint32_t>(m_nSlot, 4) - 1);
}

const ScheduleRowRules& CCamScheduleDlg2::Rules() const
{
    static const ScheduleRowRules rules { ScheduleRowRules::MOVE_UP_TO_LAST, IDS_DELETE_SCHEDULE2,
        IDS_AMEND_SCHEDULE, IDS_TIME_OUT_OF_RANGE, false };
    return rules;
}

uint32_t CCamScheduleDlg2::LevelOfFlags(uint8_t flags) const
{
    // Levels 1 to 5 in the low bits; anything else opens as level 1.
    const uint32_t level = flags & 0x07;
    return level >= 1 && level <= 5 ? level : 1;
}

uint8_t CCamScheduleDlg2::FlagsOfLevel(uint32_t level) const
{
    return uint8_t(level >= 1 && level <= 5 ? level : 1);
}

void CCamScheduleDlg2::ChooseTriggerColumns()
{
    m_Triggers = {
        { kMotion, TriggerColumn::BIT, 0x02, -1, -1 },
        { kSensor, TriggerColumn::BIT, 0x04, AVAILABLE_SENSOR, -1 },
        { kRelay, TriggerColumn::BIT, 0x10, AVAILABLE_RELAY, -1 },
    };
}

bool CCamScheduleDlg2::IsTriggerAvailable(const TriggerColumn& column) const
{
    switch (column.available) {
    case AVAILABLE_SENSOR:
        return m_bSensorAvailable != 0;
    case AVAILABLE_RELAY:
        return m_bRelayAvailable != 0;
    default:
        return m_bMotionAvailable != 0;
    }
}
