// The generic parameter request: a group and an item, the data of a write,
// and in the answer the item's data (a list the reply record owns).
#pragma once

#include "link/ConfigBlock.h"

// 0x0B06 / 0x1B06.
constexpr ConfigBlock<CFG_PARAM_REQUEST, CFG_PARAM_REPLY> PARAMETER_REQUEST { 0x0B06, CONFIG_CRED_SIZE + 6,
    true, [](const CFG_PARAM_REQUEST& request) { return CONFIG_CRED_SIZE + 6 + request.size; } };
