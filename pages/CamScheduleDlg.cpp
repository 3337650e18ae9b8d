#include "pages/CamScheduleDlg.h"

#include "link/CurrentDevice.h"
#include "pages/Page8Schedule.h"

#include <algorithm>
#include <iterator>

namespace
{

constexpr int kNewestFirmware = 5;

const int kMotion[] = { IDC_SCHEDULE_MOTION1, IDC_SCHEDULE_MOTION2, IDC_SCHEDULE_MOTION3,
    IDC_SCHEDULE_MOTION4, IDC_SCHEDULE_MOTION5 };
const int kSensor1[] = { IDC_SCHEDULE_SENSOR1_1, IDC_SCHEDULE_SENSOR1_2, IDC_SCHEDULE_SENSOR1_3,
    IDC_SCHEDULE_SENSOR1_4, IDC_SCHEDULE_SENSOR1_5 };
const int kSensor2[] = { IDC_SCHEDULE_SENSOR2_1, IDC_SCHEDULE_SENSOR2_2, IDC_SCHEDULE_SENSOR2_3,
    IDC_SCHEDULE_SENSOR2_4, IDC_SCHEDULE_SENSOR2_5 };
const int kF3Sensor2[] = { IDC_SCHEDULE_F3_SENSOR2_1, IDC_SCHEDULE_F3_SENSOR2_2, IDC_SCHEDULE_F3_SENSOR2_3,
    IDC_SCHEDULE_F3_SENSOR2_4, IDC_SCHEDULE_F3_SENSOR2_5 };
const int kF3Sensor4[] = { IDC_SCHEDULE_F3_SENSOR4_1, IDC_SCHEDULE_F3_SENSOR4_2, IDC_SCHEDULE_F3_SENSOR4_3,
    IDC_SCHEDULE_F3_SENSOR4_4, IDC_SCHEDULE_F3_SENSOR4_5 };
const int kRelay[] = { IDC_SCHEDULE_RELAY1, IDC_SCHEDULE_RELAY2, IDC_SCHEDULE_RELAY3, IDC_SCHEDULE_RELAY4,
    IDC_SCHEDULE_RELAY5 };
const int kF3Relay2[] = { IDC_SCHEDULE_F3_RELAY2_1, IDC_SCHEDULE_F3_RELAY2_2, IDC_SCHEDULE_F3_RELAY2_3,
    IDC_SCHEDULE_F3_RELAY2_4, IDC_SCHEDULE_F3_RELAY2_5 };
const int kF3Relay3[] = { IDC_SCHEDULE_F3_RELAY3_1, IDC_SCHEDULE_F3_RELAY3_2, IDC_SCHEDULE_F3_RELAY3_3,
    IDC_SCHEDULE_F3_RELAY3_4, IDC_SCHEDULE_F3_RELAY3_5 };
const int kF3Relay4[] = { IDC_SCHEDULE_F3_RELAY4_1, IDC_SCHEDULE_F3_RELAY4_2, IDC_SCHEDULE_F3_RELAY4_3,
    IDC_SCHEDULE_F3_RELAY4_4, IDC_SCHEDULE_F3_RELAY4_5 };
const int* const kAllTriggerColumns[]
    = { kMotion, kSensor1, kSensor2, kF3Sensor2, kF3Sensor4, kRelay, kF3Relay2, kF3Relay3, kF3Relay4 };

// Captions over the trigger columns: the "Event" set, the short set of the
// newest firmware, and family 3's extra columns.
const int kEventCaptions[] = { IDC_SCHEDULE_CAPTION_EVENT, IDC_SCHEDULE_CAPTION_MOTION,
    IDC_SCHEDULE_CAPTION_SENSOR1, IDC_SCHEDULE_CAPTION_SENSOR2, IDC_SCHEDULE_CAPTION_RELAY };
const int kShortCaptions[] = { IDC_SCHEDULE_CAPTION_ALARM_TRIGGER, IDC_SCHEDULE_CAPTION_MD,
    IDC_SCHEDULE_CAPTION_S1, IDC_SCHEDULE_CAPTION_S2 };
const int kFamily3ShortCaptions[] = { IDC_SCHEDULE_CAPTION_S3, IDC_SCHEDULE_CAPTION_S4 };
const int kFamily3Captions[]
    = { IDC_SCHEDULE_CAPTION_F3_SENSOR2, IDC_SCHEDULE_CAPTION_F3_SENSOR4, IDC_SCHEDULE_CAPTION_F3_RELAYS };

} // namespace

CCamScheduleDlg::CCamScheduleDlg(CWnd* pParent)
    : CDayPlanDlg(IDD, pParent)
{
}

void CCamScheduleDlg::SetSheetLink(SheetLinkRole role, CWnd* pTarget)
{
    if (role == LINK_SchedulePage)
        m_pPage = dynamic_cast<CPage8Schedule*>(pTarget);
    else if (role == LINK_QualityBox)
        m_pQualityBox = pTarget;
}

tagScheduleEntry* CCamScheduleDlg::SlotRows()
{
    if (!m_pPage || m_nSlot >= SCHEDULE_SLOTS)
        return nullptr;
    return &m_pPage->m_Schedule[m_nSlot * SCHEDULE_ROW_COUNT];
}

void CCamScheduleDlg::MarkSlotChanged()
{
    if (m_pPage && m_nSlot < SCHEDULE_SLOTS)
        m_pPage->m_bSlotChanged[m_nSlot] = 1;
}

UINT CCamScheduleDlg::TitleString() const
{
    return IDS_CHANNEL1 + (m_nSlot <= 1 ? 0 : std::min<uint32_t>(m_nSlot, 4) - 1);
}

