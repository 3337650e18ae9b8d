#include "pages/QualityBoxDlg2.h"

CQualityBoxDlg2::CQualityBoxDlg2()
    : CQualityBoxDlg(IDD_QUALITY_BOX2, true)
{
}
