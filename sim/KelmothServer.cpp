#include "sim/KelmothServer.h"

#include "link/ByteOrder.h"
#include "sim/CameraPicture.h"
#include "sim/Mpeg4PatternStream.h"
#include "sim/PictureAdjust.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <poll.h>
#include <random>
#include <sys/socket.h>
#include <sys/time.h>

namespace sim
{

namespace
{

constexpr uint16_t kLoginReply = 0x1001;
constexpr size_t kHeader = 8, kTokenField = 32, kNameField = 128, kLoginBody = 164, kChallengeField = 32;

std::string Field(const uint8_t* p, size_t width)
{
    size_t n = 0;
    while (n < width && p[n])
        ++n;
    return std::string(reinterpret_cast<const char*>(p), n);
}

std::vector<uint8_t> Header(uint16_t type, uint16_t status, uint32_t length)
{
    std::vector<uint8_t> bytes(kHeader);
    uint32_t offset = 0;
    NetPutU16(bytes.data(), &offset, type);
    NetPutU16(bytes.data(), &offset, status);
    NetPutU32(bytes.data(), &offset, length);
    return bytes;
}

void Append32(std::vector<uint8_t>& out, uint32_t value)
{
    uint8_t bytes[4];
    uint32_t offset = 0;
    NetPutU32(bytes, &offset, value);
    out.insert(out.end(), bytes, bytes + 4);
}

enum class Waited { Time, Peer, Stop };

// Waits up to `ms` for the stop signal or for the client to send or close.
Waited WaitOn(int fd, int stopFd, int ms)
{
    pollfd fds[2] = { { fd, POLLIN, 0 }, { stopFd, POLLIN, 0 } };
    for (;;) {
        const int n = poll(fds, 2, ms);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || fds[1].revents)
            return Waited::Stop;
        return n == 0 ? Waited::Time : Waited::Peer;
    }
}

// Whether the client is still there after its socket turned readable: it
// sends nothing once it plays, so readable means closed.
bool PeerStillThere(int fd)
{
    uint8_t scratch[256];
    const ssize_t got = recv(fd, scratch, sizeof scratch, MSG_DONTWAIT);
    return got > 0 || (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR));
}

std::string ToBase64(const uint8_t* data, size_t size)
{
    std::string text(4 * ((size + 2) / 3) + 1, '\0');
    const int n
        = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), data, static_cast<int>(size));
    text.resize(n > 0 ? size_t(n) : 0);
    return text;
}

} // namespace

std::string KelmothToken(const std::string& challenge, const std::string& password)
{
    const std::string text = "admin:" + challenge + ":" + password;
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    // The digest covers the text's terminating zero too.
    if (!EVP_Digest(text.c_str(), text.size() + 1, digest, &length, EVP_md5(), nullptr))
        return std::string();
    const size_t used = size_t(std::find(digest, digest + length, 0) - digest);
    return ToBase64(digest, used);
}

KelmothServer::KelmothServer(const DeviceProfile& profile)
    : password(profile.password)
    , m_seed(profile.address ^ 0x4B454C4Du)
{
    ServeConcurrently();
}

KelmothServer::~KelmothServer()
{
    Stop();
}

std::vector<KelmothLoginLog> KelmothServer::Logins() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_logins;
}

std::string KelmothServer::NewChallenge()
{
    if (!challenge.empty())
        return challenge;
    std::lock_guard<std::mutex> guard(m_lock);
    std::mt19937 random(m_seed++);
    static const char digits[] = "0123456789abcdef";
    std::string text(32, '0');
    for (char& c : text)
        c = digits[random() % 16];
    return text;
}

void KelmothServer::Serve(int fd)
{
    ++m_connections;
    // A client that stops reading must not hold the server's thread.
    timeval limit { 2, 0 };
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    std::string name;
    if (Login(fd, &name))
        SendStream(fd);
}

