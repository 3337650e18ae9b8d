// The "User" tab of the recorders from firmware 1.4.0: the administrator and
// up to ten remote users, each with an ID, a password and, for the users,
// whether the account is in use, function rights and per-camera rights in a
// check-mark grid; from firmware 2.9.1 also the two numeric passwords of the
// recorder's front panel. An enabled Apply button is the page's change.
#pragma once

#include "controls/FilterEdit.h"
#include "controls/GridCtrl.h"
#include "link/AccountBlocks.h"
#include "pages/ConfigPage.h"
#include "pages/common/Accounts.h"
#include "pages/common/RecorderCameras.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ImageList.h"

#include <vector>

class CPage4UserDvr : public CConfigPage
{
public:
    CPage4UserDvr();
    ~CPage4UserDvr() override;

    BOOL OnInitDialog() override;

    CGridCtrl m_Grid;
    CImageList m_ImageList;
    // The accounts as last read, the administrator first.
    std::vector<UserAccount> m_RemoteUsers;
    CFG_LOCAL_USERS m_LocalUsers {};
    RecorderCameraList m_Cameras;
    int m_nLocalAdminPassword = 0;
    int m_nLocalAdminRePassword = 0;
    int m_nLocalUserPassword = 0;
    int m_nLocalUserRePassword = 0;

protected:
    void ReadSettings() override;
    void ShowSettings() override;
    BOOL ValidateSettings() override;
    ConfigResult WriteGroup(int group) override;
    void OnApplied() override;

    void OnUseClicked(UINT nID);
    void OnEdited(UINT nID);
    void OnLocalSwitchChanged();
    void OnGridBeginEdit(NMHDR* pNMHDR, LRESULT* pResult);

    bool HasLocalUsers() const;
    // The number of right columns: five with the newer features, else three.
    int RightColumns() const;
    void BuildGrid();
    void UpdateRow(int row);
    void ShowLocalUsers();
    ConfigResult WriteRemoteUsers();
    ConfigResult WriteLocalUsers();
    BOOL Refuse(UINT message, int focusId);

    CStatic m_RowLabel[kMaxRecorderUsers];
    CButton m_RowUse[kMaxRecorderUsers];
    CEdit m_RowId[kMaxRecorderUsers];
    CEdit m_RowPassword[kMaxRecorderUsers];
    CEdit m_RowRePassword[kMaxRecorderUsers];
    CFilterEdit m_LocalEdit[4];
    BOOL m_bRemoteRead = FALSE;
    BOOL m_bLocalRead = FALSE;
    BOOL m_bLocalWriteFailed = FALSE;

    DECLARE_MESSAGE_MAP()
};
