#include "pages/common/RecordingPage.h"

#include "link/CameraBlocks.h"
#include "link/RecordingBlocks.h"
#include "resources/setup/Resource.h"

BOOL CRecordingPage::ReadCameraCounts()
{
    CFG_CAMERA_COUNTS counts;
    if (!ReadBlock(GET_CAMERA_COUNTS, &counts))
        return FALSE;
    m_Counts = CountsOf(counts);
    return TRUE;
}

BOOL CRecordingPage::ReadRecordingOptions()
{
    CFG_NAME_LISTS lists;
    if (!ReadBlock(GET_RECORDING_OPTIONS, &lists))
        return FALSE;
    m_Options = DecodeRecordingOptions(lists);
    return TRUE;
}

CListBox* CRecordingPage::CameraList()
{
    return static_cast<CListBox*>(GetDlgItem(IDC_REC_CAMERA_LIST));
}
