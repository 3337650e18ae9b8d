#include "app/SetupOptions.h"

#include "platform/base/TestServices.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{

SetupOptions Parse(std::vector<const char*> args)
{
    args.insert(args.begin(), "Setup");
    return ParseSetupOptions(int(args.size()), const_cast<char**>(args.data()));
}

TEST(SetupOptions, AdaptersAndTargetsFromTheCommandLine)
{
    unsetenv("SETUP_ADAPTERS");
    unsetenv("SETUP_BROADCAST_TARGETS");
    SetupOptions options = Parse(
        { "--adapter", "127.0.0.1", "--broadcast-target", "127.255.255.255", "-platform", "offscreen" });
    EXPECT_TRUE(options.error.empty());
    EXPECT_FALSE(options.help);
    EXPECT_EQ(options.adapters, std::vector<std::string> { "127.0.0.1" });
    EXPECT_EQ(options.broadcastTargets, std::vector<uint32_t> { 0x7FFFFFFF });

    EXPECT_TRUE(Parse({ "--help" }).help);
    EXPECT_FALSE(Parse({ "--adapter", "127.0.0.300" }).error.empty());
    EXPECT_FALSE(Parse({ "--broadcast-target" }).error.empty());
    EXPECT_FALSE(Parse({ "--adapter", "lo" }).error.empty());
}

TEST(SetupOptions, TheEnvironmentServesUnlessTheCommandLineSaysOtherwise)
{
    setenv("SETUP_ADAPTERS", "127.0.0.1,127.0.0.9", 1);
    setenv("SETUP_BROADCAST_TARGETS", "127.0.0.2", 1);
    SetupOptions options = Parse({});
    EXPECT_EQ(options.adapters.size(), 2u);
    EXPECT_EQ(options.broadcastTargets, std::vector<uint32_t> { 0x7F000002 });
    options = Parse({ "--adapter", "127.0.0.5" });
    EXPECT_EQ(options.adapters, std::vector<std::string> { "127.0.0.5" });
    unsetenv("SETUP_ADAPTERS");
    unsetenv("SETUP_BROADCAST_TARGETS");
}

TEST(SetupOptions, TheNetworkServiceUsesThemOrTheMachinesOwn)
{
    FixedNetworkEnvironment machine;
    machine.adapters.resize(1);
    machine.adapters[0].ipAddress = "192.0.2.7";
    ScopedService<INetworkEnvironment> useMachine(&machine);

    SetupOptions none;
    CConfiguredNetwork plain(none);
    ASSERT_EQ(plain.GetAdapters().size(), 1u);
    EXPECT_EQ(plain.GetAdapters()[0].ipAddress, "192.0.2.7");
    EXPECT_EQ(plain.BroadcastTargets(0xFFFFFFFF), std::vector<uint32_t> { 0xFFFFFFFF });

    SetupOptions loopback;
    loopback.adapters = { "127.0.0.1" };
    loopback.broadcastTargets = { 0x7FFFFFFF };
    CConfiguredNetwork configured(loopback);
    ASSERT_EQ(configured.GetAdapters().size(), 1u);
    EXPECT_EQ(configured.GetAdapters()[0].ipAddress, "127.0.0.1");
    EXPECT_EQ(configured.BroadcastTargets(0xFFFFFFFF), std::vector<uint32_t> { 0x7FFFFFFF });
}

} // namespace
