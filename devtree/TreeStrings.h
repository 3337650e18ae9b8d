// String-table ids of the device tree's texts.
#pragma once

#include "platform/base/String.h"
#include "resources/setup/Resource.h"

inline CString TreeString(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
