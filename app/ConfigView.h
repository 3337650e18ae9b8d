// The right pane: the login bar for the selected device and, once logged
// in, the settings sheet of that device. It also changes a device's address
// and dials devices that are reached by dial-up.
#pragma once

#include "app/LoginBar.h"
#include "controls/DeviceInfoListCtrl.h"
#include "link/CameraInfo.h"
#include "link/CurrentDevice.h"
#include "pages/ConfigPageHost.h"
#include "pages/SheetAssembly.h"
#include "pages/SheetPages.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DocView.h"
#include "platform/ui/ImageList.h"

#include <memory>
#include <string>
#include <vector>

class CConfigPage;
class CPropertyConfig;
class CIpChangeWaitDlg;
class IDeviceSelection;
struct RES_DISCOVER_OVEL;

// Address-change timers.
constexpr UINT_PTR TIMER_IP_CHANGE_TIMEOUT = 10;
constexpr UINT_PTR TIMER_IP_CHECK = 12;
constexpr UINT_PTR TIMER_IP_REPEAT = 14;

class CConfigView : public CView, public IConfigPageHost
{
    DECLARE_DYNCREATE(CConfigView)
public:
    CConfigView();
    ~CConfigView() override;

    // The tree's device messages, relayed by the device-selection view
    // (wParam: the record).
    LRESULT OnDeviceClear(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceReply(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceUpdate(WPARAM wParam, LPARAM lParam);

    // The same, by record; flag 1 means the selection was cleared.
    void SelectDevice(const SELECTED_DEVICE* pDevice, int flag);
    void ClearDevice();
    void DeviceReply(const SELECTED_DEVICE* pDevice);
    void UpdateDevice(const SELECTED_DEVICE* pDevice, BOOL bSetAddress);
    void DeviceInfo(const SELECTED_DEVICE* pDevice);
    void SetRequestedFamily(int family) { m_nRequestedFamily = family; }
    // The device-selection view as this view reaches it, registered for the
    // program while the view holds it.
    void SetSelection(std::unique_ptr<IDeviceSelection> pSelection);

    void OnButtonLogin();
    void LoginIfLoggedOut();
    // Gives FALSE when the login ended without a sheet.
    BOOL Login();

    // The end of a session, from a page's OK or Cancel.
    void OnConfigOK() override;
    void OnConfigCancel() override;
    // Posts WM_PAGE_CANCEL to the active page.
    void CancelActivePage();

    // Address change.
    void OnButtonChangeIp();
    void StartIpChange(DWORD newAddress, const char* password);
    void OnIpChangeReply(RES_DISCOVER_OVEL* pReply);

    // -1: nothing done; 0: connected; 1: not connected.
    static int DialUpLogin();
    static void HangUpDialUp();

    // Called by pages.
    void SetDevicePorts(DWORD streamPort, DWORD httpPort, DWORD configPort) override;
    void UpdateSelectedDevice() override;
    void UpdateDeviceInfo(const char text[32]) override;
    void RediscoverDevice(DWORD address) override;
    BOOL FindConnectedDevice(DWORD address) override;
    int FirmwareKind() const override { return m_nFirmwareClass; }
    void OnAdminPasswordChanged(const BYTE password[16]) override;
    BOOL ReqUniQuestMsg(const char* address) override;
    void SetRebootWaiter(IRebootWaiter* pWaiter, const char* address) override;
    void DisconnectCurrentDevice() override;

    void OnSavePassword();
    void OnButtonExit();

    // State the pages and tests read.
    BOOL IsLoginBarShown() const { return m_bLoggedOut; }
    BOOL HasSheet() const { return m_bSheetExists; }
    CPropertyConfig* GetSheet() const { return m_sheetPages.Sheet(); }
    CConfigPage* GetPage(SheetSlot slot) const { return m_sheetPages.Page(slot); }
    CAMERA_INFO* GetCameraInfo() { return &m_CameraInfo; }
    BOOL IsIpChanging() const { return m_bIpChanging; }
    // The last text of the address change's wait box.
    std::string WaitBoxText() const { return m_strWaitText; }
    // The open wait box of an address change, or null.
    CIpChangeWaitDlg* WaitBox() const { return m_pWaitDlg; }
    // The address an address change moves the device to.
    DWORD NewAddress() const { return m_dwNewAddress; }
    // The device answered at its new address.
    void ClearAddressChanged() { m_bAddressChanged = 0; }

    // The family the device-selection view asks for.
    int m_nRequestedFamily = 4;
    // Set while an address change waits for the device's answer.
    int m_bIpChanged = 0;

    int m_nFirmwareClass = 0;
    int m_nFirstFirmwareClass = -1;
    BYTE m_bSavePassword = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnIpFieldChanged();

    // Takes the sheet and its objects out at once and deletes them once the
    // message that ended the session has returned.
    void RetirePages();
    LRESULT OnDeleteRetired(WPARAM wParam, LPARAM lParam);
    void DeleteRetired();
    void ShowLoginBar();
    void ShowSheet();
    void HideLoginBar();
    void EndSession(bool ok);
    void SetTitle(const char* title);

    // Address change steps.
    void FinishIpChange(UINT messageId);
    void OnIpCheckTimer();
    void OnIpChangeTimeout();

    // The controls' state for no device or a selected one.
    void EnableLoginControls(BOOL bEnable);
    BOOL ReadIpControl(DWORD* pAddress) const;
    void WriteIpControl(DWORD address);

    CBrush m_WhiteBrush;

    // Address change.
    std::string m_strIpChangePassword;
    BYTE m_bAddressChanged = 0;
    std::string m_strOldAddress;
    std::string m_strNewAddress;
    DWORD m_dwNewAddress = 0;
    std::string m_strWaitText;
    CIpChangeWaitDlg* m_pWaitDlg = nullptr;
    BYTE m_bIpCheck = 0;
    BOOL m_bIpChanging = FALSE;

    BOOL m_bDeviceMessage = FALSE;
    BOOL m_bLoggedOut = TRUE;
    BOOL m_bSheetExists = FALSE;
    DWORD m_dwSessionAddress = 0;

    CAMERA_INFO m_CameraInfo {};
    BYTE m_byPasswordBlock[16] = {};

    // The selected device's facts above the login bar.
    CDeviceInfoListCtrl m_InfoList;
    CImageList m_InfoImages;
    void ShowDeviceInfo();
    CWnd* LoginBarControl(int id);
    void PlaceInfoList();

    CStatic m_UserNameLabel, m_PasswordLabel, m_PortLabel;
    CEdit m_UserName, m_Password, m_Port, m_IpAddress;
    CButton m_SavePassword, m_ChangeIp, m_Login, m_Exit, m_LoginHidden;

    CSheetPages m_sheetPages;
    int m_nRetry = 0;
    std::unique_ptr<IDeviceSelection> m_pSelection;

    std::vector<std::unique_ptr<CSheetPages>> m_retired;

    DECLARE_MESSAGE_MAP()
};

// The view of the running program, for the static operations.
CConfigView* GetConfigView();

// The main window, set by each view in its initial update; the views reach
// each other through it and the main frame's view pointers.
extern CWnd* g_pMainWnd;
