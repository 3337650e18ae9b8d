#include "sim/DiscoveryResponder.h"

#include "link/ByteOrder.h"
#include "link/Md4.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sim
{

namespace
{

constexpr uint16_t kDiscover = 0x0101;
constexpr uint16_t kChangeAddress = 0x0102;
constexpr uint32_t kMagic = 0x58524F47;
constexpr uint16_t kRefused = 0xF301;
constexpr size_t kChangeRequestSize = 50;
constexpr int kFollowMs = 100;

sockaddr_in SocketAddress(uint32_t address, uint16_t port)
{
    sockaddr_in sa {};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    sa.sin_addr.s_addr = htonl(address);
    return sa;
}

int BindUdp(uint32_t address, uint16_t port)
{
    int fd = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &one, sizeof one);
    setsockopt(fd, IPPROTO_IP, IP_PKTINFO, &one, sizeof one);
    sockaddr_in sa = SocketAddress(address, port);
    if (bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void PutText(uint8_t* buf, uint32_t* pos, const std::string& text, uint32_t width)
{
    uint8_t field[64] = {};
    // A text as long as its field fills it without a terminator, as a
    // device's 24-character serial number does.
    std::memcpy(field, text.data(), std::min<size_t>(text.size(), width));
    NetPutBytes(buf, pos, field, width);
}

// MD4 of a text zero-padded to 16 bytes, as the credential block carries it.
void DigestField(const std::string& text, uint8_t digest[16])
{
    uint8_t field[16] = {};
    std::memcpy(field, text.data(), std::min<size_t>(text.size(), 16));
    MD4Digest(field, sizeof field, digest);
}

} // namespace

bool IsBroadcastFor(uint32_t to, uint32_t device)
{
    if (to == 0xFFFFFFFF)
        return true;
    uint32_t mask = (device >> 24) == 127 ? 0xFF000000 : 0xFFFFFF00;
    return (to & mask) == (device & mask) && (to | mask) == 0xFFFFFFFF;
}

DiscoveryResponder::DiscoveryResponder() = default;

DiscoveryResponder::~DiscoveryResponder()
{
    Stop();
}

size_t DiscoveryResponder::AddDevice(const DiscoveryDevice& device)
{
    std::lock_guard lock(m_lock);
    m_slots.push_back({ device, -1 });
    return m_slots.size() - 1;
}

bool DiscoveryResponder::Start(uint16_t port)
{
    Stop();
    m_port = port;
    m_broadcastFd = BindUdp(INADDR_ANY, port);
    if (m_broadcastFd < 0)
        return false;
    for (Slot& slot : m_slots) {
        slot.fd = BindUdp(slot.device.profile.address, port);
        if (slot.fd < 0) {
            Stop();
            return false;
        }
    }
    m_stop.Reset();
    m_thread = std::thread([this] { Run(); });
    return true;
}

void DiscoveryResponder::Stop()
{
    if (m_thread.joinable()) {
        m_stop.Raise();
        m_thread.join();
    }
    std::lock_guard lock(m_lock);
    for (Slot& slot : m_slots) {
        if (slot.fd >= 0)
            close(slot.fd);
        slot.fd = -1;
    }
    if (m_broadcastFd >= 0)
        close(m_broadcastFd);
    m_broadcastFd = -1;
}

void DiscoveryResponder::Update(size_t index, const std::function<void(DiscoveryDevice&)>& change)
{
    std::lock_guard lock(m_lock);
    if (index < m_slots.size())
        change(m_slots[index].device);
}

DiscoveryDevice DiscoveryResponder::Device(size_t index) const
{
    std::lock_guard lock(m_lock);
    return index < m_slots.size() ? m_slots[index].device : DiscoveryDevice();
}

size_t DiscoveryResponder::DeviceCount() const
{
    std::lock_guard lock(m_lock);
    return m_slots.size();
}

std::vector<DiscoveryExchange> DiscoveryResponder::Log() const
{
    std::lock_guard lock(m_lock);
    return m_log;
}

void DiscoveryResponder::ClearLog()
{
    std::lock_guard lock(m_lock);
    m_log.clear();
}

size_t DiscoveryResponder::RepliesSent() const
{
    std::lock_guard lock(m_lock);
    return m_replies;
}

std::vector<uint8_t> DiscoveryResponder::DiscoveryReply(const DiscoveryDevice& device)
{
    const DeviceProfile& p = device.profile;
    bool withPort = device.replyCommand == 0x1111;
    std::vector<uint8_t> out(withPort ? 158 : 154);
    uint32_t pos = 0;
    NetPutHeader(out.data(), &pos, { device.replyCommand, 0, uint32_t(out.size() - NET_MSG_HEADER_SIZE) });
    PutText(out.data(), &pos, p.model, 16);
    PutText(out.data(), &pos, p.version1, 32);
    PutText(out.data(), &pos, p.version2, 32);
    PutText(out.data(), &pos, p.serial, 24);
    NetPutU32(out.data(), &pos, p.address);
    if (withPort)
        NetPutU32(out.data(), &pos, p.configPort);
    NetPutBytes(out.data(), &pos, p.mac, 6);
    PutText(out.data(), &pos, device.settings ? device.settings->Title() : p.title, 32);
    return out;
}

void DiscoveryResponder::Run()
{
    std::vector<pollfd> fds;
    {
        std::lock_guard lock(m_lock);
        fds.push_back({ m_stop.Fd(), POLLIN, 0 });
        fds.push_back({ m_broadcastFd, POLLIN, 0 });
        for (const Slot& slot : m_slots)
            fds.push_back({ slot.fd, POLLIN, 0 });
    }
    for (;;) {
        // A device whose configuration server took a new address or port is
        // looked for there: the wait is short so that it moves soon.
        int n = poll(fds.data(), fds.size(), kFollowMs);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || (fds[0].revents & POLLIN))
            return;
        FollowMoves();
        for (size_t i = 1; i < fds.size(); ++i) {
            if (fds[i].revents & POLLIN)
                Serve(fds[i].fd, i == 1);
        }
    }
}

void DiscoveryResponder::FollowMoves()
{
    std::lock_guard lock(m_lock);
    for (Slot& slot : m_slots) {
        const SettingsStore* settings = slot.device.settings;
        if (!settings || settings->Moves() == slot.movesSeen)
            continue;
        slot.movesSeen = settings->Moves();
        const SettingsStore::Endpoint at = settings->Listening();
        if (!slot.normalConfigPort)
            slot.normalConfigPort = slot.device.profile.configPort;
        slot.device.profile.configPort = at.firewallPort ? at.firewallPort : slot.normalConfigPort;
        if (at.address == slot.device.profile.address)
            continue;
        int moved = BindUdp(at.address, m_port);
        if (moved < 0)
            continue;
        // The poll set holds the descriptor's number: keep it for the new socket.
        dup2(moved, slot.fd);
        close(moved);
        slot.device.profile.address = at.address;
    }
}

void DiscoveryResponder::Serve(int fd, bool shared)
{
    for (;;) {
        std::vector<uint8_t> datagram(2048);
        sockaddr_in from {};
        iovec iov { datagram.data(), datagram.size() };
        alignas(cmsghdr) char control[128];
        msghdr msg {};
        msg.msg_name = &from;
        msg.msg_namelen = sizeof from;
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        ssize_t got = recvmsg(fd, &msg, 0);
        if (got < 0)
            return; // drained (non-blocking)
        datagram.resize(size_t(got));
        uint32_t to = 0;
        for (cmsghdr* c = CMSG_FIRSTHDR(&msg); c; c = CMSG_NXTHDR(&msg, c)) {
            if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_PKTINFO) {
                in_pktinfo info;
                std::memcpy(&info, CMSG_DATA(c), sizeof info);
                to = ntohl(info.ipi_addr.s_addr);
            }
        }
        uint32_t sender = ntohl(from.sin_addr.s_addr);
        uint16_t senderPort = ntohs(from.sin_port);
        if (!shared) {
            size_t index = 0;
            {
                std::lock_guard lock(m_lock);
                while (index < m_slots.size() && m_slots[index].fd != fd)
                    ++index;
            }
            Handle(index, datagram, sender, senderPort, to);
            continue;
        }
        // A broadcast reaches every device of its network; a unicast to an
        // address no device has reaches none.
        size_t count = DeviceCount();
        for (size_t index = 0; index < count; ++index) {
            const uint32_t address = Device(index).profile.address;
            if (IsBroadcastFor(to, address) || to == address)
                Handle(index, datagram, sender, senderPort, to);
        }
    }
}

