#include "dialogs/RelayTableDlg2.h"

#include <iterator>

namespace
{

const int kMd1[] = { IDC_RELAY_MD1_P1_R1, IDC_RELAY_MD1_P2_R1, IDC_RELAY_MD1_P3_R1, IDC_RELAY_MD1_P4_R1,
    IDC_RELAY_MD1_P5_R1 };
const int kMd2[] = { IDC_RELAY_MD2_P1_R1, IDC_RELAY_MD2_P2_R1, IDC_RELAY_MD2_P3_R1, IDC_RELAY_MD2_P4_R1,
    IDC_RELAY_MD2_P5_R1 };
const int kMd3[] = { IDC_RELAY_MD3_P1_R1, IDC_RELAY_MD3_P2_R1, IDC_RELAY_MD3_P3_R1, IDC_RELAY_MD3_P4_R1,
    IDC_RELAY_MD3_P5_R1 };
const int kMd4[] = { IDC_RELAY_MD4_P1_R1, IDC_RELAY_MD4_P2_R1, IDC_RELAY_MD4_P3_R1, IDC_RELAY_MD4_P4_R1,
    IDC_RELAY_MD4_P5_R1 };
const int kS1[]
    = { IDC_RELAY_S1_P1_R1, IDC_RELAY_S1_P2_R1, IDC_RELAY_S1_P3_R1, IDC_RELAY_S1_P4_R1, IDC_RELAY_S1_P5_R1 };
const int kS2[]
    = { IDC_RELAY_S2_P1_R1, IDC_RELAY_S2_P2_R1, IDC_RELAY_S2_P3_R1, IDC_RELAY_S2_P4_R1, IDC_RELAY_S2_P5_R1 };
const int kManual[] = { IDC_RELAY_MANUAL_P1_R1, IDC_RELAY_MANUAL_P2_R1, IDC_RELAY_MANUAL_P3_R1,
    IDC_RELAY_MANUAL_P4_R1, IDC_RELAY_MANUAL_P5_R1 };

const RelayTriggerRow kRows[] = {
    { kMd1, 0x0100, false },
    { kMd2, 0x0200, false },
    { kMd3, 0x0400, false },
    { kMd4, 0x0800, false },
    { kS1, 0x0001, false },
    { kS2, 0x0002, false },
    { kManual, 0x8000, true },
};

} // namespace

CRelayTableDlg2::CRelayTableDlg2(CWnd* pParent)
    : CRelayTimeTable(IDD, pParent, kRows, int(std::size(kRows)), 1)
{
}
