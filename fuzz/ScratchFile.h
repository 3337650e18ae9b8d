// A file in a folder of its own under /tmp that a fuzz target writes its
// input to, for the code that reads and writes files by path.
#pragma once

#include "platform/base/FileIo.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

inline std::string MakeScratchPath(const char* name)
{
    char pattern[] = "/tmp/fuzz-scratch-XXXXXX";
    const char* dir = mkdtemp(pattern);
    return std::string(dir ? dir : "/tmp") + "/" + name;
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
