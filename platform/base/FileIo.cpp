#include "platform/base/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

} // namespace

void SetFileFaultHook(FileFaultHook hook)
{
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    if (Faulted(FileOp::Open, path))
        return false;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    uint8_t chunk[65536];
    bool ok = true;
    for (;;) {
        ssize_t r = ::read(fd, chunk, sizeof chunk);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            ok = false;
        if (r <= 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + r);
    }
    ::close(fd);
    return ok;
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
    std::string temp = path + ".tmp";
    if (!WriteWholeFile(temp, data, size) || !RenameFile(temp, path)) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
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
