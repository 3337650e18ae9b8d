// CFile: a file opened for reading and writing in bytes. Failures are
// results (false, or fewer bytes), never exceptions.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/base/String.h"
#include "platform/base/Types.h"

class PLATFORM_API CFile
{
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // modeCreate makes the file (emptying it unless modeNoTruncate).
    BOOL Open(LPCTSTR fileName, UINT openFlags);
    UINT Read(void* buffer, UINT count);
    // False when not every byte could be written.
    BOOL Write(const void* buffer, UINT count);
    // Gives the new position, -1 on failure.
    int64_t Seek(int64_t offset, UINT from);
    void SeekToBegin() { Seek(0, begin); }
    int64_t SeekToEnd() { return Seek(0, end); }
    int64_t GetPosition() const;
    int64_t GetLength() const;
    BOOL SetLength(int64_t length);
    BOOL Flush();
    void Close();
    CString GetFilePath() const { return m_path; }
    bool IsOpen() const { return m_fd >= 0; }

    static BOOL Rename(LPCTSTR oldName, LPCTSTR newName);
    static BOOL Remove(LPCTSTR fileName);

private:
    int m_fd = -1;
    CString m_path;
};
