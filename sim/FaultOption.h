// A fault of the configuration server as a person writes it on devsim's
// command line: CODE:MODE[=VALUE], CODE the request's command in hex.
#pragma once

#include "sim/ConfigServer.h"

#include <cstdint>
#include <string>

namespace sim
{

// The modes, as devsim --help lists them.
extern const char* const kFaultModesHelp;

// Fills `command` and `fault`; false with a message naming what is wrong.
bool ParseFaultOption(const std::string& text, uint16_t* command, Fault* fault, std::string* error);

} // namespace sim
