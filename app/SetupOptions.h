// Setup's own command-line options: where discovery looks. Without them
// discovery uses every IPv4 adapter of the machine and the broadcast
// address; with them (or the environment variables of the same meaning) it
// uses the given adapter addresses and sends its broadcasts to the given
// targets instead, so that a demonstration stays on loopback.
#pragma once

#include "platform/base/Services.h"

#include <string>
#include <vector>

struct SetupOptions {
    bool help = false;
    std::string error; // a bad option: the text to print
    std::vector<std::string> adapters; // --adapter A (repeatable)
    std::vector<uint32_t> broadcastTargets; // --broadcast-target A (repeatable), host order
};

// Reads argv and the environment (SETUP_ADAPTERS, SETUP_BROADCAST_TARGETS:
// comma-separated addresses); the command line wins.
SetupOptions ParseSetupOptions(int argc, char** argv);
const char* SetupUsage();

// The network environment the options describe: the given adapters (or
// the machine's own) and the given broadcast targets (or the broadcast
// address itself).
class CConfiguredNetwork : public INetworkEnvironment
{
public:
    explicit CConfiguredNetwork(const SetupOptions& options);
    std::vector<AdapterInfo> GetAdapters() override;
    std::vector<uint32_t> BroadcastTargets(uint32_t address) override;

private:
    INetworkEnvironment* m_pMachine;
    std::vector<std::string> m_adapters;
    std::vector<uint32_t> m_targets;
};

// True when a window system can be reached (or Qt is told which platform to use).
bool HasDisplay();
