// The command catalogue of the configuration protocol: for every command the
// layout of its request parameters and of its reply fields.
#pragma once

#include "link/ConfigLayout.h"

#include <cstddef>
#include <cstdint>

struct ConfigCommand {
    uint16_t command;
    // Layout texts (see ConfigLayout.h). Request: nullptr = not encodable;
    // reply: nullptr = no reply case, "" = header only. "!" = coded by hand.
    const char* request;
    const char* reply;
    ConfigLayout requestLayout;
    ConfigLayout replyLayout;
};

constexpr uint16_t CONFIG_REPLY_OFFSET = 0x1000;

// True when a message is the reply of the request: its code is the
// request's plus CONFIG_REPLY_OFFSET. Any other message is no answer to it,
// and none of it may be read by the request's layout.
bool IsReplyTo(uint16_t requestCommand, const uint8_t* message, size_t size);

// Every command, in code order.
const ConfigCommand* ConfigCommands(size_t* count);
// The entry of a request code, or nullptr.
const ConfigCommand* FindConfigCommand(uint16_t command);
