// The viewer-client role of a streaming server (family 2, port 8081): a
// login in two requests (the first gets a challenge, the second must carry
// the token made from it and the password), contents chosen by name, then
// MPEG-4 media frames of a moving test pattern with keepalives between
// them. Faults cut frames, announce hostile lengths, break a frame's fields,
// drop or spoil frames, fall silent or close; a log records every login
// request and what was sent.
#pragma once

#include "sim/DeviceProfile.h"
#include "sim/Mpeg4PatternStream.h"
#include "sim/SettingsStore.h"
#include "sim/TcpService.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace sim
{

constexpr uint16_t kKelmothPort = 8081;

// Message types and statuses as the server writes them.
constexpr uint16_t kKelmothLogin = 0x1000;
constexpr uint16_t kKelmothMedia = 0x2001;
constexpr uint16_t kKelmothKeepalive = 0x2002;
constexpr uint16_t kKelmothAccepted = 512;
constexpr uint16_t kKelmothFailure = 1024;
constexpr uint16_t kKelmothChallengeStatus = 401; // "log in with this challenge"
constexpr uint16_t kKelmothNoContent = 404;

// The token a client must send: Base64 of the MD5 digest of
// "admin:<challenge>:<password>" with its terminating zero, the digest cut
// before its first zero byte.
std::string KelmothToken(const std::string& challenge, const std::string& password);

struct KelmothFaults {
    int firstStatus = kKelmothChallengeStatus; // status of the reply to the first request
    int secondStatus = -1; // force the status of the reply to the second request
    int64_t replyLength = -1; // announce this length in login replies (and send nothing of it)
    bool mediaBeforeReplies = false; // a media frame ahead of each login reply
    bool closeAfterFirstRequest = false; // read the first request, then close
    int leadingBFrames = 0; // B frames of type 2 sent ahead of the stream
    int cutFrame = -1; // send half of this frame, then close
    int hostileLengthFrame = -1; // announce `hostileLength` for this frame instead
    uint32_t hostileLength = 0x100001;
    std::set<int> badFieldFrames; // frames whose video size runs past the body
    std::set<int> dropFrames; // frames left out of the stream
    std::set<int> spoiledFrames; // frames whose VOP bytes are replaced by noise
    int headerlessKeyFrames = 0; // the first key frames carry no stream headers
    int garbledHeaderKeyFrames = 0; // the key frames after those carry noise for headers
    int silenceAfterFrames = -1; // after this many frames send nothing more, stay connected
    int closeAfterFrames = -1; // after this many frames close the connection
};

struct KelmothLoginLog {
    std::string token;
    std::string name;
    uint16_t status = 0;
};

struct KelmothStreamOptions {
    int width = 176;
    int height = 144;
    int bframes = 1;
    int keyInterval = 12;
    int quant = 3;
    int frameCount = -1; // frames to send, then keepalives only (-1: no end)
    int frameIntervalMs = 40;
    int keepaliveMs = 1000;
    uint32_t areaOffset = 4; // the X field: bytes between the fixed fields and the video area
    uint32_t skippedWords = 1; // the word count n (n + 1 words are skipped)
};

class KelmothServer : public TcpService
{
public:
    explicit KelmothServer(const DeviceProfile& profile);
    ~KelmothServer() override;

    // Set before Start.
    std::string password;
    std::string challenge; // empty: a new random challenge per connection
    std::vector<std::string> contents { "live", "stream1" };
    KelmothStreamOptions stream;
    KelmothFaults faults;

    // The pattern's brightness and contrast follow the picture values that
    // `source` of these settings shows (trial sets included), below the
    // frame code, which stays readable. Null: the plain pattern.
    void FollowPicture(const SettingsStore* store, uint8_t source = 1);

    std::vector<KelmothLoginLog> Logins() const;
    // Media frames and keepalives sent (whole messages), over all connections.
    int FramesSent() const { return m_framesSent; }
    int KeepalivesSent() const { return m_keepalives; }
    int Connections() const { return m_connections; }

protected:
    void Serve(int fd) override;

private:
    bool Login(int fd, std::string* name);
    void SendStream(int fd);
    bool SendMedia(int fd, uint32_t type, const std::vector<uint8_t>& video, int index);
    std::string NewChallenge();
    void SpoilHeaders(std::vector<uint8_t>* data, int keyFrame, std::mt19937& noise) const;
    void DrawPicture(int index, YuvPicture* picture) const;

    mutable std::mutex m_lock;
    std::vector<KelmothLoginLog> m_logins;
    std::atomic<int> m_framesSent { 0 };
    std::atomic<int> m_keepalives { 0 };
    std::atomic<int> m_connections { 0 };
    unsigned m_seed = 1;
    const SettingsStore* m_pictureValues = nullptr; // under m_lock
    uint8_t m_pictureSource = 1;
};

} // namespace sim
