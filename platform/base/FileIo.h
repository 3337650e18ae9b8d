// Whole-file reads and atomic writes of the user's files, with a seam that
// lets tests make any step fail.
#pragma once

#include "platform/base/PlatformApi.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class FileOp { Open, Write, Flush, Rename, Remove };

// Test seam: when set and it gives true for an operation on a path, that
// operation fails as the system would see a disk failure.
using FileFaultHook = std::function<bool(FileOp op, const std::string& path)>;
PLATFORM_API void SetFileFaultHook(FileFaultHook hook);

// Reads a whole file; false when it cannot be opened or read.
PLATFORM_API bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
// Writes `path` so that it holds either its old bytes or all of the new
// ones: a temporary file beside it is written, flushed and renamed over it.
// On failure the temporary file is removed and `path` is untouched.
PLATFORM_API bool WriteFileAtomic(const std::string& path, const void* data, size_t size);
// Writes a file in place (creating it), flushed; used for scratch files.
PLATFORM_API bool WriteWholeFile(const std::string& path, const void* data, size_t size);
PLATFORM_API bool RenameFile(const std::string& from, const std::string& to);
PLATFORM_API bool RemoveFile(const std::string& path);
PLATFORM_API bool FileExists(const std::string& path);