void DiscoveryResponder::Handle(
    size_t index, const std::vector<uint8_t>& datagram, uint32_t from, uint16_t fromPort, uint32_t to)
{
    std::lock_guard lock(m_lock);
    if (index >= m_slots.size())
        return;
    Slot& slot = m_slots[index];
    DiscoveryExchange exchange;
    exchange.device = index;
    exchange.from = from;
    exchange.fromPort = fromPort;
    exchange.to = to;
    exchange.request = datagram;
    WireReader reader(datagram.data(), datagram.size());
    exchange.command = reader.U16();
    exchange.secondWord = reader.U16();
    uint32_t length = reader.U32();
    const bool restarting = slot.device.settings && slot.device.settings->Rebooting();
    if (exchange.command == kDiscover && length == 4 && reader.U32() == kMagic && !reader.Short()
        && !slot.device.silent && !restarting) {
        Answer(slot, DiscoveryReply(slot.device), from, fromPort);
        exchange.answered = true;
    } else if (exchange.command == kChangeAddress && datagram.size() >= kChangeRequestSize
        && !slot.device.silent) {
        ChangeAddress(slot, datagram, from, fromPort, &exchange);
    }
    m_log.push_back(std::move(exchange));
}

void DiscoveryResponder::Answer(Slot& slot, const std::vector<uint8_t>& reply, uint32_t to, uint16_t toPort)
{
    size_t size = slot.device.replyBytes && slot.device.replyBytes < reply.size() ? slot.device.replyBytes
                                                                                  : reply.size();
    sockaddr_in dest = SocketAddress(to, toPort);
    int fd = slot.fd;
    int own = -1;
    if (slot.device.replyFromPort != m_port) {
        own = BindUdp(slot.device.profile.address, slot.device.replyFromPort);
        fd = own;
    }
    if (fd >= 0 && sendto(fd, reply.data(), size, 0, reinterpret_cast<sockaddr*>(&dest), sizeof dest) >= 0)
        ++m_replies;
    if (own >= 0)
        close(own);
}

