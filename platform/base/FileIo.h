// Whole-file reads and atomic writes of the user's files, with a seam that
// lets tests make any step fail.
#pragma once

#include "platform/base/PlatformApi.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class FileOp { Open, Write, Flush, Rename, Remove, Read };

// Test seam: when set and it gives true for an operation on a path, that
// operation fails as the system would see a disk failure. The writes of a
// replacement file report the temporary file's path (the target's path
// followed by a dot and a unique suffix) for Open, Write and Flush, and the
// target's path for Rename.
using FileFaultHook = std::function<bool(FileOp op, const std::string& path)>;
PLATFORM_API void SetFileFaultHook(FileFaultHook hook);

// A file that is not there is something else than a file that is there but
// cannot be read: the first may be created, the second must not be
// written over.
enum class FileReadResult { Read, Missing, Unreadable };

// A file read from its start, piece by piece, for readers that take the
// bytes as they come (a large file then passes through a buffer that stays
// in the cache instead of being held whole).
class PLATFORM_API FileReader
{
public:
    FileReader() = default;
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    ~FileReader();

    FileReadResult Open(const std::string& path);
    // The size the file has now; 0 when it has none (not a regular file).
    size_t Size() const;
    // Fills `buffer` with the next `size` bytes, fewer only at the end of
    // the file; their number goes to `got`. False when the read fails.
    bool Read(void* buffer, size_t size, size_t& got);

private:
    int m_fd = -1;
    bool m_failing = false; // the test seam fails every read
};

// Reads a file, or its first `limit` bytes.
PLATFORM_API FileReadResult ReadFileBytes(
    const std::string& path, std::vector<uint8_t>& bytes, size_t limit = SIZE_MAX);
// Reads a whole file; false when it cannot be opened or read.
PLATFORM_API bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
// Writes `path` so that it holds either its old bytes or all of the new
// ones: a temporary file of its own beside it is written, flushed and
// renamed over it, so that two savers of one file never share a temporary
// file. On failure the temporary file is removed and `path` is untouched.
PLATFORM_API bool WriteFileAtomic(const std::string& path, const void* data, size_t size);
// Creates `path` with these bytes, whole, only when there is no such file:
// an existing file is never replaced, even one made meanwhile by another
// program. False when the file exists or cannot be made.
PLATFORM_API bool WriteNewFile(const std::string& path, const void* data, size_t size);
// Writes a file in place (creating it), flushed; used for scratch files.
PLATFORM_API bool WriteWholeFile(const std::string& path, const void* data, size_t size);
PLATFORM_API bool RenameFile(const std::string& from, const std::string& to);
PLATFORM_API bool RemoveFile(const std::string& path);
PLATFORM_API bool FileExists(const std::string& path);
