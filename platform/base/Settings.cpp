#include "platform/base/Settings.h"

#include "platform/base/FileIo.h"

#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <vector>

namespace
{

struct Value {
    std::string name;
    DWORD type = REG_NONE;
    std::vector<uint8_t> data;
};

struct Key {
    std::string path; // as first written, e.g. HKEY_LOCAL_MACHINE\SOFTWARE\Halvern\Pellmoor
    std::vector<Value> values;
};

struct OpenKey {
    std::string path;
};

const char* const kRootNames[]
    = { "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS" };

std::mutex g_mutex;
bool g_loaded = false;
// The file is there but could not be read: the store starts empty and never
// writes over it, so that one read error does not wipe the user's settings.
bool g_unreadable = false;
std::string g_file;
std::string g_installFolder;
std::map<std::string, Key> g_keys; // by lower-case path
std::set<OpenKey*> g_open;

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

bool SameName(const std::string& a, const std::string& b)
{
    return Lower(a) == Lower(b);
}

std::vector<Value>::iterator FindValue(std::vector<Value>& values, const std::string& name)
{
    return std::find_if(values.begin(), values.end(), [&](const Value& o) { return SameName(o.name, name); });
}

// Joins path parts with single backslashes, dropping empty parts.
std::string JoinPath(const std::string& base, const char* sub)
{
    std::string out = base;
    std::string part;
    auto flush = [&] {
        if (!part.empty())
            out += (out.empty() ? "" : "\\") + part;
        part.clear();
    };
    for (const char* p = sub ? sub : ""; *p; ++p) {
        if (*p == '\\')
            flush();
        else
            part += *p;
    }
    flush();
    return out;
}

// The path of a handle, or false for a handle that is not open.
bool PathOf(HKEY hKey, std::string& path)
{
    auto raw = reinterpret_cast<uintptr_t>(hKey);
    if (raw >= 0x80000000u && raw <= 0x80000003u) {
        path = kRootNames[raw - 0x80000000u];
        return true;
    }
    auto* open = reinterpret_cast<OpenKey*>(hKey);
    if (!g_open.count(open))
        return false;
    path = open->path;
    return true;
}

bool IsRoot(const std::string& path)
{
    return path.find('\\') == std::string::npos;
}

bool KeyExists(const std::string& path)
{
    return IsRoot(path) || g_keys.count(Lower(path));
}

std::string DefaultSettingsFile()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (dir + "/PellmoorTarnwick/registry.ini").toStdString();
}

// Text escapes: the file stays one record per line whatever the names and
// texts hold.
std::string Escape(const std::string& s)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c < 0x20 || c == 0x7F || c == '=' || c == '[' || c == ']' || c == '@' || c == ':')
            out += std::string("\\x") + hex[c >> 4] + hex[c & 15];
        else
            out += char(c);
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Lenient with hand-edited files: a backslash that starts no escape stands
// for itself, so "SOFTWARE\Halvern" reads as written.
void Unescape(const std::string& s, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && s[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x' && HexDigit(s[i + 2]) >= 0
            && HexDigit(s[i + 3]) >= 0) {
            out += char(HexDigit(s[i + 2]) * 16 + HexDigit(s[i + 3]));
            i += 3;
        } else {
            out += s[i];
        }
    }
}

std::string HexBytes(const std::vector<uint8_t>& data)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    for (uint8_t b : data) {
        out += hex[b >> 4];
        out += hex[b & 15];
    }
    return out;
}

bool ParseHexBytes(const std::string& s, std::vector<uint8_t>& out)
{
    if (s.size() % 2)
        return false;
    out.clear();
    for (size_t i = 0; i < s.size(); i += 2) {
        int hi = HexDigit(s[i]), lo = HexDigit(s[i + 1]);
        if (hi < 0 || lo < 0)
            return false;
        out.push_back(uint8_t(hi * 16 + lo));
    }
    return true;
}

std::string Serialize()
{
    std::string out = "; Settings of Pellmoor Tarnwick (registry keys and values)\n";
    for (const auto& [lower, key] : g_keys) {
        out += "\n[" + Escape(key.path) + "]\n";
        for (const Value& v : key.values) {
            out += (v.name.empty() ? std::string("@") : Escape(v.name)) + "=";
            if (v.type == REG_SZ)
                out += "sz:" + Escape(std::string(v.data.begin(), v.data.end()));
            else if (v.type == REG_DWORD && v.data.size() == 4) {
                DWORD d;
                std::memcpy(&d, v.data.data(), 4);
                char text[16];
                std::snprintf(text, sizeof text, "dword:%08X", d);
                out += text;
            } else {
                out += "hex(" + std::to_string(v.type) + "):" + HexBytes(v.data);
            }
            out += "\n";
        }
    }
    return out;
}

