// Stand-in for the advapi32 registry functions: an in-memory registry below
// the predefined roots, enumerated in the order Windows gives (subkeys sorted
// by name without regard to case, values in the order they were created),
// with access rights per key, scripted faults and a count of open keys.
#pragma once

#include "HostWin32/Win32Types.h"

#include <functional>
#include <string>
#include <vector>

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)((LONG)0x80000000))
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))
#define HKEY_USERS ((HKEY)(ULONG_PTR)((LONG)0x80000003))

#define DELETE 0x00010000L
#define READ_CONTROL 0x00020000L
#define WRITE_DAC 0x00040000L
#define WRITE_OWNER 0x00080000L
#define SYNCHRONIZE 0x00100000L
#define STANDARD_RIGHTS_READ READ_CONTROL
#define STANDARD_RIGHTS_WRITE READ_CONTROL
#define STANDARD_RIGHTS_ALL 0x001F0000L

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_CREATE_LINK 0x0020
#define KEY_READ ((STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY) & (~SYNCHRONIZE))
#define KEY_WRITE ((STANDARD_RIGHTS_WRITE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY) & (~SYNCHRONIZE))
#define KEY_ALL_ACCESS                                                                                         \
  ((STANDARD_RIGHTS_ALL | KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS |      \
    KEY_NOTIFY | KEY_CREATE_LINK) &                                                                            \
   (~SYNCHRONIZE))

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_DWORD_BIG_ENDIAN 5
#define REG_LINK 6
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define ERROR_KEY_DELETED 1018L

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegCloseKey(HKEY hKey);
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData);
// The longest value data counts strings on the NT family at their UTF-16 size.
LONG RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved, LPDWORD lpcSubKeys,
                      LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues,
                      LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                      PFILETIME lpftLastWriteTime);
LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
                   LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
// On the NT family a key with subkeys is not deleted (status 5); on the 9x
// family its whole subtree goes with it.
LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey);

namespace host {

// Building the registry. Paths lie below a predefined root, their parts
// separated by backslashes. Names match without regard to letter case and
// keep the case they were first given.

// Creates the key and every missing key above it.
void CreateRegKey(HKEY hRoot, const std::string& path);
// Creates the key if need be. A value that exists keeps its place in the
// enumeration order and takes the new type and data.
void SetRegValue(HKEY hRoot, const std::string& path, const std::string& name, DWORD dwType,
                 const std::vector<BYTE>& data);
// REG_SZ with its terminating zero.
void SetRegString(HKEY hRoot, const std::string& path, const std::string& name, const std::string& text);
void SetRegDword(HKEY hRoot, const std::string& path, const std::string& name, DWORD dwValue);
// Removes the key with its subtree; handles open on it then fail with
// ERROR_KEY_DELETED.
void DeleteRegKeyTree(HKEY hRoot, const std::string& path);
// Opens of the key that ask for any of these rights are refused with
// ERROR_ACCESS_DENIED, as for a user who lacks them.
void DenyRegAccess(HKEY hRoot, const std::string& path, REGSAM samDenied);

// Reading it back, in enumeration order; empty when the key is missing.
bool RegKeyExists(HKEY hRoot, const std::string& path);
std::vector<std::string> RegValueNames(HKEY hRoot, const std::string& path);
std::vector<std::string> RegSubkeyNames(HKEY hRoot, const std::string& path);

// The functions that faults and hooks can be attached to.
enum class RegCall { OpenKey, CloseKey, QueryValue, QueryInfoKey, EnumValue, EnumKey, DeleteValue, DeleteKey };

// Makes the nth call of the function from now on (1: the next one) fail with
// lStatus and change nothing; nth 0 makes every call fail. A failed
// RegCloseKey still releases its handle.
void FailRegCall(RegCall call, unsigned nth, LONG lStatus);
// Runs the action right after the nth call of the function from now on
// (1: the next one; 0: every call) has done its work: e.g. to change a value
// between the query of its size and its reading.
void AfterRegCall(RegCall call, unsigned nth, std::function<void()> action);

// Calls of the function since the last reset, failed ones included.
int RegCallCount(RegCall call);
// Handles given out and not yet closed (predefined roots not counted).
int OpenRegKeys();

void ResetRegistry();

}  // namespace host
