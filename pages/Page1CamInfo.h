// The first tab of every sheet: what the device reports about itself, its
// clock, users, channels, disk and address filter, and for a streaming
// server its stream contents. The description is the one editable line.
#pragma once

#include "link/AccountBlocks.h"
#include "link/CameraBlocks.h"
#include "link/CameraInfo.h"
#include "pages/ConfigPage.h"
#include "pages/Page1InfoList.h"
#include "resources/setup/Resource.h"

class CPage1CamInfo : public CConfigPage
{
public:
    CPage1CamInfo();
    ~CPage1CamInfo() override;

    void SetCameraInfo(CAMERA_INFO* pInfo) { m_pCameraInfo = pInfo; }
    // The list ended an edit of the description line with this text.
    void SetDescription(const CString& text);
    void SetPageModified() { CConfigPage::SetPageModified(TRUE); }

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;

    CPage1InfoList m_InfoList;
    CString m_strDescription;
    int m_nChannelCount = 0;
    int32_t m_nGmtOffset = 0;

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    ConfigResult WriteGroup(int group) override;

    void LearnPorts();
    BOOL ReadDeviceInfo();
    BOOL ReadDeviceTime();
    BOOL ReadRecorderClock();
    BOOL ReadCameraBlock();
    BOOL ReadRecorderBlock();
    BOOL ReadRecorderUsers();
    BOOL ReadCameraOn(int n, const CFG_CAMERA_COUNTS& counts, bool* on);
    // User 1 to 4 of the summary, from its account as the device keeps it.
    void ShowUser(int user, CFG_USER_ENTRY entry, bool shown);
    BOOL ReadContents();
    void PlaceList();

    CAMERA_INFO* m_pCameraInfo = nullptr;
    CAMERA_INFO m_OwnInfo {}; // until the view hands over its record
    CImageList m_ImageList;
    BOOL m_bReadComplete = FALSE;

    CAMERA_INFO& Info() { return m_pCameraInfo ? *m_pCameraInfo : m_OwnInfo; }
};
