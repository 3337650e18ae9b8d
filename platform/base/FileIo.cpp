#include "platform/base/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::mutex g_hookMutex;
FileFaultHook g_hook;

bool Faulted(FileOp op, const std::string& path)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    return g_hook && g_hook(op, path);
}

bool WriteAll(int fd, const uint8_t* p, size_t n)
{
    while (n) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

// Writes and flushes the bytes into a new temporary file beside `path`,
// made with a unique name and the mode of the file it will replace; its
// name goes to `temp`. Nothing is left behind on failure.
bool WriteTemporaryFile(const std::string& path, const void* data, size_t size, std::string& temp)
{
    std::string pattern = path + ".XXXXXX";
    int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    temp = pattern;
    struct stat st;
    mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    bool ok = !Faulted(FileOp::Open, temp) && ::fchmod(fd, mode) == 0;
    ok = ok && !Faulted(FileOp::Write, temp) && WriteAll(fd, static_cast<const uint8_t*>(data), size);
    ok = ok && !Faulted(FileOp::Flush, temp) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

} // namespace

void SetFileFaultHook(FileFaultHook hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}

FileReader::~FileReader()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

FileReadResult FileReader::Open(const std::string& path)
{
    if (Faulted(FileOp::Open, path))
        return FileReadResult::Unreadable;
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileReadResult::Missing : FileReadResult::Unreadable;
    m_failing = Faulted(FileOp::Read, path);
    return FileReadResult::Read;
}

size_t FileReader::Size() const
{
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0)
        return 0;
    return static_cast<size_t>(st.st_size);
}

bool FileReader::Read(void* buffer, size_t size, size_t& got)
{
    got = 0;
    if (m_fd < 0 || m_failing)
        return false;
    uint8_t* p = static_cast<uint8_t*>(buffer);
    while (got < size) {
        ssize_t r = ::read(m_fd, p + got, size - got);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            return false;
        if (r == 0)
            break;
        got += static_cast<size_t>(r);
    }
    return true;
}

FileReadResult ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, size_t limit)
{
    bytes.clear();
    FileReader file;
    const FileReadResult opened = file.Open(path);
    if (opened != FileReadResult::Read)
        return opened;
    // Sized once, one byte over, so that the read that fills it also finds
    // the end; a file that grows meanwhile is read on to its end.
    size_t got = 0;
    bytes.resize(std::min(limit, file.Size() < SIZE_MAX - 1 ? file.Size() + 1 : SIZE_MAX));
    for (;;) {
        if (got == bytes.size()) {
            if (got == limit)
                break;
            bytes.resize(std::min(limit, std::max<size_t>(65536, got + got / 2)));
        }
        size_t n = 0;
        if (!file.Read(bytes.data() + got, bytes.size() - got, n)) {
            bytes.clear();
            return FileReadResult::Unreadable;
        }
        got += n;
        if (got < bytes.size())
            break;
    }
    bytes.resize(got);
    return FileReadResult::Read;
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    return ReadFileBytes(path, bytes) == FileReadResult::Read;
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size)
{
    if (Faulted(FileOp::Open, path))
        return false;
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    bool ok = !Faulted(FileOp::Write, path) && WriteAll(fd, static_cast<const uint8_t*>(data), size);
    ok = ok && !Faulted(FileOp::Flush, path) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

bool WriteFileAtomic(const std::string& path, const void* data, size_t size)
{
    std::string temp;
    if (!WriteTemporaryFile(path, data, size, temp))
        return false;
    if (!RenameFile(temp, path)) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

bool WriteNewFile(const std::string& path, const void* data, size_t size)
{
    std::string temp;
    if (!WriteTemporaryFile(path, data, size, temp))
        return false;
    // A hard link is made only where no file is: the check and the creation
    // are one step.
    bool ok = !Faulted(FileOp::Rename, path) && ::link(temp.c_str(), path.c_str()) == 0;
    ::unlink(temp.c_str());
    return ok;
}

bool RenameFile(const std::string& from, const std::string& to)
{
    if (Faulted(FileOp::Rename, to))
        return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool RemoveFile(const std::string& path)
{
    if (Faulted(FileOp::Remove, path))
        return false;
    return ::unlink(path.c_str()) == 0;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}
