// String-table ids of the device tree's texts.
#pragma once

#include "platform/base/String.h"
#include "resources/setup/Resource.h"
