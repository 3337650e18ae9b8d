#include "sim/DvrStreamSession.h"

#include "link/ByteOrder.h"
#include "sim/DvrStreamFrames.h"
#include "sim/FaultyReply.h"
#include "sim/WireBody.h"

#include <string>
#include <sys/socket.h>
#include <thread>

namespace sim
{

namespace
{

constexpr uint16_t kAuthorizationFailed = 0xF301;
constexpr uint16_t kNoSuchChannel = 0xF302;
constexpr uint16_t kOutsideRecording = 0xF313;
constexpr size_t kLargestRequest = 0x20000;
// Frames of a recording are played faster than they were taken.
constexpr int kPlaybackFrameMs = 10;
constexpr int kIdleWaitMs = 50;

// Two contents, then the service words as the recorders send them.
Bytes ContentListBody()
{
    Body b;
    b.U16(1).U16(2);
    b.U16(0x0001).U16(4).Text("MP4V", 4);
    b.U16(0x0401).U16(3).Text("PCM", 3);
    b.U32(0x1200);
    for (uint32_t w : { 0x1000u, 0x1001u, 0x1002u, 0x1003u, 0x1003u })
        b.U32(w);
    for (uint32_t w = 0x1004; w <= 0x100F; ++w)
        b.U32(w);
    for (int i = 0; i < 10; ++i)
        b.U32(0xFFFFFFFF);
    b.U32(0x6000).U32(0x1600).U32(0xFFFFFFFF).U32(0xFFFFFFFF);
    return b.bytes;
}

Bytes Header(uint16_t id, uint16_t status, uint32_t length)
{
    Body h;
    h.U16(id).U16(status).U32(length);
    return h.bytes;
}

} // namespace

DvrStreamSession::DvrStreamSession(DvrStreamServer& server, int fd, int connection, int stopFd)
    : m_server(server)
    , m_fd(fd)
    , m_connection(connection)
    , m_stopFd(stopFd)
{
}

int DvrStreamSession::WaitMs() const
{
    if (m_play == Play::Playing) {
        const auto left
            = std::chrono::duration_cast<std::chrono::milliseconds>(m_pbDue - Clock::now()).count();
        return left > 0 ? int(left) : 0;
    }
    return kIdleWaitMs;
}

void DvrStreamSession::Run()
{
    for (;;) {
        if (m_loggedIn && m_credit > 0 && !m_channels.empty() && !SendNextLiveFrame())
            return;
        if (m_play == Play::Playing && Clock::now() >= m_pbDue && !SendNextPlaybackFrame())
            return;
        const int wait = (m_loggedIn && m_credit > 0 && !m_channels.empty()) ? 0 : WaitMs();
        if (!WaitReadable(m_fd, m_stopFd, wait)) {
            // Time-out (or stop): stop ends the session, a time-out goes on.
            if (WaitReadable(m_stopFd, -1, 0))
                return;
            continue;
        }
        uint8_t head[8];
        if (!ReadFull(m_fd, head, sizeof head, m_stopFd))
            return;
        WireReader h(head, sizeof head);
        const uint16_t id = h.U16();
        h.U16();
        const uint32_t length = h.U32();
        if (length > kLargestRequest)
            return;
        Bytes body(length);
        if (length && !ReadFull(m_fd, body.data(), length, m_stopFd))
            return;
        m_replied = false;
        m_lastStatus = 0;
        // Logged before the reply goes out, so that a client that has the
        // reply finds its request in the log.
        DvrExchange exchange;
        exchange.id = id;
        exchange.body = body;
        exchange.connection = m_connection;
        const size_t entry = m_server.Record(exchange);
        const bool go = Handle(id, body);
        if (m_replied)
            m_server.SetStatus(entry, m_lastStatus);
        if (!go)
            return;
    }
}

bool DvrStreamSession::Handle(uint16_t id, const Bytes& body)
{
    bool handled = false;
    bool go = HandleLive(id, body, &handled);
    if (!handled)
        go = HandlePtz(id, body, &handled);
    if (!handled)
        go = HandlePlayback(id, body, &handled);
    return go;
}

bool DvrStreamSession::HandleLive(uint16_t id, const Bytes& body, bool* handled)
{
    *handled = true;
    const DeviceProfile& profile = m_server.m_profile;
    WireReader in(body.data(), body.size());
    switch (id) {
    case 0x2016: {
        if (!m_server.Authorized(body))
            return Reply(id, kAuthorizationFailed);
        m_loggedIn = true;
        Body b;
        b.U16(static_cast<uint16_t>(profile.zone)).U16(0x0001);
        return Reply(id, 0, b.bytes);
    }
    case 0x2001: {
        if (!m_server.Authorized(body))
            return Reply(id, kAuthorizationFailed);
        Body b;
        b.Text(profile.version1, 32).Text(profile.version2, 32);
        return Reply(id, 0, b.bytes);
    }
    case 0x201A: {
        Body b;
        b.U16(0x2000);
        return Reply(id, 0, b.bytes);
    }
    case 0x2012: {
        if (!m_server.Authorized(body))
            return Reply(id, kAuthorizationFailed);
        return Reply(id, 0, ContentListBody());
    }
    case 0x2018: {
        if (!m_server.Authorized(body))
            return Reply(id, kAuthorizationFailed);
        const int cameras = profile.analogCameras + profile.networkCameras;
        Body b;
        b.U16(static_cast<uint16_t>(cameras));
        for (int i = 1; i <= cameras; ++i)
            b.Text("Camera " + std::to_string(i), 24);
        return Reply(id, 0, b.bytes);
    }
    case 0x2013:
    case 0x2014:
    case 0x2015: {
        const uint32_t count = in.U32();
        std::vector<int> channels;
        const int cameras = profile.analogCameras + profile.networkCameras;
        for (uint32_t i = 0; i < count && !in.Short(); ++i) {
            const uint16_t service = in.U16();
            const uint16_t parmLength = in.U16();
            in.Skip(parmLength);
            const int channel = service & 0xFF;
            if (channel < 1 || channel > cameras)
                return Reply(id, kNoSuchChannel);
            channels.push_back(channel);
        }
        if (!m_loggedIn || in.Short())
            return Reply(id, kAuthorizationFailed);
        if (id == 0x2015) {
            for (int c : channels)
                std::erase(m_channels, c);
        } else {
            m_channels = channels;
            m_nextChannel = 0;
            m_credit = 1;
        }
        return Reply(id, 0);
    }
    case 0x2302:
        if (in.U16() == 0x2202 && m_credit < 4)
            ++m_credit;
        return true;
    case 0x2005:
        m_loggedIn = false;
        m_channels.clear();
        return true;
    case 0x2017:
        return Reply(id, 0);
    case 0x2019: {
        Body b;
        b.U16(static_cast<uint16_t>(profile.zone)).U8(1).U32(static_cast<uint32_t>(profile.zoneOffset));
        return Reply(id, 0, b.bytes);
    }
    case 0x2008: {
        Body b;
        b.U32(in.U32());
        return Reply(id, 0, b.bytes);
    }
    default:
        *handled = false;
        return true;
    }
}

bool DvrStreamSession::HandlePtz(uint16_t id, const Bytes& body, bool* handled)
{
    *handled = true;
    switch (id) {
    case 0x2010:
        if (body.size() != 33 || !m_server.Authorized(body))
            return Reply(id, kAuthorizationFailed);
        return Reply(id, 0);
    case 0x2011:
        return true;
    case 0xE011:
    case 0xE012:
    case 0xE013:
    case 0xE014:
    case 0xE090:
        return Reply(id, 0);
    case 0x20E0: {
        // Presets and tours of the camera.
        const char* presets[] = { "Entrance", "Till", "Back door" };
        Body b;
        b.U8(3);
        for (int i = 0; i < 3; ++i)
            b.Text(presets[i], 24).U8(static_cast<uint8_t>(i + 1));
        b.U8(1).Text("Night round", 24).U8(1).Zero(3).U32(30);
        return Reply(id, 0, b.bytes);
    }
    default:
        *handled = false;
        return true;
    }
}

bool DvrStreamSession::HandlePlayback(uint16_t id, const Bytes& body, bool* handled)
{
    *handled = true;
    const DeviceProfile& profile = m_server.m_profile;
    const DvrRecording& rec = m_server.m_recording;
    WireReader in(body.data(), body.size());
    if (id != 0x4001 && (id & 0xFF00) == 0x4000 && !m_pbLoggedIn)
        return Reply(id, kAuthorizationFailed);
    switch (id) {
    case 0x4001: {
        if (!m_server.Authorized(body))
            return Reply(id, kAuthorizationFailed);
        m_pbLoggedIn = true;
        Body b;
        b.U16(static_cast<uint16_t>(profile.zoneOffset)).U16(1);
        return Reply(id, 0, b.bytes);
    }
    case 0x4005: {
        Body b;
        b.Text(profile.version1, 32).Text(profile.version2, 32);
        return Reply(id, 0, b.bytes);
    }
    case 0x400C: {
        Body b;
        b.U32(1).U32(500000).U32(120000).U32(rec.start).U32(rec.start + rec.seconds).U32(0);
        return Reply(id, 0, b.bytes);
    }
    case 0x4011: {
        const uint32_t from = in.U32(), to = in.U32();
        if (to < from)
            return Reply(id, kOutsideRecording);
        Body b;
        b.U32(std::max(from, rec.start)).U32(std::min(to, rec.start + rec.seconds));
        return Reply(id, 0, b.bytes);
    }
    case 0x4010:
        return PlayControl(body);
    case 0x400D:
        return Reply(id, 0, ContentListBody());
    case 0x4014: {
        Body b;
        b.U16(0x00FF);
        return Reply(id, 0, b.bytes);
    }
    case 0x4008:
    case 0x400E:
        return Reply(id, 0);
    case 0x4012:
        return true;
    case 0x4009:
        m_pbLoggedIn = false;
        m_play = Play::Stopped;
        return true;
    default:
        *handled = false;
        return true;
    }
}

bool DvrStreamSession::PlayControl(const Bytes& body)
{
    const DvrRecording& rec = m_server.m_recording;
    WireReader in(body.data(), body.size());
    uint32_t ctrl[6];
    for (uint32_t& c : ctrl)
        c = in.U32();
    const uint32_t length = in.U32();
    if (in.Short() || length % 4 || length > in.Remaining())
        return Reply(0x4010, kOutsideRecording);
    // Control fields: command (1 play, 2 pause, 3 stop, 4 seek), channel,
    // position in seconds from the start of the recording.
    switch (ctrl[0]) {
    case 1:
        m_pbChannel = int(ctrl[1]);
        if (m_play == Play::Stopped)
            m_pbIndex = 0;
        m_play = Play::Playing;
        m_pbDue = Clock::now();
        break;
    case 2:
        if (m_play == Play::Playing)
            m_play = Play::Paused;
        break;
    case 3:
        m_play = Play::Stopped;
        m_pbIndex = 0;
        break;
    case 4: {
        if (ctrl[2] >= rec.seconds) {
            Body b;
            b.U32(rec.start).U32(rec.start + rec.seconds);
            return Reply(0x4010, kOutsideRecording, b.bytes);
        }
        m_pbIndex = ctrl[2] * rec.framesPerSecond;
        break;
    }
    default:
        return Reply(0x4010, kOutsideRecording);
    }
    return Reply(0x4010, 0);
}

bool DvrStreamSession::Reply(uint16_t id, uint16_t status, const Bytes& body)
{
    m_replied = true;
    m_lastStatus = status;
    Bytes message = Header(static_cast<uint16_t>(id + 0x100), status, static_cast<uint32_t>(body.size()));
    message.insert(message.end(), body.begin(), body.end());
    return Send(id, std::move(message));
}

bool DvrStreamSession::Send(uint16_t faultId, Bytes message)
{
    Fault fault;
    if (!m_server.FaultFor(faultId, &fault))
        return SendAll(m_fd, message.data(), message.size());
    if (fault.status)
        m_lastStatus = fault.status;
    message = FaultedReply(std::move(message), fault);
    switch (SendFaulted(m_fd, message, fault, m_stopFd)) {
    case FaultSend::Closed:
        return false;
    case FaultSend::Silent:
        return true;
    case FaultSend::Sent:
        break;
    }
    if (fault.cutAfter < 0)
        return true;
    // A cut message leaves the connection unusable: end it at once, so the
    // client sees the cut rather than waiting out the rest.
    shutdown(m_fd, SHUT_RDWR);
    return false;
}

bool DvrStreamSession::SendNextLiveFrame()
{
    const DvrPicture picture = m_server.Picture();
    const int channel = m_channels[m_nextChannel % m_channels.size()];
    Bytes message;
    if (m_phase == 0) {
        message = DvrFrameMessage(DvrFrameKind::Video, channel, m_sequence,
            DvrStreamServer::VideoPayload(picture, m_sequence, channel));
        ++m_server.m_framesSent;
    } else {
        const Bytes data(m_phase == 1 ? 320 : 24, static_cast<uint8_t>(m_phase == 1 ? 0x80 : 'T'));
        message = DvrFrameMessage(
            m_phase == 1 ? DvrFrameKind::Audio : DvrFrameKind::Text, channel, m_sequence, data);
    }
    if (picture.withAudioAndText && m_phase < 2) {
        ++m_phase;
    } else {
        m_phase = 0;
        ++m_sequence;
        ++m_nextChannel;
    }
    --m_credit;
    return Send(0x2203, std::move(message));
}

bool DvrStreamSession::SendNextPlaybackFrame()
{
    const DvrRecording& rec = m_server.m_recording;
    if (m_pbIndex >= rec.seconds * rec.framesPerSecond) {
        m_play = Play::Stopped;
        Body b;
        b.U32(rec.start).U32(rec.start + rec.seconds);
        Bytes message = Header(0x4110, kOutsideRecording, 8);
        message.insert(message.end(), b.bytes.begin(), b.bytes.end());
        return Send(0x4010, std::move(message));
    }
    DvrPicture picture = m_server.Picture();
    const int64_t timeMs = int64_t(m_pbIndex) * 1000 / rec.framesPerSecond;
    Bytes message = DvrFrameMessage(DvrFrameKind::Video, m_pbChannel, m_pbIndex,
        DvrStreamServer::VideoPayload(picture, m_pbIndex, m_pbChannel), timeMs);
    ++m_pbIndex;
    m_pbDue = Clock::now() + std::chrono::milliseconds(kPlaybackFrameMs);
    return Send(0x2203, std::move(message));
}

} // namespace sim
