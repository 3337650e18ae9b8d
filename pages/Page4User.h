// The "User" tab of the cameras, the streaming server and the recorders
// before firmware 1.4.0: the administrator and four users, each with an ID
// and a password, and for the users whether the account is in use and which
// rights it holds. Cameras grant channels, PTZ, disk and delete rights by
// check box; a recorder grants PTZ, disk and I/O by check box and each camera
// in a check-mark grid; a streaming server keeps accounts only, and a user
// who leaves or is renamed loses the stream contents he could watch.
#pragma once

#include "controls/GridCtrl.h"
#include "link/AccountBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/Accounts.h"
#include "pages/common/RecorderCameras.h"
#include "platform/ui/ImageList.h"

#include <vector>

class CPage4User : public CConfigPage
{
public:
    enum Form { FORM_CAMERA, FORM_STREAM_SERVER, FORM_RECORDER };

    CPage4User();
    ~CPage4User() override;

    BOOL OnInitDialog() override;
    Form GetForm() const;

    CGridCtrl m_Grid;
    CImageList m_ImageList;
    CString m_strUserId[5];
    CString m_strPassword[5];
    CString m_strRePassword[5];
    CString m_strOldUserId[4];
    BYTE m_bCh1None = FALSE;
    BYTE m_bCh1Internal = FALSE;
    BYTE m_bCh2On = FALSE;
    BYTE m_bCh3On = FALSE;
    BYTE m_bCh4On = FALSE;
    BYTE m_bPtzModel[5] = {};
    BYTE m_bPtzAvailable = FALSE;
    BYTE m_bHddAvailable = FALSE;
    int m_nContentCount = 0;
    DWORD m_dwContentUsers[10] = {};
    RecorderCameraList m_Cameras;
    // What this activation read: only that is written back.
    BOOL m_bAccountsRead = FALSE;
    BOOL m_bContentRead = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReadSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;

    void OnUseUser(UINT nID);
    void OnRightClicked(UINT nID);
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);

    void EnableUserRow(int row);
    void DisableUserRow(int row);
    void EnableGridRow(int row, BOOL bEnable);
    void ReadCapabilities();
    BOOL ReadAccounts();
    BOOL ReadRecorderAccounts();
    void BuildGrid();
    // Users 0 to 3: Use, row state and the two rights every form shows.
    void ShowUserRights(int user, bool inUse, bool ptz, bool hdd);
    void ShowAccountTexts(const std::vector<UserAccount>& accounts);
    void Layout();
    ConfigResult WriteAccounts();
    ConfigResult WriteContentAccess();
    ConfigResult WriteRecorderAccounts();
    // The IDs and passwords of the five rows as written.
    void FillAccounts(CFG_USER_ENTRY users[5]);
    void FollowPasswordChange(ConfigResult result);
    void Refuse(UINT message, int focusId);

    DECLARE_MESSAGE_MAP()
};
