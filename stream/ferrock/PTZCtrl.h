// The DVR's PTZ client: its own connection to the DVR, a login for one
// camera, moves, presets, the auxiliary output and the preset and tour
// lists; replies reach the owner window as WM_PTZ_ACK, WM_PTZ_INFO and
// WM_PTZ_ERROR. Lives on the owner's thread.
#pragma once

#include "stream/MessageReassembler.h"
#include "stream/ferrock/NotifySocket.h"

#include "stream/ferrock/FerrockTypes.h"

namespace ferrock
{

class FERROCK_EXPORT CPTZCtrl : public CWndBase
{
public:
    CPTZCtrl();
    ~CPTZCtrl() override;

    HWND m_hMsgHandler = nullptr;

    void SetMsgHandler(HWND hWnd) { m_hMsgHandler = hWnd; }
    // 1 when the connection is under way, 0 on failure.
    int open_ptz(int camera, const char* user, const char* password, const char* host, int port);
    // Sends the logout; the socket stays open until the object goes.
    int close_ptz();
    // Gives the encoded length whatever the send did.
    int move(req_eptz_act_move_t* pReq);
    int encode_msg(uint8_t* buffer, int* length, const req_eptz_act_move_t* pReq) const;
    void goto_preset(uint16_t wPreset);
    void auc_control(uint16_t a, uint16_t b);
    // Asks for the preset and tour lists; 1 without a connection.
    int ptz_info(uint16_t wValue);

    bool IsConnected() const { return m_bConnected; }

protected:
    LRESULT OnSocketMsg(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    void OnConnected();
    void OnReceived();
    void OnClosed();
    void OnReply(const NET_MSG_HEADER& header, const uint8_t* body);
    void errorHandler(uint16_t wCode);
    // Sends a whole message now; false after a short send.
    bool SendNow(const uint8_t* bytes, size_t n);
    void SendShort(uint16_t wId, const uint16_t* words, int count);
    void CloseSocket();

    CNotifySocket m_socket;
    bool m_bConnected = false;
    char m_host[32] = {};
    char m_user[16] = {};
    char m_password[16] = {};
    int m_nCamera = 0;
    int m_nPort = 0;
    CMessageReassembler m_reassembler { kReceiveRoom };
};

// Reads the lists of a PTZ list reply; null when they do not fit the body.
FERROCK_EXPORT tagPtzList* ReadPtzList(const uint8_t* body, size_t length);

} // namespace ferrock
