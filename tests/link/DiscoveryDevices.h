// Simulated devices for the discovery tests of Setup and of the explorer
// library: one per loopback address, told apart by MAC, port and serial.
#pragma once

#include "link/DeviceHelpers.h"
#include "platform/msg/WndBase.h"
#include "sim/DiscoveryResponder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

inline sim::DiscoveryDevice MakeDiscoveryDevice(uint32_t address, uint16_t form = 0x1111)
{
    sim::DiscoveryDevice d;
    d.profile = sim::MakeProfile(4);
    d.profile.address = address;
    d.profile.mac[5] = uint8_t(address);
    d.profile.configPort = 9000 + (address & 0xFF);
    d.profile.serial = "SN" + std::to_string(address & 0xFF);
    d.replyCommand = form;
    return d;
}

// A fixed text field of a record, without what follows a full field.
inline std::string FieldText(const char* field, size_t width)
{
    return std::string(field, strnlen(field, width));
}

// Asks one device, then the sentinel device: once the sentinel's reply is
// in, whatever the first device sent has been handled before it. `ask`
// sends the unicast request to a dotted address; `seen` tells whether the
// owner holds a record of an address.
template <class Ask, class Seen>
bool AnsweredBeforeSentinel(
    sim::DiscoveryResponder& responder, uint32_t address, uint32_t sentinel, Ask ask, Seen seen)
{
    if (!ask(FormatIpAddress(address)))
        return false;
    // The device has answered (or chosen not to) once its log shows the request.
    EXPECT_TRUE(PumpMessagesUntil(
        [&] { return !responder.Log().empty() && responder.Log().back().to == address; }, 10000));
    EXPECT_TRUE(ask(FormatIpAddress(sentinel)));
    EXPECT_TRUE(PumpMessagesUntil([&] { return seen(sentinel); }, 10000));
    return seen(address);
}
