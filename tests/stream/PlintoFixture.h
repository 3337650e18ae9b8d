// Plinto against the simulator's camera: a simulated camera on loopback, a
// network thread with its camera client, and an owner window that records
// what the client posts and, like the preview, copies and decodes each
// frame before it asks for the next.
#pragma once

#include "sim/CameraStream.h"
#include "stream/plinto/NetThread.h"
#include "stream/plinto/OstraOnNetCtrl.h"

#include "link/WindowMessages.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace plinto_test
{

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A frame as the owner saw it: the slot it came in, its fields, and what
// the decoder made of it.
struct SeenFrame {
    const plinto::tagONLINEFRAME* slot = nullptr;
    plinto::tagONLINEFRAME copy {};
    int decodeResult = -1;
    int64_t pictureNumber = -1; // read from the decoded 360 x 243 picture
};

class COwnerWnd : public CWndBase
{
public:
    COwnerWnd();
    ~COwnerWnd() override;

    std::vector<Posted> posted;
    std::vector<std::unique_ptr<SeenFrame>> frames;
    // Frames with a status (wParam) and no slot.
    std::vector<WPARAM> statusFrames;
    // The client of the live thread; null once it ended, when frames still
    // queued point into freed slots and are ignored, as an owner must.
    plinto::COstraOnNetCtrl* client = nullptr;
    // Whether each frame is acknowledged (reqNextFrame) after its decode.
    bool acknowledge = true;
    // The decoded picture of the last frame (360 x 243, bottom-up).
    std::vector<uint8_t> picture;

    // What the last WM_PTZ_INFO record held (the window frees it).
    std::pair<int, int> ptzInfoCounts { -1, -1 };
    std::string ptzFirstName;

    size_t Count(UINT message) const;
    bool Has(UINT message, WPARAM wParam) const;

private:
    LRESULT OnFrame(WPARAM wParam, LPARAM lParam);
    void RotatePicture();
    LRESULT OnOther(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnError(WPARAM w, LPARAM l) { return OnOther(WM_STREAM_ERROR, w, l); }
    LRESULT OnAck(WPARAM w, LPARAM l) { return OnOther(WM_STREAM_ACK, w, l); }
    LRESULT OnVersion(WPARAM w, LPARAM l) { return OnOther(WM_STREAM_VERSION, w, l); }
    LRESULT OnDout(WPARAM w, LPARAM l) { return OnOther(WM_STREAM_DOUT, w, l); }
    LRESULT OnInstall(WPARAM w, LPARAM l) { return OnOther(WM_STREAM_INSTALL_INFO, w, l); }
    LRESULT OnPtzInfo(WPARAM w, LPARAM l);
    LRESULT OnPtzAck(WPARAM w, LPARAM l) { return OnOther(WM_PTZ_ACK, w, l); }
    LRESULT OnPtzError(WPARAM w, LPARAM l) { return OnOther(WM_PTZ_ERROR, w, l); }
    void* m_decoder;
    DECLARE_MESSAGE_MAP()
};

// Pumps the test thread's messages until `done` or `ms` have passed.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 10000);

class PlintoFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A resumed network thread whose client exists; the owner acknowledges
    // on its client.
    plinto::CNetThread* StartThread();
    // A service request as the preview fills it, owner = the owner window.
    plinto::tagReqServiceParm Request(BYTE channel = 0, const char* password = "admin") const;
    // startService on the thread's client for the camera's port.
    int StartService(BYTE channel = 0, const char* password = "admin");
    plinto::COstraOnNetCtrl* Client() const { return thread ? thread->m_pOnNetCtrl : nullptr; }
    bool WaitFrames(size_t n, DWORD ms = 10000);
    // Ends the thread and waits for it, as an owner does.
    void EndThread();
    // The requests of `id` the camera received.
    std::vector<sim::StreamEvent> Received(uint16_t id) const;

    sim::DeviceProfile profile = sim::MakeProfile(0);
    std::unique_ptr<sim::CameraStream> camera;
    COwnerWnd owner;
    plinto::CNetThread* thread = nullptr;
    const char* address = "127.0.0.1";
};

} // namespace plinto_test
