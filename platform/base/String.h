// CString: the system's text type. The text is held as UTF-8 bytes; lengths,
// indices and Find results count bytes, as the code sizes its fixed-width
// record fields in bytes.
#pragma once

#include "platform/base/PlatformApi.h"
#include "platform/base/Types.h"

#include <cstdarg>
#include <string>
#include <string_view>

class PLATFORM_API CString
{
public:
    CString() = default;
    CString(const char* text)
        : m_text(text ? text : "")
    {
    }
    CString(const char* text, int length);
    CString(char ch, int repeat = 1)
        : m_text(repeat > 0 ? size_t(repeat) : 0, ch)
    {
    }
    CString(std::string text)
        : m_text(std::move(text))
    {
    }
    CString(std::string_view text)
        : m_text(text)
    {
    }

    int GetLength() const { return int(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }
    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }
    const std::string& Str() const { return m_text; }

    CString& operator=(const char* text)
    {
        m_text = text ? text : "";
        return *this;
    }
    CString& operator=(char ch)
    {
        m_text.assign(1, ch);
        return *this;
    }
    CString& operator+=(const CString& s)
    {
        m_text += s.m_text;
        return *this;
    }
    CString& operator+=(const char* s)
    {
        if (s)
            m_text += s;
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_text += ch;
        return *this;
    }

    int Compare(const char* s) const;
    int CompareNoCase(const char* s) const;
    int Collate(const char* s) const { return Compare(s); }

    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* chars) const;
    CString SpanExcluding(const char* chars) const;

    // -1 when not found.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* chars) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* chars);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* chars);
    CString& Trim() { return TrimLeft().TrimRight(); }
    int Replace(char from, char to);
    int Replace(const char* from, const char* to);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* s);
    int Delete(int index, int count = 1);

    // printf-style formatting; CString arguments are passed as (LPCTSTR).
    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* format, va_list args);

    // Writable buffer of at least minLength bytes plus a terminator; the
    // text ends at the first NUL (or at newLength) after ReleaseBuffer.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Text of the string table entry `id` (see SetStringLoader); false and an
    // empty text when there is none.
    BOOL LoadString(UINT id);

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator==(const char* a, const CString& b) { return b == a; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(b == a); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }
    friend bool operator>(const CString& a, const CString& b) { return a.m_text > b.m_text; }
    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_text + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_text); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_text + b); }
    friend CString operator+(char a, const CString& b) { return CString(a + b.m_text); }

private:
    std::string m_text;
};

// String-table text `id` with each "%1" replaced by `arg`.
PLATFORM_API void AfxFormatString1(CString& rString, UINT id, LPCTSTR arg);

// The string table behind CString::LoadString, installed by the resources.
using StringLoader = bool (*)(UINT id, CString& text);
PLATFORM_API void SetStringLoader(StringLoader loader);
// The text of string-table entry `id`, empty when there is none.
PLATFORM_API CString LoadText(UINT id);
