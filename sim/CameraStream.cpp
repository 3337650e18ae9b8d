#include "sim/CameraStream.h"

#include "sim/FaultyReply.h"
#include "sim/PictureAdjust.h"
#include "sim/WireBody.h"

#include "link/DeviceHelpers.h"

#include <chrono>
#include <cstring>
#include <sys/socket.h>

namespace sim
{

namespace
{

constexpr uint16_t kAuthorizationFailed = 0xF301;
constexpr uint16_t kNoVideo = 0xF304;
constexpr uint16_t kReply = 0x100;
constexpr size_t kLargestRequest = 4096;

// Message ids of the camera dialect.
enum : uint16_t {
    kVersion = 0x2001,
    kStart = 0x2002,
    kChange = 0x2004,
    kStop = 0x2005,
    kChannelInfo = 0x2006,
    kPassword = 0x2007,
    kOutput = 0x2008,
    kInstallInfo = 0x2009,
    kPtzLogin = 0x2010,
    kPtzLogout = 0x2011,
    kPtzInfo = 0x2017,
    kPreset = 0x2018,
    kAux = 0x2019,
    kFrame = 0x2202,
    kFrameAck = 0x2302,
    kMoveStart = 0xE011,
    kMoveStop = 0xE013,
};

} // namespace

struct CameraStream::Connection {
    int fd = -1;
    int index = 0;
    bool streaming = false;
    uint8_t channel = 0;
    uint32_t frames = 0;
    bool ptzLoggedIn = false;
};

CameraStream::CameraStream(const DeviceProfile& profile)
    : m_profile(profile)
    , m_password(profile.password)
{
    InitNetByteOrder();
    // Channel 1 is served by the internal camera or the external input,
    // channels 2 to 4 by sources 2 to 4.
    const bool first = (profile.sourcesOn & 0x03) != 0;
    m_video[0] = m_video[1] = first;
    for (uint8_t c = 2; c <= 4; ++c)
        m_video[c] = (profile.sourcesOn >> c) & 1;
    // The video server in New York runs 525-line video.
    m_picture.pal = profile.family != 3;
    ServeConcurrently();
}

CameraStream::~CameraStream()
{
    Stop();
}

void CameraStream::SetFault(uint16_t code, const Fault& fault)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_faults[code] = fault;
}

void CameraStream::ClearFaults()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_faults.clear();
    m_payloadLie = -1;
}

void CameraStream::SetPicture(const CameraPictureSettings& settings)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_picture = settings;
}

void CameraStream::FollowPicture(const SettingsStore* store)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_pictureValues = store;
}

void CameraStream::SetChannelVideo(uint8_t channel, bool video)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_video[channel] = video;
}

void CameraStream::SetPassword(const std::string& password)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_password = password;
}

bool CameraStream::HasVideo(uint8_t channel) const
{
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_video.find(channel);
    return it != m_video.end() && it->second;
}

bool CameraStream::Authorised(const uint8_t* digests) const
{
    uint8_t user[16], password[16];
    DigestText("admin", user);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        DigestText(m_password, password);
    }
    return std::memcmp(digests, user, 16) == 0 && std::memcmp(digests + 16, password, 16) == 0;
}

std::vector<StreamEvent> CameraStream::Log() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_log;
}

void CameraStream::ClearLog()
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_log.clear();
}

bool CameraStream::WaitFor(const std::function<bool(const StreamEvent&)>& match, size_t count, int ms) const
{
    std::unique_lock<std::mutex> lock(m_lock);
    return m_logged.wait_for(lock, std::chrono::milliseconds(ms), [&] {
        size_t n = 0;
        for (const StreamEvent& e : m_log)
            n += match(e) ? 1 : 0;
        return n >= count;
    });
}

size_t CameraStream::FramesSent() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    size_t n = 0;
    for (const StreamEvent& e : m_log)
        n += e.frame ? 1 : 0;
    return n;
}

void CameraStream::Record(StreamEvent e)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_log.push_back(std::move(e));
    m_logged.notify_all();
}

void CameraStream::Serve(int fd)
{
    Connection c;
    c.fd = fd;
    c.index = ++m_connections;
    for (;;) {
        uint8_t head[8];
        if (!ReadFull(fd, head, sizeof head, StopFd()))
            return;
        WireReader h(head, sizeof head);
        const uint16_t id = h.U16();
        h.Skip(2);
        const uint32_t length = h.U32();
        if (length > kLargestRequest)
            return;
        Bytes body(length);
        if (!ReadFull(fd, body.data(), length, StopFd()))
            return;
        StreamEvent e;
        e.connection = c.index;
        e.id = id;
        e.body = body;
        Record(std::move(e));
        if (!Answer(c, id, body))
            return;
    }
}

