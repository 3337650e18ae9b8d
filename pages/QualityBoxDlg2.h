// CQualityBoxDlg2: the quality box of three-channel cameras' time tables:
// "4" stands above "3" (the levels keep their order), and the box is taken
// on OK only.
#pragma once

#include "pages/QualityBoxDlg.h"

class CQualityBoxDlg2 : public CQualityBoxDlg
{
public:
    CQualityBoxDlg2();
};