void DiscoveryResponder::ChangeAddress(Slot& slot, const std::vector<uint8_t>& datagram, uint32_t from,
    uint16_t fromPort, DiscoveryExchange* exchange)
{
    WireReader reader(datagram.data(), datagram.size(), WireReader::Network, NET_MSG_HEADER_SIZE);
    uint8_t user[16], password[16], mac[6];
    reader.Bytes(user, 16);
    reader.Bytes(password, 16);
    uint32_t newAddress = reader.U32();
    reader.Bytes(mac, 6);
    // The request is broadcast: only the device with that MAC takes it.
    if (std::memcmp(mac, slot.device.profile.mac, 6) != 0)
        return;
    const DiscoveryDevice& d = slot.device;
    const std::string admin = d.settings ? d.settings->AdminPassword() : d.profile.password;
    uint8_t wantUser[16], wantPassword[16];
    DigestField("admin", wantUser);
    DigestField(admin, wantPassword);
    bool granted = std::memcmp(user, wantUser, 16) == 0 && std::memcmp(password, wantPassword, 16) == 0;
    // The explorer library sends the two fields as they are, not digested.
    uint8_t plainUser[16] = { 'a', 'd', 'm', 'i', 'n' }, plainPassword[16] = {};
    std::memcpy(plainPassword, admin.data(), std::min<size_t>(admin.size(), 16));
    granted
        = granted || (std::memcmp(user, plainUser, 16) == 0 && std::memcmp(password, plainPassword, 16) == 0);
    uint16_t status = slot.device.changeStatus >= 0 ? uint16_t(slot.device.changeStatus)
        : granted                                   ? 0
                                                    : kRefused;
    uint8_t reply[NET_MSG_HEADER_SIZE];
    uint32_t pos = 0;
    NetPutHeader(reply, &pos, { 0x1102, status, 0 });
    Answer(slot, std::vector<uint8_t>(reply, reply + sizeof reply), from, fromPort);
    exchange->answered = true;
    exchange->status = status;
    if (status != 0)
        return;
    // Move: the device answers at its new address from now on.
    int moved = BindUdp(newAddress, m_port);
    if (moved < 0)
        return;
    // The poll loop holds the old descriptor: keep its number for the new socket.
    dup2(moved, slot.fd);
    close(moved);
    slot.device.profile.address = newAddress;
}

} // namespace sim
