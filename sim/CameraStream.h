// The camera stream role of a simulated camera or video server, on its
// HTTP port: the camera dialect of the stream protocol (live service per
// channel, one frame in flight per acknowledgement, the one-shot version,
// channel-information and password exchanges) and, on connections that
// log in with 0x2010, its PTZ messages. Every message received and every
// frame sent is logged for tests; faults are set per message code (a
// request's code for its reply, 0x2202 for the frames).
#pragma once

#include "sim/CameraPicture.h"
#include "sim/ConfigServer.h"

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <vector>

namespace sim
{

// One logged event: a message the device received (frame false) or a frame
// it sent (frame true, number and channel set).
struct StreamEvent {
    int connection = 0; // 1, 2, ... in the order connections came
    bool frame = false;
    uint16_t id = 0; // message id received
    Bytes body; // its body
    uint32_t number = 0; // frame number sent
    uint8_t channel = 0;
};

class CameraStream : public TcpService
{
public:
    explicit CameraStream(const DeviceProfile& profile);
    ~CameraStream() override;

    void SetFault(uint16_t code, const Fault& fault);
    void ClearFaults();
    // Announce this payload length in the frames' information instead of
    // the true one (-1: the truth).
    void SetFramePayloadLengthLie(int64_t length) { m_payloadLie = length; }
    void SetPicture(const CameraPictureSettings& settings);
    // Each channel's picture follows the picture values this store shows
    // for its source (channel n is source n); null: it does not.
    void FollowPicture(const SettingsStore* store);
    // Whether a channel has video; by default channel 1 (bytes 0 and 1) and
    // the channels 2 to 4 (bytes 2 to 4) whose sources are on.
    void SetChannelVideo(uint8_t channel, bool video);
    void SetPassword(const std::string& password);

    std::vector<StreamEvent> Log() const;
    void ClearLog();
    // Waits until `count` log entries satisfy `match` (or `ms` passed).
    bool WaitFor(const std::function<bool(const StreamEvent&)>& match, size_t count, int ms) const;
    // Frames sent so far.
    size_t FramesSent() const;

protected:
    void Serve(int fd) override;

private:
    struct Connection;
    bool HasVideo(uint8_t channel) const;
    bool Authorised(const uint8_t* digests) const;
    // Replies to one message; false when the connection is to end.
    bool Answer(Connection& c, uint16_t id, const Bytes& body);
    bool SendFrame(Connection& c);
    bool Reply(Connection& c, uint16_t requestId, uint16_t status, const Bytes& body);
    bool SendOut(Connection& c, uint16_t code, Bytes message);
    void Record(StreamEvent e);

    DeviceProfile m_profile;
    mutable std::mutex m_lock;
    mutable std::condition_variable m_logged;
    std::map<uint16_t, Fault> m_faults;
    std::vector<StreamEvent> m_log;
    std::map<uint8_t, bool> m_video;
    CameraPictureSettings m_picture;
    const SettingsStore* m_pictureValues = nullptr;
    std::string m_password;
    std::atomic<int64_t> m_payloadLie { -1 };
    std::atomic<int> m_connections { 0 };
    std::atomic<uint32_t> m_frameNumber { 0 };
};

} // namespace sim