// Reads one value line; false for a line that is not one.
bool ParseValue(const std::string& line, Value& v)
{
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    std::string name = line.substr(0, eq), rest = line.substr(eq + 1);
    if (name == "@")
        v.name.clear();
    else
        Unescape(name, v.name);
    if (name != "@" && v.name.empty())
        return false;
    if (rest.rfind("sz:", 0) == 0) {
        std::string text;
        Unescape(rest.substr(3), text);
        v.type = REG_SZ;
        v.data.assign(text.begin(), text.end());
        return true;
    }
    if (rest.rfind("dword:", 0) == 0) {
        std::string digits = rest.substr(6);
        if (digits.size() != 8 || digits.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
            return false;
        DWORD d = DWORD(std::stoul(digits, nullptr, 16));
        v.type = REG_DWORD;
        v.data.resize(4);
        std::memcpy(v.data.data(), &d, 4);
        return true;
    }
    if (rest.rfind("hex(", 0) == 0) {
        size_t close = rest.find("):");
        if (close == std::string::npos || close <= 4 || close - 4 > 10)
            return false;
        std::string number = rest.substr(4, close - 4);
        if (number.find_first_not_of("0123456789") != std::string::npos)
            return false;
        unsigned long type = std::stoul(number);
        if (type > 0xFFFFFFFFul)
            return false;
        v.type = DWORD(type);
        return ParseHexBytes(rest.substr(close + 2), v.data);
    }
    return false;
}

void Parse(const std::string& text)
{
    g_keys.clear();
    Key* current = nullptr;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            std::string path;
            current = nullptr;
            if (line.back() != ']')
                continue;
            Unescape(line.substr(1, line.size() - 2), path);
            path = JoinPath("", path.c_str());
            if (IsRoot(path))
                continue;
            Key& key = g_keys[Lower(path)];
            if (key.path.empty())
                key.path = path;
            current = &key;
            continue;
        }
        Value v;
        if (!current || !ParseValue(line, v))
            continue;
        auto same = FindValue(current->values, v.name);
        if (same != current->values.end())
            *same = v;
        else
            current->values.push_back(v);
    }
}

void EnsureLoaded()
{
    if (g_loaded)
        return;
    g_loaded = true;
    if (g_file.empty())
        g_file = DefaultSettingsFile();
    std::vector<uint8_t> bytes;
    g_keys.clear();
    const FileReadResult read = ReadFileBytes(g_file, bytes);
    g_unreadable = read == FileReadResult::Unreadable;
    if (read == FileReadResult::Read)
        Parse(std::string(bytes.begin(), bytes.end()));
}

bool Persist()
{
    std::string text = Serialize();
    QDir().mkpath(QString::fromStdString(
        g_file.substr(0, g_file.rfind('/') == std::string::npos ? 0 : g_file.rfind('/'))));
    return WriteFileAtomic(g_file, text.data(), text.size());
}

// Creates the key and its parents; gives whether it was new.
bool CreateKeyPath(const std::string& path)
{
    if (KeyExists(path))
        return false;
    size_t sep = path.rfind('\\');
    if (sep != std::string::npos)
        CreateKeyPath(path.substr(0, sep));
    Key& key = g_keys[Lower(path)];
    key.path = path;
    return true;
}

// Makes a change and writes the file; when the file cannot be written the
// change is undone, so that memory and disk agree. A store whose file could
// not be read keeps its changes for this run only.
template <class Change> LONG Commit(Change change)
{
    auto before = g_keys;
    change();
    if (g_unreadable || Persist())
        return ERROR_SUCCESS;
    g_keys = before;
    return ERROR_WRITE_FAULT;
}

// The full path of hKey's subkey for the open and create calls.
LONG SubKeyPath(HKEY hKey, LPCTSTR subKey, PHKEY result, std::string& path)
{
    EnsureLoaded();
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::string base;
    if (!PathOf(hKey, base))
        return ERROR_INVALID_HANDLE;
    path = JoinPath(base, subKey);
    return ERROR_SUCCESS;
}

HKEY NewHandle(const std::string& path)
{
    auto* open = new OpenKey { path };
    g_open.insert(open);
    return reinterpret_cast<HKEY>(open);
}

} // namespace

void SetSettingsWriteFaultHook(FileFaultHook hook)
{
    SetFileFaultHook(std::move(hook));
}

LONG RegOpenKeyEx(HKEY hKey, LPCTSTR subKey, DWORD, REGSAM, PHKEY result)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    std::string path;
    if (LONG r = SubKeyPath(hKey, subKey, result, path); r != ERROR_SUCCESS)
        return r;
    if (!KeyExists(path))
        return ERROR_FILE_NOT_FOUND;
    *result = NewHandle(path);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyEx(
    HKEY hKey, LPCTSTR subKey, DWORD, LPTSTR, DWORD, REGSAM, void*, PHKEY result, LPDWORD disposition)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    std::string path;
    if (LONG r = SubKeyPath(hKey, subKey, result, path); r != ERROR_SUCCESS)
        return r;
    bool created = !KeyExists(path);
    if (created && Commit([&] { CreateKeyPath(path); }) != ERROR_SUCCESS)
        return ERROR_WRITE_FAULT;
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = NewHandle(path);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY hKey)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    std::string path;
    if (!PathOf(hKey, path))
        return ERROR_INVALID_HANDLE;
    auto* open = reinterpret_cast<OpenKey*>(hKey);
    if (g_open.erase(open))
        delete open;
    return ERROR_SUCCESS;
}

