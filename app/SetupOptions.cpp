#include "app/SetupOptions.h"

#include "link/DeviceHelpers.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

namespace
{

std::vector<std::string> SplitList(const char* text)
{
    std::vector<std::string> items;
    if (!text)
        return items;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        if (!item.empty())
            items.push_back(item);
    }
    return items;
}

bool AddAdapter(SetupOptions& options, const std::string& text)
{
    uint32_t address = 0;
    if (!ParseStrictAddress(text.c_str(), &address)) {
        options.error = "Setup: \"" + text + "\" is not an IPv4 address (see --help)";
        return false;
    }
    options.adapters.push_back(text);
    return true;
}

bool AddTarget(SetupOptions& options, const std::string& text)
{
    uint32_t address = 0;
    if (!ParseStrictAddress(text.c_str(), &address)) {
        options.error = "Setup: \"" + text + "\" is not an IPv4 address (see --help)";
        return false;
    }
    options.broadcastTargets.push_back(address);
    return true;
}

} // namespace

const char* SetupUsage()
{
    return "Usage: Setup [options]\n"
           "Finds, lists and configures networked CCTV devices.\n"
           "\n"
           "  --adapter A           discover devices from the local address A only, in place\n"
           "                        of every network adapter (repeatable)\n"
           "  --broadcast-target A  send discovery broadcasts to A in place of\n"
           "                        255.255.255.255 (repeatable)\n"
           "  --help                show this text\n"
           "\n"
           "The environment variables SETUP_ADAPTERS and SETUP_BROADCAST_TARGETS take\n"
           "comma-separated addresses with the same meaning; the command line wins.\n"
           "Example, simulated devices on loopback:\n"
           "  Setup --adapter 127.0.0.1 --broadcast-target 127.255.255.255";
}

SetupOptions ParseSetupOptions(int argc, char** argv)
{
    SetupOptions options;
    for (const std::string& item : SplitList(std::getenv("SETUP_ADAPTERS"))) {
        if (!AddAdapter(options, item))
            return options;
    }
    for (const std::string& item : SplitList(std::getenv("SETUP_BROADCAST_TARGETS"))) {
        if (!AddTarget(options, item))
            return options;
    }
    bool adaptersGiven = false, targetsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--adapter" || arg == "--broadcast-target") {
            if (i + 1 >= argc) {
                options.error = "Setup: " + arg + " needs an address (see --help)";
                return options;
            }
            const bool adapter = arg == "--adapter";
            if (adapter && !adaptersGiven) {
                options.adapters.clear();
                adaptersGiven = true;
            }
            if (!adapter && !targetsGiven) {
                options.broadcastTargets.clear();
                targetsGiven = true;
            }
            if (!(adapter ? AddAdapter(options, argv[++i]) : AddTarget(options, argv[++i])))
                return options;
        } else if (arg.rfind("-", 0) == 0) {
            // Qt's own options (-platform, -style ...) pass through.
            continue;
        }
    }
    return options;
}

CConfiguredNetwork::CConfiguredNetwork(const SetupOptions& options)
    : m_pMachine(&Service<INetworkEnvironment>())
    , m_adapters(options.adapters)
    , m_targets(options.broadcastTargets)
{
}

std::vector<AdapterInfo> CConfiguredNetwork::GetAdapters()
{
    if (m_adapters.empty())
        return m_pMachine->GetAdapters();
    std::vector<AdapterInfo> adapters;
    for (const std::string& address : m_adapters) {
        AdapterInfo info;
        info.name = "configured";
        info.ipAddress = address;
        info.ipMask = "255.0.0.0";
        adapters.push_back(info);
    }
    return adapters;
}

std::vector<uint32_t> CConfiguredNetwork::BroadcastTargets(uint32_t address)
{
    if (m_targets.empty())
        return m_pMachine->BroadcastTargets(address);
    return m_targets;
}

bool HasDisplay()
{
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}
