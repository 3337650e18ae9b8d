// Device families as the tree, the views and the request header know them.
#pragma once

#include <cstdint>

constexpr uint32_t DEVICE_FAMILY_STREAM_SERVER = 2;
constexpr uint32_t DEVICE_FAMILY_DVR = 4;
