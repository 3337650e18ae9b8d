// The PTZ client of the camera dialect: pan, tilt, zoom, focus, presets and
// the auxiliary output of one camera over a connection of its own. It lives
// on the thread that creates it (the owner's), where its hidden window
// receives the socket events, and reports to m_hMsgHandler with WM_PTZ_ACK
// (wParam the accepted reply's id; 0x2110: login accepted) and WM_PTZ_ERROR
// (wParam a refused reply's id or 0xF401, 0xF402, 0xF403).
#pragma once

#include "plintoExport.h"
#include "stream/plinto/PlintoTypes.h"

#include "platform/msg/WndBase.h"

#include <memory>

class CMessageReassembler;

namespace plinto
{

class CNotifySocket;

class PLINTO_EXPORT CPTZCtrl : public CWndBase
{
public:
    CPTZCtrl();
    ~CPTZCtrl() override;

    void SetMsgHandler(HWND hWnd) { m_hMsgHandler = hWnd; }
    // Keeps the arguments and starts connecting; the login goes out once
    // connected. 1 when the connect is under way, 0 when it failed at once.
    int open_ptz(int camera, char* user, char* password, char* host, int port);
    // Sends the logout when a socket is open; 1 when sent or no socket.
    int close_ptz();
    // Fills in the camera and sends the move; gives the message's size (14).
    int move(req_eptz_act_move_t* pReq);
    int encode_msg(uint8_t* buffer, int* pLength, req_eptz_act_move_t* pReq);
    void goto_preset(WORD preset);
    void set_preset(int preset);
    void clear_preset(int preset);
    void aux_control(WORD value, BYTE on);

    int isConnected() const { return m_nConnected; }

    HWND m_hMsgHandler = nullptr;

protected:
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnSocketMsg(WPARAM wParam, LPARAM lParam);
    void OnConnected();
    void OnReceived();
    void OnClosed();
    void errorHandler(WORD code);
    void SendPreset(WORD action, WORD preset);
    // Sends a whole message on the socket; a short send reports 0xF403.
    bool Send(const uint8_t* data, uint32_t size);
    void CloseSocket();

    std::unique_ptr<CNotifySocket> m_pSocket;
    std::unique_ptr<CMessageReassembler> m_pReceive;
    LPARAM m_nextTag = 1;
    int m_nConnected = 0;
    char m_szHost[32] = {};
    char m_szUser[16] = {};
    char m_szPassword[16] = {};
    int m_nCamera = 0;
    int m_nPort = 0;
};

} // namespace plinto
