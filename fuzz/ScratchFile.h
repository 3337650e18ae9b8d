// A file in a folder of its own under $TMPDIR (else /tmp) that a fuzz target
// writes its input to, for the code that reads and writes files by path.
// Pointing TMPDIR at a memory file system makes the flushes of every save
// cheap, so that a fuzzing run tries many more inputs.
#pragma once

#include "platform/base/FileIo.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

inline std::string MakeScratchPath(const char* name)
{
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = tmp && *tmp ? tmp : "/tmp";
    std::string pattern = base + "/fuzz-scratch-XXXXXX";
    const char* dir = mkdtemp(pattern.data());
    return std::string(dir ? dir : base.c_str()) + "/" + name;
}

inline std::vector<uint8_t> ReadScratch(const std::string& path)
{
    std::vector<uint8_t> bytes;
    ReadWholeFile(path, bytes);
    return bytes;
}

inline void WriteScratch(const std::string& path, const void* data, size_t size)
{
    if (!WriteWholeFile(path, data, size))
        std::abort();
}
