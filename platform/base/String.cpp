#include "platform/base/String.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace
{

std::atomic<StringLoader> g_stringLoader { nullptr };

const char* const kWhitespace = " \t\r\n\v\f";

int ClampIndex(int i, int size)
{
    return std::clamp(i, 0, size);
}

} // namespace

void SetStringLoader(StringLoader loader)
{
    g_stringLoader = loader;
}

CString::CString(const char* text, int length)
{
    if (text && length > 0)
        m_text.assign(text, size_t(length));
}

char CString::GetAt(int index) const
{
    return index >= 0 && index < GetLength() ? m_text[size_t(index)] : '\0';
}

void CString::SetAt(int index, char ch)
{
    if (index >= 0 && index < GetLength())
        m_text[size_t(index)] = ch;
}

int CString::Compare(const char* s) const
{
    int r = std::strcmp(m_text.c_str(), s ? s : "");
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

int CString::CompareNoCase(const char* s) const
{
    int r = strcasecmp(m_text.c_str(), s ? s : "");
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = ClampIndex(first, GetLength());
    count = ClampIndex(count, GetLength() - first);
    return CString(m_text.substr(size_t(first), size_t(count)));
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    count = ClampIndex(count, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(const char* chars) const
{
    size_t n = m_text.find_first_not_of(chars ? chars : "");
    return CString(m_text.substr(0, n));
}

CString CString::SpanExcluding(const char* chars) const
{
    size_t n = m_text.find_first_of(chars ? chars : "");
    return CString(m_text.substr(0, n));
}

int CString::Find(char ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t p = m_text.find(ch, size_t(start));
    return p == std::string::npos ? -1 : int(p);
}

int CString::Find(const char* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    size_t p = m_text.find(sub, size_t(start));
    return p == std::string::npos ? -1 : int(p);
}

int CString::ReverseFind(char ch) const
{
    size_t p = m_text.rfind(ch);
    return p == std::string::npos ? -1 : int(p);
}

int CString::FindOneOf(const char* chars) const
{
    size_t p = m_text.find_first_of(chars ? chars : "");
    return p == std::string::npos ? -1 : int(p);
}

// Case mapping touches ASCII letters only, so UTF-8 sequences stay intact.
CString& CString::MakeUpper()
{
    for (char& c : m_text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhitespace);
}
CString& CString::TrimRight()
{
    return TrimRight(kWhitespace);
}

CString& CString::TrimLeft(char ch)
{
    const char chars[2] = { ch, '\0' };
    return TrimLeft(chars);
}

CString& CString::TrimRight(char ch)
{
    const char chars[2] = { ch, '\0' };
    return TrimRight(chars);
}

CString& CString::TrimLeft(const char* chars)
{
    size_t p = m_text.find_first_not_of(chars ? chars : "");
    m_text.erase(0, p == std::string::npos ? m_text.size() : p);
    return *this;
}

CString& CString::TrimRight(const char* chars)
{
    size_t p = m_text.find_last_not_of(chars ? chars : "");
    m_text.erase(p == std::string::npos ? 0 : p + 1);
    return *this;
}

int CString::Replace(char from, char to)
{
    int n = 0;
    for (char& c : m_text)
        if (c == from) {
            c = to;
            ++n;
        }
    return n;
}

int CString::Replace(const char* from, const char* to)
{
    if (!from || !*from)
        return 0;
    std::string with = to ? to : "";
    size_t len = std::strlen(from);
    int n = 0;
    for (size_t p = m_text.find(from); p != std::string::npos; p = m_text.find(from, p + with.size())) {
        m_text.replace(p, len, with);
        ++n;
    }
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return int(before - m_text.size());
}

int CString::Insert(int index, char ch)
{
    m_text.insert(size_t(ClampIndex(index, GetLength())), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* s)
{
    if (s)
        m_text.insert(size_t(ClampIndex(index, GetLength())), s);
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index >= 0 && index < GetLength() && count > 0)
        m_text.erase(size_t(index), size_t(count));
    return GetLength();
}

void CString::FormatV(const char* format, va_list args)
{
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format ? format : "", copy);
    va_end(copy);
    if (n < 0) {
        m_text.clear();
        return;
    }
    std::string out(size_t(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format ? format : "", args);
    out.resize(size_t(n));
    m_text = std::move(out);
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    CString tail;
    va_list args;
    va_start(args, format);
    tail.FormatV(format, args);
    va_end(args);
    m_text += tail.m_text;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength())
        m_text.resize(size_t(minLength));
    return m_text.data();
}

char* CString::GetBufferSetLength(int length)
{
    m_text.resize(size_t(std::max(length, 0)));
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = int(std::strlen(m_text.c_str()));
    m_text.resize(size_t(std::min(newLength, GetLength())));
}

BOOL CString::LoadString(UINT id)
{
    m_text.clear();
    StringLoader loader = g_stringLoader;
    return loader && loader(id, *this) ? TRUE : FALSE;
}

void AfxFormatString1(CString& rString, UINT id, LPCTSTR arg)
{
    rString.LoadString(id);
    rString.Replace("%1", arg ? arg : "");
}

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}
