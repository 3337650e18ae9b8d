// The camera's HDD tab: the built-in disk's switch, its automatic deletion,
// how full it is, and formatting it.
#pragma once

#include "link/DiskBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/DiskPie.h"
#include "platform/ui/GdiObject.h"

class CHddFormatDlg;

class CPage10Hdd : public CConfigPage
{
public:
    CPage10Hdd();
    ~CPage10Hdd() override;

    BOOL OnInitDialog() override;

    BYTE m_bHddFound = FALSE;
    int m_bHddEnable = FALSE;
    int m_nAutoDelete = -1; // radio index, -1 when none is selected
    DiskShareDisplay m_Disk;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    ConfigResult WriteGroup(int group) override;

    void OnAutoDelete();
    void OnHddEnable();
    void OnFormat();
    void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    // Sends the format request on a worker while this thread goes on
    // painting; the window takes no input meanwhile.
    BOOL FormatWhilePainting();

    CFont m_Font;
    uint32_t m_dwAutoDeleteRead = 0;
    CHddFormatDlg* m_pFormatDlg = nullptr;
};
