// The settings store that takes the registry's place: the same key and value
// names, kept in one text file under the user's configuration folder
// (registry.ini in <config>/PellmoorTarnwick) and rewritten atomically on
// every change. A missing file is an empty store; a file that cannot be
// read is never written over. Key and value names compare without regard to case, as the
// registry's do. A test points the store at its own file with
// SetSettingsFile.
#pragma once

#include "platform/base/Errors.h"
#include "platform/base/FileIo.h"
#include "platform/base/PlatformApi.h"
#include "platform/base/String.h"
#include "platform/base/Types.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(uintptr_t(0x80000000)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(uintptr_t(0x80000001)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(uintptr_t(0x80000002)))
#define HKEY_USERS (reinterpret_cast<HKEY>(uintptr_t(0x80000003)))

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

PLATFORM_API LONG RegOpenKeyEx(HKEY hKey, LPCTSTR subKey, DWORD options, REGSAM sam, PHKEY result);
PLATFORM_API LONG RegCreateKeyEx(HKEY hKey, LPCTSTR subKey, DWORD reserved, LPTSTR keyClass, DWORD options,
    REGSAM sam, void* security, PHKEY result, LPDWORD disposition);
PLATFORM_API LONG RegCloseKey(HKEY hKey);
// With data null only the size is given; a buffer that is too small gives
// ERROR_MORE_DATA and the size needed. REG_SZ sizes count the terminator.
PLATFORM_API LONG RegQueryValueEx(
    HKEY hKey, LPCTSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD cbData);
PLATFORM_API LONG RegSetValueEx(
    HKEY hKey, LPCTSTR valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD cbData);
PLATFORM_API LONG RegDeleteValue(HKEY hKey, LPCTSTR valueName);
// Deletes a key that has no subkeys.
PLATFORM_API LONG RegDeleteKey(HKEY hKey, LPCTSTR subKey);

// The file behind the store; setting it reads that file (a missing file is
// an empty store).
PLATFORM_API void SetSettingsFile(const CString& path);
PLATFORM_API CString GetSettingsFile();
// True when the file is there but could not be read (not when it is
// missing): the store then starts empty, keeps its changes in memory for
// this run and never writes over the file.
PLATFORM_API BOOL IsSettingsFileUnreadable();
// Test seam: the file reads and writes of this library (the settings file)
// go through this hook, as FileIo's do (see FileIo.h).
PLATFORM_API void SetSettingsWriteFaultHook(FileFaultHook hook);

// The install folder: a folder the user owns, by default PellmoorTarnwick
// in the user's data folder. EnsureInstallFolder creates it and, when the
// store has no "InstallDir" under HKEY_LOCAL_MACHINE
// "SOFTWARE\Halvern\Pellmoor", records it there as an installer would.
PLATFORM_API void SetInstallFolder(const CString& path);
PLATFORM_API CString GetInstallFolder();
PLATFORM_API BOOL EnsureInstallFolder();
