#include "platform/base/File.h"

#include "platform/base/FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile()
{
    Close();
}

BOOL CFile::Open(LPCTSTR fileName, UINT openFlags)
{
    Close();
    if (!fileName)
        return FALSE;
    int flags = O_CLOEXEC;
    switch (openFlags & 3) {
    case modeWrite:
        flags |= O_WRONLY;
        break;
    case modeReadWrite:
        flags |= O_RDWR;
        break;
    default:
        flags |= O_RDONLY;
        break;
    }
    if (openFlags & modeCreate)
        flags |= O_CREAT | ((openFlags & modeNoTruncate) ? 0 : O_TRUNC);
    m_fd = ::open(fileName, flags, 0644);
    if (m_fd < 0)
        return FALSE;
    m_path = fileName;
    return TRUE;
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (m_fd < 0 || !buffer)
        return 0;
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += UINT(n);
    }
    return done;
}

BOOL CFile::Write(const void* buffer, UINT count)
{
    if (m_fd < 0 || (!buffer && count))
        return FALSE;
    UINT done = 0;
    while (done < count) {
        ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return FALSE;
        done += UINT(n);
    }
    return TRUE;
}

int64_t CFile::Seek(int64_t offset, UINT from)
{
    if (m_fd < 0)
        return -1;
    int whence = from == current ? SEEK_CUR : from == end ? SEEK_END : SEEK_SET;
    return ::lseek(m_fd, offset, whence);
}

int64_t CFile::GetPosition() const
{
    return m_fd < 0 ? -1 : ::lseek(m_fd, 0, SEEK_CUR);
}

int64_t CFile::GetLength() const
{
    struct stat st {
    };
    return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? int64_t(st.st_size) : -1;
}

BOOL CFile::SetLength(int64_t length)
{
    return m_fd >= 0 && length >= 0 && ::ftruncate(m_fd, length) == 0;
}

BOOL CFile::Flush()
{
    return m_fd >= 0 && ::fsync(m_fd) == 0;
}

void CFile::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.Empty();
}

BOOL CFile::Rename(LPCTSTR oldName, LPCTSTR newName)
{
    return oldName && newName && RenameFile(oldName, newName);
}

BOOL CFile::Remove(LPCTSTR fileName)
{
    return fileName && RemoveFile(fileName);
}
