// The stream role of a simulated DVR (family 4): login with the version
// check, live services per channel whose frames go out one per
// acknowledgement (video in the decoder's payload format by resolution code,
// with audio and text frames between them when asked), PTZ commands and the
// preset lists, playback of a recorded span with play, pause, seek and stop,
// keepalives. Faults are set per request id (0x2203: every frame message)
// as for the configuration server, and every request is logged.
#pragma once

#include "sim/ConfigServer.h"
#include "sim/DeviceProfile.h"
#include "sim/TcpService.h"

#include <atomic>
#include <map>
#include <mutex>
#include <vector>

namespace sim
{

// The colours of the test card the DVR sends (0xBBGGRR).
constexpr uint32_t kBackground = 0x782818;
constexpr uint32_t kMarkTopLeft = 0x2020E0;
constexpr uint32_t kMarkBottomRight = 0x20C820;

// How the live pictures look.
struct DvrPicture {
    int resolution = 2; // 0-2 360 x 243, 3 720 x 243, 4 720 x 486
    bool ntsc = true;
    bool rotated = false; // sent upside down, flagged so
    bool ptz = true; // the camera can be moved
    bool withAudioAndText = false; // an audio and a text frame after every video frame
};

// One request the DVR received.
struct DvrExchange {
    uint16_t id = 0;
    uint16_t status = 0; // of the reply, when there was one
    Bytes body;
    int connection = 0; // numbered from 1 in accept order
};

// The recorded span of the playback role.
struct DvrRecording {
    uint32_t start = 1765432800; // seconds since 1970
    uint32_t seconds = 60;
    uint32_t framesPerSecond = 5;
};

class DvrStreamServer : public TcpService
{
public:
    explicit DvrStreamServer(const DeviceProfile& profile);
    ~DvrStreamServer() override;

    void SetPicture(const DvrPicture& picture);
    void SetFault(uint16_t id, const Fault& fault);
    void ClearFaults();
    std::vector<DvrExchange> Log() const;
    void ClearLog();
    // Requests of one id in the log.
    std::vector<DvrExchange> Requests(uint16_t id) const;
    // Video frame messages sent so far (all connections).
    uint32_t FramesSent() const { return m_framesSent.load(); }
    const DvrRecording& Recording() const { return m_recording; }

    // The video payload of one frame, as the live role sends it: the test
    // card in the decoder's format at the size of the resolution code,
    // upside down when the picture says so.
    static Bytes VideoPayload(const DvrPicture& picture, uint32_t sequence, int channel);

protected:
    void Serve(int fd) override;

private:
    friend class DvrStreamSession;
    bool Authorized(const Bytes& body) const;
    bool FaultFor(uint16_t id, Fault* fault) const;
    size_t Record(const DvrExchange& exchange);
    void SetStatus(size_t entry, uint16_t status);
    DvrPicture Picture() const;

    DeviceProfile m_profile;
    DvrRecording m_recording;
    mutable std::mutex m_lock;
    DvrPicture m_picture;
    std::map<uint16_t, Fault> m_faults;
    std::vector<DvrExchange> m_log;
    std::atomic<uint32_t> m_framesSent { 0 };
    std::atomic<int> m_connections { 0 };
};

// The DVR's stream port (the port the program knows as its HTTP port).
constexpr uint16_t kDvrStreamPort = 8001;

} // namespace sim