bool KelmothServer::Login(int fd, std::string* name)
{
    const std::string issued = NewChallenge();
    for (int round = 0; round < 2; ++round) {
        uint8_t header[kHeader];
        if (!ReadFull(fd, header, sizeof header, StopFd()))
            return false;
        uint32_t type = 0, length = 0;
        NetPeekU16(header, 0, &type);
        NetPeekU32(header, 4, &length);
        if (type != kKelmothLogin || length != kLoginBody)
            return false;
        uint8_t body[kLoginBody];
        if (!ReadFull(fd, body, sizeof body, StopFd()))
            return false;
        KelmothLoginLog entry;
        entry.token = Field(body, kTokenField);
        entry.name = Field(body + kTokenField, kNameField);
        *name = entry.name;
        if (round == 0 && faults.closeAfterFirstRequest) {
            std::lock_guard<std::mutex> guard(m_lock);
            m_logins.push_back(entry);
            return false;
        }

        std::vector<uint8_t> replyBody;
        if (round == 0) {
            entry.status = static_cast<uint16_t>(faults.firstStatus);
            replyBody.assign(kChallengeField, 0);
            std::memcpy(replyBody.data(), issued.data(), std::min(issued.size(), kChallengeField));
        } else {
            const bool known = std::find(contents.begin(), contents.end(), entry.name) != contents.end();
            entry.status = entry.token != KelmothToken(issued, password) ? kKelmothFailure
                : known                                                  ? kKelmothAccepted
                                                                         : kKelmothNoContent;
            if (faults.secondStatus >= 0)
                entry.status = static_cast<uint16_t>(faults.secondStatus);
        }
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_logins.push_back(entry);
        }
        if (faults.mediaBeforeReplies && !SendMedia(fd, 1, { 0, 0, 1, 0xB6, 0x55 }, -1))
            return false;
        const uint32_t announced = faults.replyLength >= 0 ? static_cast<uint32_t>(faults.replyLength)
                                                           : uint32_t(replyBody.size());
        std::vector<uint8_t> reply = Header(kLoginReply, entry.status, announced);
        if (faults.replyLength < 0)
            reply.insert(reply.end(), replyBody.begin(), replyBody.end());
        if (!SendAll(fd, reply.data(), reply.size()))
            return false;
        if (faults.replyLength >= 0 || entry.status == kKelmothFailure)
            return false;
    }
    return faults.secondStatus < 0 || faults.secondStatus == kKelmothAccepted;
}

bool KelmothServer::SendMedia(int fd, uint32_t type, const std::vector<uint8_t>& video, int index)
{
    const bool badFields = faults.badFieldFrames.count(index) > 0;
    std::vector<uint8_t> body;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(now);
    Append32(body, static_cast<uint32_t>(seconds.count()));
    Append32(body,
        static_cast<uint32_t>(
            std::chrono::duration_cast<std::chrono::nanoseconds>(now - seconds).count() / 100));
    Append32(body, type);
    Append32(body, stream.areaOffset);
    body.insert(body.end(), stream.areaOffset, 0);
    // A broken frame announces more video than its body holds.
    Append32(body, static_cast<uint32_t>(video.size()) + (badFields ? 0x10000u : 0u));
    Append32(body, stream.skippedWords);
    for (uint32_t i = 0; i <= stream.skippedWords; ++i)
        Append32(body, 0x4B4C4D00u + i);
    body.insert(body.end(), video.begin(), video.end());

    std::vector<uint8_t> message;
    if (index >= 0 && index == faults.hostileLengthFrame) {
        message = Header(kKelmothMedia, 0, faults.hostileLength);
        return SendAll(fd, message.data(), message.size());
    }
    message = Header(kKelmothMedia, 0, static_cast<uint32_t>(body.size()));
    message.insert(message.end(), body.begin(), body.end());
    if (index >= 0 && index == faults.cutFrame) {
        SendAll(fd, message.data(), message.size() / 2);
        return false;
    }
    if (!SendAll(fd, message.data(), message.size()))
        return false;
    ++m_framesSent;
    return true;
}

void KelmothServer::SpoilHeaders(std::vector<uint8_t>* data, int keyFrame, std::mt19937& noise) const
{
    static const uint8_t groupStart[] = { 0, 0, 1, 0xB3 };
    const auto group = std::search(data->begin(), data->end(), std::begin(groupStart), std::end(groupStart));
    if (keyFrame < faults.headerlessKeyFrames) {
        data->erase(data->begin(), group);
    } else if (keyFrame < faults.headerlessKeyFrames + faults.garbledHeaderKeyFrames) {
        // Noise without start codes, in place of the headers.
        for (auto at = data->begin(); at != group; ++at)
            *at = static_cast<uint8_t>(0x80 | noise());
    }
}

