// Fixed-size text fields of device records: a text into its zero-filled
// field (the callers limit texts to the field), a field back into a text
// that stops at the field's end when the device left no terminator.
#pragma once

#include "platform/base/String.h"

#include <algorithm>
#include <cstring>
#include <string>

inline void CopyTextField(char* field, size_t size, const char* text)
{
    std::memset(field, 0, size);
    if (text)
        std::memcpy(field, text, std::min(size, std::strlen(text)));
}

inline CString TextOfField(const char* field, size_t size)
{
    return CString(std::string(field, strnlen(field, size)).c_str());
}
