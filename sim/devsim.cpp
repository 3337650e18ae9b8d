// devsim: runs simulated devices for people, beside the Setup program.
#include "sim/CameraStream.h"
#include "sim/ConfigServer.h"
#include "sim/DiscoveryResponder.h"
#include "sim/DvrStreamServer.h"
#include "sim/FaultOption.h"
#include "sim/FtpServer.h"
#include "sim/KelmothServer.h"
#include "sim/RegServerUdp.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <pthread.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

void Usage()
{
    std::fputs("Usage: devsim [options]\n"
               "Runs simulated devices that answer the configuration protocol and discovery.\n"
               "\n"
               "  --address A      bind address of the first device (default 127.0.0.1)\n"
               "  --port P         configuration port (default 8405; 0 picks a free one)\n"
               "  --family F       device family 0 to 4 (default 4, a recorder)\n"
               "  --class C        recorder class 0 to 4 for family 4 (default 2)\n"
               "  --password W     admin password the device starts with (default admin)\n"
               "  --count N        run N devices on consecutive addresses A, A+1, ...\n"
               "  --discovery-form F  discovery reply 1111 (with the port, default) or 1101\n"
               "  --no-discovery   the devices do not answer discovery on UDP port 8404\n"
               "  --regserver R    also run a registration server on address R: its UDP role and,\n"
               "                   on FTP port 21, the address lookup of the devices above\n"
               "  --regserver-devices N  devices it lists under the login \"demo\" (default 25)\n"
               "  --stream-port P  a recorder's live, playback and PTZ stream port (default 8001)\n"
               "                   and a camera's (families 0, 1, 3) live video and PTZ port, its HTTP port\n"
               "  --help           show this text\n",
        stdout);
    std::fputs(sim::kFaultModesHelp, stdout);
    std::puts(
        "\n"
        "Each device prints its address and port and runs until interrupted. It keeps a clock that\n"
        "follows this machine's in its time zone (Berlin; family 3 New York) with daylight saving,\n"
        "an administrator and the users \"operator\" and \"guard\", cameras that are mostly on and\n"
        "a disk with free space; what a page writes, the next read gives back.\n"
        "Examples: devsim --address 127.0.0.2 --family 4 --password 1234\n"
        "          devsim --address 127.0.0.2 --fault 0104:trickle=2000   (a login that crawls)\n"
        "          devsim --address 127.0.0.2 --fault 010F:reply=1104     (the wrong record)\n"
        "          devsim --address 127.0.0.3 --family 0 --fault 2202:cut=300 (a camera that cuts a frame)");
}

std::string NextAddress(const std::string& address, int step)
{
    unsigned a, b, c, d;
    if (std::sscanf(address.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) != 4)
        return address;
    return std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c) + "."
        + std::to_string(d + step);
}

} // namespace