const ScheduleRowRules& CCamScheduleDlg::Rules() const
{
    static const ScheduleRowRules rules { ScheduleRowRules::MOVE_UP_TO_EMPTY, IDS_DELETE_SCHEDULE,
        IDS_REPLACE_SCHEDULE, 0, true };
    return rules;
}

bool CCamScheduleDlg::FollowsPreviousEnabling() const
{
    // Family 3: a row coming into use allows what the row before it allowed.
    return g_CurrentDevice.dwFamily == 3;
}

void CCamScheduleDlg::ChooseTriggerColumns()
{
    const bool family3 = g_CurrentDevice.dwFamily == 3;
    const bool newest = m_pView && m_pView->FirmwareKind() == kNewestFirmware;
    m_Triggers.clear();
    if (!family3) {
        m_Triggers.push_back({ kMotion, TriggerColumn::BIT, 0x02, -1, -1 });
        m_Triggers.push_back({ kSensor1, TriggerColumn::BIT, 0x04, 0, -1 });
        m_Triggers.push_back({ kSensor2, TriggerColumn::BIT, 0x08, 1, -1 });
        if (!newest)
            m_Triggers.push_back({ kRelay, TriggerColumn::BIT, 0x10, 4, -1 });
    } else {
        if (newest)
            m_Triggers.push_back({ kMotion, TriggerColumn::BIT, 0x80, -1, -1 });
        else
            m_Triggers.push_back({ kMotion, TriggerColumn::MOTION_BYTE, 0x01, -1, -1 });
        m_Triggers.push_back({ kSensor1, TriggerColumn::BIT, 0x01, 0, -1 });
        m_Triggers.push_back({ kF3Sensor2, TriggerColumn::BIT, 0x02, 1, -1 });
        m_Triggers.push_back({ kSensor2, TriggerColumn::BIT, 0x04, 2, -1 });
        m_Triggers.push_back({ kF3Sensor4, TriggerColumn::BIT, 0x08, 3, -1 });
        if (!newest) {
            m_Triggers.push_back({ kRelay, TriggerColumn::BIT, 0x10, 4, 0 });
            m_Triggers.push_back({ kF3Relay2, TriggerColumn::BIT, 0x20, 5, 1 });
            m_Triggers.push_back({ kF3Relay3, TriggerColumn::BIT, 0x40, 6, 2 });
            m_Triggers.push_back({ kF3Relay4, TriggerColumn::BIT, 0x80, 7, 3 });
        }
    }
    // Columns of other families and firmware are not shown.
    for (const int* ids : kAllTriggerColumns) {
        const bool used = std::any_of(
            m_Triggers.begin(), m_Triggers.end(), [ids](const TriggerColumn& c) { return c.ids == ids; });
        for (int r = 0; r < SCHEDULE_ROW_COUNT; ++r) {
            if (CWnd* box = GetDlgItem(ids[r]))
                box->ShowWindow(used ? SW_SHOW : SW_HIDE);
        }
    }
    auto show = [this](int id, bool shown) {
        if (CWnd* caption = GetDlgItem(id))
            caption->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    };
    for (int id : kEventCaptions)
        show(id, !newest);
    for (int id : kShortCaptions)
        show(id, newest);
    for (int id : kFamily3ShortCaptions)
        show(id, newest && family3);
    for (int id : kFamily3Captions)
        show(id, family3 && !newest);
    if (!family3) {
        CString text;
        text.LoadString(IDS_SENSOR1_CAPTION);
        SetDlgItemText(IDC_SCHEDULE_CAPTION_SENSOR1, text);
        text.LoadString(IDS_SENSOR2_CAPTION);
        SetDlgItemText(IDC_SCHEDULE_CAPTION_SENSOR2, text);
        text.LoadString(IDS_RELAY_OUTPUT_CAPTION);
        SetDlgItemText(IDC_SCHEDULE_CAPTION_RELAY, text);
    } else if (!newest) {
        CString text;
        text.LoadString(IDS_SENSOR_COLUMN_CAPTION);
        SetDlgItemText(IDC_SCHEDULE_CAPTION_SENSOR1, text);
        text.LoadString(IDS_RELAY_OUTPUTS_CAPTION);
        SetDlgItemText(IDC_SCHEDULE_CAPTION_RELAY, text);
    }
}

bool CCamScheduleDlg::IsTriggerAvailable(const TriggerColumn& column) const
{
    if (column.available < 0)
        return m_bMotionAvailable != 0;
    if (!m_byAvailable[column.available])
        return false;
    // Family 3: a relay another slot drives cannot be taken here.
    if (column.relay >= 0 && m_pPage) {
        const int owner = m_pPage->m_nRelayOwner[column.relay];
        return owner == -1 || owner == int(m_nSlot);
    }
    return true;
}

void CCamScheduleDlg::AfterStore(const tagScheduleEntry* rows)
{
    if (g_CurrentDevice.dwFamily != 3 || !m_pPage)
        return;
    // A relay no row of this slot uses is free for the others.
    for (const TriggerColumn& column : m_Triggers) {
        if (column.relay < 0)
            continue;
        const CWnd* first = GetDlgItem(column.ids[0]);
        if (!first || !first->IsWindowEnabled())
            continue;
        const bool used = std::any_of(rows, rows + SCHEDULE_ROW_COUNT,
            [&column](const tagScheduleEntry& e) { return e.triggers & column.bit; });
        m_pPage->m_nRelayOwner[column.relay] = used ? int(m_nSlot) : -1;
    }
}