LONG RegQueryValueEx(HKEY hKey, LPCTSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD cbData)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    EnsureLoaded();
    std::string path;
    if (!PathOf(hKey, path))
        return ERROR_INVALID_HANDLE;
    if (data && !cbData)
        return ERROR_INVALID_PARAMETER;
    auto key = g_keys.find(Lower(path));
    if (key == g_keys.end())
        return ERROR_FILE_NOT_FOUND;
    std::string name = valueName ? valueName : "";
    for (const Value& v : key->second.values) {
        if (!SameName(v.name, name))
            continue;
        if (type)
            *type = v.type;
        DWORD needed = DWORD(v.data.size());
        if (data && *cbData < needed) {
            *cbData = needed;
            return ERROR_MORE_DATA;
        }
        if (data && needed)
            std::memcpy(data, v.data.data(), needed);
        if (cbData)
            *cbData = needed;
        return ERROR_SUCCESS;
    }
    return ERROR_FILE_NOT_FOUND;
}

LONG RegSetValueEx(HKEY hKey, LPCTSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD cbData)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    EnsureLoaded();
    std::string path;
    if (!PathOf(hKey, path))
        return ERROR_INVALID_HANDLE;
    if ((!data && cbData) || IsRoot(path) || (type == REG_DWORD && cbData != 4))
        return ERROR_INVALID_PARAMETER;
    Value v { valueName ? valueName : "", type, std::vector<uint8_t>(data, data + cbData) };
    return Commit([&] {
        CreateKeyPath(path);
        auto& values = g_keys[Lower(path)].values;
        auto same = FindValue(values, v.name);
        if (same != values.end())
            *same = v;
        else
            values.push_back(v);
    });
}

LONG RegDeleteValue(HKEY hKey, LPCTSTR valueName)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    EnsureLoaded();
    std::string path;
    if (!PathOf(hKey, path))
        return ERROR_INVALID_HANDLE;
    auto key = g_keys.find(Lower(path));
    if (key == g_keys.end())
        return ERROR_FILE_NOT_FOUND;
    std::string name = valueName ? valueName : "";
    auto& values = key->second.values;
    auto it = FindValue(values, name);
    if (it == values.end())
        return ERROR_FILE_NOT_FOUND;
    size_t index = size_t(it - values.begin());
    return Commit([&] { values.erase(values.begin() + ptrdiff_t(index)); });
}

LONG RegDeleteKey(HKEY hKey, LPCTSTR subKey)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    EnsureLoaded();
    std::string base;
    if (!PathOf(hKey, base))
        return ERROR_INVALID_HANDLE;
    std::string path = JoinPath(base, subKey);
    if (IsRoot(path))
        return ERROR_ACCESS_DENIED;
    std::string lower = Lower(path);
    if (!g_keys.count(lower))
        return ERROR_FILE_NOT_FOUND;
    for (const auto& [other, key] : g_keys)
        if (other.size() > lower.size() && other.compare(0, lower.size() + 1, lower + "\\") == 0)
            return ERROR_ACCESS_DENIED;
    return Commit([&] { g_keys.erase(lower); });
}

void SetSettingsFile(const CString& path)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_file = path.Str();
    g_loaded = false;
    EnsureLoaded();
}

BOOL IsSettingsFileUnreadable()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    EnsureLoaded();
    return g_unreadable;
}

CString GetSettingsFile()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    return CString(g_file.empty() ? DefaultSettingsFile() : g_file);
}

void SetInstallFolder(const CString& path)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_installFolder = path.Str();
}

CString GetInstallFolder()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_installFolder.empty())
        return (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/PellmoorTarnwick")
            .toStdString();
    return CString(g_installFolder);
}

BOOL EnsureInstallFolder()
{
    CString folder = GetInstallFolder();
    if (!QDir().mkpath(QString::fromUtf8(folder.GetString())))
        return FALSE;
    HKEY key = nullptr;
    if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Halvern\\Pellmoor", 0, nullptr, REG_OPTION_NON_VOLATILE,
            KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return FALSE;
    DWORD size = 0;
    LONG r = ERROR_SUCCESS;
    if (RegQueryValueEx(key, "InstallDir", nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        r = RegSetValueEx(key, "InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.GetString()),
            DWORD(folder.GetLength() + 1));
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}