bool CameraStream::SendOut(Connection& c, uint16_t code, Bytes message)
{
    Fault fault;
    bool faulty = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        auto it = m_faults.find(code);
        if (it != m_faults.end()) {
            fault = it->second;
            faulty = true;
        }
    }
    if (!faulty)
        return SendAll(c.fd, message.data(), message.size());
    message = FaultedReply(std::move(message), fault);
    switch (SendFaulted(c.fd, message, fault, StopFd())) {
    case FaultSend::Closed:
        return false;
    case FaultSend::Silent:
        return true;
    case FaultSend::Sent:
        break;
    }
    // A cut message leaves the connection unusable: end it.
    if (fault.cutAfter >= 0)
        return false;
    return true;
}

bool CameraStream::Reply(Connection& c, uint16_t requestId, uint16_t status, const Bytes& body)
{
    Bytes message = MessageHeader(uint16_t(requestId + kReply), status, uint32_t(body.size()));
    message.insert(message.end(), body.begin(), body.end());
    return SendOut(c, requestId, std::move(message));
}

bool CameraStream::SendFrame(Connection& c)
{
    if (!HasVideo(c.channel))
        return SendOut(c, kFrame, MessageHeader(kFrame, kNoVideo, 0));
    CameraPictureSettings picture;
    const SettingsStore* values = nullptr;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        picture = m_picture;
        values = m_pictureValues;
    }
    if (values && c.channel < kPictureSources) {
        const ShownPicture shown = ShownPictureOf(*values, c.channel);
        picture.brightness = shown.brightness;
        picture.contrast = shown.contrast;
    }
    const uint32_t number = c.frames++;
    Bytes body = CameraFrameBody(picture, c.channel, number, m_payloadLie);
    Bytes message = MessageHeader(kFrame, 0, uint32_t(body.size()));
    message.insert(message.end(), body.begin(), body.end());
    StreamEvent e;
    e.connection = c.index;
    e.frame = true;
    e.number = number;
    e.channel = c.channel;
    Record(std::move(e));
    return SendOut(c, kFrame, std::move(message));
}

bool CameraStream::Answer(Connection& c, uint16_t id, const Bytes& body)
{
    const bool credentials = body.size() >= 32 && Authorised(body.data());
    switch (id) {
    case kStart:
        if (body.size() < 46 || !credentials) {
            Reply(c, id, kAuthorizationFailed, {});
            return false;
        }
        c.channel = body[32];
        c.streaming = true;
        // The first frame follows the acceptance at once; each further one
        // waits for the acknowledgement of the last.
        return Reply(c, id, 0, {}) && SendFrame(c);
    case kFrameAck:
        return !c.streaming || SendFrame(c);
    case kStop:
        c.streaming = false;
        return Reply(c, id, 0, {});
    case kChange:
        return Reply(c, id, 0, {});
    case kVersion:
        if (!credentials)
            return Reply(c, id, kAuthorizationFailed, {});
        return Reply(c, id, 0, Body().Text(m_profile.version1, 32).Text(m_profile.version2, 32).bytes);
    case kChannelInfo: {
        if (!credentials)
            return Reply(c, id, kAuthorizationFailed, {});
        const std::string names = "CH1:" + m_profile.title + ";CH2:Entrance;CH3:Yard;CH4:";
        return Reply(c, id, 0, Body().U16(uint16_t(names.size())).Raw(names.data(), names.size()).bytes);
    }
    case kPassword: {
        if (!credentials || body.size() < 48)
            return Reply(c, id, kAuthorizationFailed, {});
        uint8_t field[16];
        std::memcpy(field, body.data() + 32, 16);
        UnscramblePassword(field);
        SetPassword(std::string(reinterpret_cast<char*>(field), strnlen(reinterpret_cast<char*>(field), 16)));
        return Reply(c, id, 0, {});
    }
    case kOutput:
        return Reply(c, id, 0, Body().U32(body.size() >= 4 ? WireReader(body.data(), 4).U32() : 0).bytes);
    case kInstallInfo:
        return Reply(c, id, 0, Body().U32(0x00010002).bytes);
    case kPtzInfo:
        return Reply(c, id, 0,
            Body()
                .U32(2)
                .U32(1)
                .Text("Pan and tilt", 24)
                .U32(2)
                .Text("Zoom", 24)
                .U32(1)
                .U32(1)
                .U32(8)
                .Text("Presets", 24)
                .bytes);
    case kPtzLogin:
        c.ptzLoggedIn = body.size() >= 33 && credentials;
        return Reply(c, id, c.ptzLoggedIn ? 0 : kAuthorizationFailed, {});
    case kPtzLogout:
        c.ptzLoggedIn = false;
        return Reply(c, id, 0, {});
    case kPreset:
    case kAux:
        return Reply(c, id, c.ptzLoggedIn ? 0 : kAuthorizationFailed, {});
    default:
        if (id >= kMoveStart && id <= kMoveStop)
            return Reply(c, id, c.ptzLoggedIn ? 0 : kAuthorizationFailed, {});
        return true;
    }
}

} // namespace sim