int main(int argc, char** argv)
{
    // The servers run threads of their own: block the stop signals before any of them starts, so
    // that a stop is taken here by sigwait and never lands on a server thread while this one sleeps.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::string address = "127.0.0.1", password = "admin";
    int port = 8405, family = 4, recorderClass = 2, count = 1;
    int discoveryForm = 0x1111, regServerDevices = 25;
    int streamPort = sim::kDvrStreamPort;
    bool discovery = true;
    std::string regServer;
    struct FaultArg {
        uint16_t command = 0;
        sim::Fault fault;
        std::string text;
    };
    std::vector<FaultArg> faults;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> const char* {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "devsim: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--help" || arg == "-h") {
            Usage();
            return 0;
        } else if (arg == "--address") {
            address = value();
        } else if (arg == "--port") {
            port = std::atoi(value());
        } else if (arg == "--family") {
            family = std::atoi(value());
        } else if (arg == "--class") {
            recorderClass = std::atoi(value());
        } else if (arg == "--password") {
            password = value();
        } else if (arg == "--discovery-form") {
            discoveryForm = std::string(value()) == "1101" ? 0x1101 : 0x1111;
        } else if (arg == "--no-discovery") {
            discovery = false;
        } else if (arg == "--regserver") {
            regServer = value();
        } else if (arg == "--regserver-devices") {
            regServerDevices = std::atoi(value());
        } else if (arg == "--stream-port") {
            streamPort = std::atoi(value());
        } else if (arg == "--count") {
            count = std::atoi(value());
        } else if (arg == "--fault") {
            FaultArg f;
            f.text = value();
            std::string error;
            if (!sim::ParseFaultOption(f.text, &f.command, &f.fault, &error)) {
                std::fprintf(stderr, "devsim: --fault %s\n", error.c_str());
                return 2;
            }
            faults.push_back(f);
        } else {
            std::fprintf(stderr, "devsim: unknown option %s (see --help)\n", arg.c_str());
            return 2;
        }
    }
    if (family < 0 || family > 4 || port < 0 || port > 65535 || count < 1 || count > 64 || streamPort < 0
        || streamPort > 65535) {
        std::fprintf(stderr, "devsim: a value is out of range (see --help)\n");
        return 2;
    }

    std::vector<std::unique_ptr<sim::ConfigServer>> devices;
    std::vector<std::unique_ptr<sim::DvrStreamServer>> streams;
    std::vector<std::unique_ptr<sim::CameraStream>> cameras;
    sim::DiscoveryResponder responder;
    sim::FtpServer lookup;
    std::vector<std::unique_ptr<sim::KelmothServer>> viewerServers;
    for (int i = 0; i < count; ++i) {
        sim::DeviceProfile profile = sim::MakeProfile(static_cast<uint32_t>(family), recorderClass);
        profile.password = password;
        std::string at = NextAddress(address, i);
        unsigned a, b, c, d;
        if (std::sscanf(at.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d) == 4)
            profile.address = (a << 24) | (b << 16) | (c << 8) | d;
        profile.configPort = static_cast<uint32_t>(port);
        // A reboot takes a few seconds, as on a real device.
        profile.rebootMs = 5000;
        // Each device its own identity, so that a device list tells them apart.
        profile.mac[5] = static_cast<uint8_t>(profile.mac[5] + i);
        if (i > 0) {
            profile.serial += '-';
            profile.serial += std::to_string(i);
        }
        auto device = std::make_unique<sim::ConfigServer>(profile);
        for (const FaultArg& f : faults)
            device->SetFault(f.command, f.fault);
        if (!device->Start(at, static_cast<uint16_t>(port))) {
            std::fprintf(stderr, "devsim: cannot listen on %s:%d\n", at.c_str(), port);
            return 1;
        }
        std::printf("device %s (%s, family %d) at %s:%u\n", profile.model.c_str(), profile.serial.c_str(),
            family, at.c_str(), device->Port());
        devices.push_back(std::move(device));
        if (family == 4) {
            // The recorder's video: a test card on every channel, live and recorded.
            auto stream = std::make_unique<sim::DvrStreamServer>(profile);
            if (!stream->Start(at, static_cast<uint16_t>(streamPort))) {
                std::fprintf(
                    stderr, "devsim: cannot listen on %s:%d for the stream\n", at.c_str(), streamPort);
                return 1;
            }
            std::printf("  its video stream at %s:%u\n", at.c_str(), stream->Port());
            streams.push_back(std::move(stream));
        }
        if (family == 0 || family == 1 || family == 3) {
            // The camera's live video, a moving test pattern, and its PTZ.
            auto camera = std::make_unique<sim::CameraStream>(profile);
            // Its picture follows the picture values the device's settings show.
            camera->FollowPicture(&devices.back()->Store());
            for (const FaultArg& f : faults)
                camera->SetFault(f.command, f.fault);
            if (!camera->Start(at, static_cast<uint16_t>(streamPort))) {
                std::fprintf(
                    stderr, "devsim: cannot listen on %s:%d for the stream\n", at.c_str(), streamPort);
                return 1;
            }
            std::printf("  its live video and PTZ at %s:%u\n", at.c_str(), camera->Port());
            cameras.push_back(std::move(camera));
        }
        // Streaming servers also serve the viewer client, on port 8081.
        if (family == 2) {
            auto viewerServer = std::make_unique<sim::KelmothServer>(profile);
            viewerServer->FollowPicture(&devices.back()->Store());
            if (viewerServer->Start(at, sim::kKelmothPort))
                std::printf("  viewer-client stream at %s:%u\n", at.c_str(), viewerServer->Port());
            viewerServers.push_back(std::move(viewerServer));
        }
        sim::DiscoveryDevice answering;
        answering.profile = profile;
        answering.profile.configPort = devices.back()->Port();
        answering.settings = &devices.back()->Store();
        answering.replyCommand = static_cast<uint16_t>(discoveryForm);
        responder.AddDevice(answering);
        sim::RegisteredDevice registered;
        char mac[18];
        std::snprintf(mac, sizeof mac, "%02x:%02x:%02x:%02x:%02x:%02x", profile.mac[0], profile.mac[1],
            profile.mac[2], profile.mac[3], profile.mac[4], profile.mac[5]);
        registered.name = profile.title;
        registered.model = profile.model;
        registered.key32 = profile.serial;
        registered.mac = mac;
        registered.address = at;
        lookup.AddDevice(registered);
    }
    for (const FaultArg& f : faults)
        std::printf("each device misbehaves: %s\n", f.text.c_str());
    if (discovery && !responder.Start()) {
        std::fprintf(stderr, "devsim: cannot bind UDP port %u for discovery\n", sim::kDiscoveryPort);
        return 1;
    }
    if (discovery)
        std::printf(
            "discovery on UDP port %u (reply 0x%04X)\n", sim::kDiscoveryPort, unsigned(discoveryForm));
    sim::RegServerUdp registration;
    if (!regServer.empty()) {
        for (int i = 0; i < regServerDevices; ++i)
            registration.AddDevice(sim::MakeRegisteredDevice("demo", i));
        if (!registration.Start(regServer)) {
            std::fprintf(stderr, "devsim: cannot bind %s:%u for the registration server\n", regServer.c_str(),
                sim::kRegServerUdpPort);
            return 1;
        }
        std::printf("registration server on %s UDP port %u, %d devices under \"demo\"\n", regServer.c_str(),
            registration.Port(), regServerDevices);
        if (lookup.Start(regServer, 21))
            std::printf(
                "registration server on %s FTP port 21, looking up the devices above\n", regServer.c_str());
        else
            std::fprintf(
                stderr, "devsim: cannot listen on %s:21 for the address lookup\n", regServer.c_str());
    }
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    return 0;
}
