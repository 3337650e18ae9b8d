// Blocks of the device's upkeep: the reboot and the reset of its settings
// to what it left the factory with.
#pragma once

#include "link/ConfigBlock.h"

// 0x0103: the device restarts after it answered.
constexpr ConfigBlock<CFG_NONE, CFG_NONE> REBOOT_DEVICE { 0x0103, CONFIG_CRED_SIZE };
// 0x0901: the device's settings back to their defaults.
constexpr ConfigBlock<CFG_NONE, CFG_NONE> RESET_FLASH { 0x0901, CONFIG_CRED_SIZE };
