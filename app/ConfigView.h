// CConfigView: the right pane (login bar, then the settings sheet).
//
// For now it is the empty view of the right class that the main frame and
// the device-selection view need: the frame creates it as pane (0,1) and the
// device-selection view forwards the tree's device messages to the On*
// handlers below, which only keep the record for now. The login bar, the
// address change and the settings sheet are built on this class in place
// (keep the class, its name and these entry points; fill in the bodies).
#pragma once

#include "app/CurrentDevice.h"
#include "platform/ui/DocView.h"

struct RES_DISCOVER_OVEL;

class CConfigView : public CView
{
    DECLARE_DYNCREATE(CConfigView)
public:
    CConfigView();

    // The device messages of the tree, relayed by the device-selection view.
    LRESULT OnDeviceClear(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceReply(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceUpdate(WPARAM wParam, LPARAM lParam);
    // The reply of a device whose address this view changed.
    void OnIpChangeReply(RES_DISCOVER_OVEL* pReply);
    void StartIpChange(DWORD dwNewAddress, LPCTSTR lpszPassword);
    void LoginIfLoggedOut() { }
    void OnButtonLogin() { }
    // Whether a settings sheet is open (the family buttons refuse then).
    BOOL HasSheet() const { return FALSE; }

    // The family the device-selection view asks for.
    int m_nRequestedFamily = 4;
    // Set while an address change waits for the device's answer.
    int m_bIpChanged = 0;

protected:
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
};

// The main window, set by each view in its initial update; the views reach
// each other through it and the main frame's view pointers.
extern CWnd* g_pMainWnd;