void KelmothServer::FollowPicture(const SettingsStore* store, uint8_t source)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_pictureValues = store;
    m_pictureSource = source;
}

void KelmothServer::DrawPicture(int index, YuvPicture* picture) const
{
    DrawTestPattern(index, picture);
    const SettingsStore* values = nullptr;
    uint8_t source = 0;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        values = m_pictureValues;
        source = m_pictureSource;
    }
    if (!values || source >= kPictureSources)
        return;
    const ShownPicture shown = ShownPictureOf(*values, source);
    const size_t from = size_t(std::min(kPatternCodeBlock, picture->height)) * size_t(picture->width);
    for (size_t i = from; i < picture->y.size(); ++i)
        picture->y[i] = AdjustedLevel(picture->y[i], shown.brightness, shown.contrast);
}

void KelmothServer::SendStream(int fd)
{
    // Made at the first frame to send: a connection that only gets
    // keepalives costs no encoder.
    std::optional<Mpeg4PatternStream> encoder;
    Mpeg4Frame frame;
    if (faults.leadingBFrames > 0) {
        // B frames from a stream of their own, sent before any key frame.
        Mpeg4PatternStream early(stream.width, stream.height, 1, stream.keyInterval, stream.quant);
        Mpeg4Frame b;
        while (early.Next(&b) && b.vopType != 2) { }
        for (int i = 0; i < faults.leadingBFrames; ++i) {
            if (!SendMedia(fd, 2, b.data, -1))
                return;
        }
    }
    std::mt19937 noise(7);
    int keyFrames = 0;
    int index = 0;
    bool stalled = false;
    auto lastSent = std::chrono::steady_clock::now();
    for (;;) {
        const bool streaming = !stalled && (stream.frameCount < 0 || index < stream.frameCount)
            && (faults.silenceAfterFrames < 0 || index < faults.silenceAfterFrames);
        if (faults.closeAfterFrames >= 0 && index >= faults.closeAfterFrames)
            return;
        if (streaming) {
            if (!encoder)
                encoder.emplace(stream.width, stream.height, stream.bframes, stream.keyInterval, stream.quant,
                    [this](int picture, YuvPicture* into) { DrawPicture(picture, into); });
            if (!encoder->Next(&frame))
                return;
            const int current = index++;
            if (faults.dropFrames.count(current))
                continue;
            if (faults.spoiledFrames.count(current)) {
                static const uint8_t vopStart[] = { 0, 0, 1, 0xB6 };
                const size_t vop = size_t(std::search(frame.data.begin(), frame.data.end(),
                                              std::begin(vopStart), std::end(vopStart))
                    - frame.data.begin());
                for (size_t i = vop + 5; i < frame.data.size(); ++i)
                    frame.data[i] = static_cast<uint8_t>(noise());
            }
            if (frame.vopType == 0)
                SpoilHeaders(&frame.data, keyFrames++, noise);
            const uint32_t type = frame.vopType == 0 ? 0 : frame.vopType == 2 ? 2 : 1;
            if (!SendMedia(fd, type, frame.data, current))
                return;
            // After a hostile length nothing the client could read follows.
            stalled = current == faults.hostileLengthFrame;
            lastSent = std::chrono::steady_clock::now();
        }
        const bool silent = stalled || (faults.silenceAfterFrames >= 0 && index >= faults.silenceAfterFrames);
        const int wait = streaming ? stream.frameIntervalMs : silent ? 1000 : stream.keepaliveMs;
        const Waited waited = WaitOn(fd, StopFd(), wait);
        if (waited == Waited::Stop || (waited == Waited::Peer && !PeerStillThere(fd)))
            return;
        if (!streaming && !silent
            && std::chrono::steady_clock::now() - lastSent >= std::chrono::milliseconds(stream.keepaliveMs)) {
            const std::vector<uint8_t> keepalive = Header(kKelmothKeepalive, 0, 0);
            if (!SendAll(fd, keepalive.data(), keepalive.size()))
                return;
            ++m_keepalives;
            lastSent = std::chrono::steady_clock::now();
        }
    }
}

} // namespace sim
