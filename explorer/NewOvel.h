// CNewOvel: adds a camera by its address. The user types the address and
// starts a search; the camera explorer that owns the dialog probes the
// address up to three times, three seconds apart, and hands the camera's
// answer to ResUniQuestMsg. The dialog shows the camera's serial number and
// MAC and, after "Add", the host reads the answer from m_resDiscover. A
// camera that does not answer can still be added: its record then holds
// only the typed address, port 8405 and the default title.
//
// A host: constructs it with its window, sets m_pOwner to the open camera
// explorer, runs DoModal and reads m_resDiscover after IDOK.
#pragma once

#include "explorer/DiscoverRecord.h"
#include "explorer/MorrikResources.h"
#include "morrikExport.h"

namespace morrik
{

class CSel2Dlg;

constexpr UINT_PTR TIMER_NEW_OVEL_TRY = 64; // a try went unanswered
constexpr UINT_PTR TIMER_NEW_OVEL_FOUND = 65; // after the answer

class MORRIK_EXPORT CNewOvel : public CMorrikDialog
{
public:
    explicit CNewOvel(CWnd* pParent = nullptr);

    // The camera's answer to the probe.
    void ResUniQuestMsg(const RES_DISCOVER_OVEL* record);

    RES_DISCOVER_OVEL m_resDiscover {}; // the camera found, or entered by hand
    CSel2Dlg* m_pOwner = nullptr; // sends the probes, hands over the answer
    int m_nTry = 0; // 1 to 3 while searching, 4 when given up
    bool m_bFound = false;
    UINT_PTR m_nTimerTry = 0;
    UINT_PTR m_nTimerFound = 0;
    CString m_strTarget; // the probed address, dotted
    CString m_strResult;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnAddressChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnStartSearch();
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();

    DWORD TypedAddress();
    // Sends the probe; the try timer runs whether or not it went out, so a
    // probe that cannot be sent counts as a try without answer.
    void SendProbe();
    // The owner no longer waits for an answer on this dialog's behalf.
    void StopWaiting();
    void EnableSearch(bool enable);

    DECLARE_MESSAGE_MAP()
};

} // namespace morrik
