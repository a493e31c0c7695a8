#include "HostWin32/Registry.h"

#include "HostWin32/Host.h"
#include "HostWin32/Kernel.h"
#include "HostWin32/Text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

namespace host {
namespace {

struct CValue {
  std::string strName;
  DWORD dwType = REG_NONE;
  std::vector<BYTE> data;
};

// Subkeys are kept by their lower-case name, which gives Wine's enumeration
// order: sorted without regard to case, letters folded to lower case.
struct CKey {
  std::string strName;
  std::vector<CValue> values;  // in creation order
  std::map<std::string, std::shared_ptr<CKey>> subkeys;
  REGSAM samDenied = 0;
  bool bDeleted = false;

  // The subkey at an index of the sorted order. The last position is kept,
  // so that a walk by rising index costs constant time per step, as on
  // Windows; any change to the subkeys forgets it.
  std::map<std::string, std::shared_ptr<CKey>>::iterator SubkeyAt(std::size_t nIndex) {
    if (!bEnumValid || nIndex < nEnumIndex) {
      enumIt = subkeys.begin();
      nEnumIndex = 0;
      bEnumValid = true;
    }
    std::advance(enumIt, nIndex - nEnumIndex);
    nEnumIndex = nIndex;
    return enumIt;
  }
  void EraseSubkey(std::map<std::string, std::shared_ptr<CKey>>::iterator it) {
    subkeys.erase(it);
    bEnumValid = false;
  }
  void SubkeysChanged() { bEnumValid = false; }

 private:
  std::map<std::string, std::shared_ptr<CKey>>::iterator enumIt;
  std::size_t nEnumIndex = 0;
  bool bEnumValid = false;

 public:

  CValue* FindValue(const std::string& name) {
    for (CValue& value : values)
      if (Lower(value.strName) == Lower(name)) return &value;
    return nullptr;
  }
};

struct CHandle {
  std::shared_ptr<CKey> pKey;
  REGSAM samGranted;
};

struct CScheduled {
  RegCall call;
  unsigned nRemaining;  // calls still to come before it applies; 0: every call
  bool bFail;
  LONG lStatus;
  std::function<void()> action;
};

std::map<HKEY, std::shared_ptr<CKey>> g_roots;
std::map<HKEY, CHandle> g_handles;
std::uintptr_t g_nextHandle = 0x1000;
std::vector<CScheduled> g_scheduled;
std::map<RegCall, int> g_callCounts;

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path) {
    if (c == '\\') {
      if (!part.empty()) parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(part);
  return parts;
}

std::shared_ptr<CKey> Root(HKEY hRoot) {
  std::shared_ptr<CKey>& pRoot = g_roots[hRoot];
  if (!pRoot) pRoot = std::make_shared<CKey>();
  return pRoot;
}

// The key below pFrom, or null when some part of the path is missing.
std::shared_ptr<CKey> Find(std::shared_ptr<CKey> pFrom, const std::string& path) {
  for (const std::string& part : SplitPath(path)) {
    auto it = pFrom->subkeys.find(Lower(part));
    if (it == pFrom->subkeys.end()) return nullptr;
    pFrom = it->second;
  }
  return pFrom;
}

std::shared_ptr<CKey> Create(HKEY hRoot, const std::string& path) {
  std::shared_ptr<CKey> pKey = Root(hRoot);
  for (const std::string& part : SplitPath(path)) {
    std::shared_ptr<CKey>& pSub = pKey->subkeys[Lower(part)];
    if (!pSub) {
      pSub = std::make_shared<CKey>();
      pSub->strName = part;
      pKey->SubkeysChanged();
    }
    pKey = pSub;
  }
  return pKey;
}

void MarkDeleted(CKey& key) {
  key.bDeleted = true;
  for (auto& sub : key.subkeys) MarkDeleted(*sub.second);
}

// Counts the call and fires what was scheduled for it. Returns the status of
// an injected failure, or ERROR_SUCCESS when the call is to go ahead; the
// actions to run after the call are handed back in after.
LONG Enter(RegCall call, std::vector<std::function<void()>>& after) {
  ++g_callCounts[call];
  LONG lFailure = ERROR_SUCCESS;
  for (auto it = g_scheduled.begin(); it != g_scheduled.end();) {
    const bool bEveryCall = it->nRemaining == 0;
    if (it->call != call || (!bEveryCall && --it->nRemaining != 0)) {
      ++it;
      continue;
    }
    if (it->bFail)
      lFailure = it->lStatus;
    else
      after.push_back(it->action);
    it = bEveryCall ? it + 1 : g_scheduled.erase(it);
  }
  return lFailure;
}

// Wraps one registry function: counting, injected failure, then the work,
// then the actions scheduled after it.
template <class F>
LONG Run(RegCall call, F work) {
  std::vector<std::function<void()>> after;
  LONG lStatus = Enter(call, after);
  if (lStatus == ERROR_SUCCESS) lStatus = work();
  for (auto& action : after) action();
  return lStatus;
}

// The key behind a handle, checked for the rights the operation needs.
LONG Resolve(HKEY hKey, REGSAM samNeeded, std::shared_ptr<CKey>& pKey) {
  if (hKey == HKEY_CLASSES_ROOT || hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE || hKey == HKEY_USERS) {
    pKey = Root(hKey);
    return ERROR_SUCCESS;
  }
  auto it = g_handles.find(hKey);
  if (it == g_handles.end()) return ERROR_INVALID_HANDLE;
  if ((it->second.samGranted & samNeeded) != samNeeded) return ERROR_ACCESS_DENIED;
  if (it->second.pKey->bDeleted) return ERROR_KEY_DELETED;
  pKey = it->second.pKey;
  return ERROR_SUCCESS;
}

std::string Hex8(DWORD dw) {
  char sz[9];
  std::snprintf(sz, sizeof sz, "%08x", static_cast<unsigned>(dw));
  return sz;
}

// The data's size as the registry keeps it: the NT family keeps strings in
// UTF-16, and RegQueryInfoKeyA reports their data at that size.
DWORD StoredSize(const CValue& value) {
  const DWORD cbSize = static_cast<DWORD>(value.data.size());
  const bool bString = value.dwType == REG_SZ || value.dwType == REG_EXPAND_SZ || value.dwType == REG_MULTI_SZ;
  return bString && Kernel().dwPlatformId == VER_PLATFORM_WIN32_NT ? 2 * cbSize : cbSize;
}

// Copies a name with its terminating zero into a buffer of *pcch characters.
LONG CopyName(const std::string& name, LPSTR psz, LPDWORD pcch) {
  if (psz == nullptr || pcch == nullptr) return ERROR_INVALID_PARAMETER;
  if (name.size() >= *pcch) return ERROR_MORE_DATA;
  std::memcpy(psz, name.c_str(), name.size() + 1);
  *pcch = static_cast<DWORD>(name.size());
  return ERROR_SUCCESS;
}

// Copies value data as RegQueryValueExA and RegEnumValueA do: the size only
// when there is no buffer, ERROR_MORE_DATA with the size needed when the
// buffer is too small.
LONG CopyData(const CValue& value, LPDWORD pdwType, LPBYTE pData, LPDWORD pcbData) {
  if (pData != nullptr && pcbData == nullptr) return ERROR_INVALID_PARAMETER;
  if (pdwType) *pdwType = value.dwType;
  if (pcbData == nullptr) return ERROR_SUCCESS;
  const DWORD cbSize = static_cast<DWORD>(value.data.size());
  const DWORD cbRoom = *pcbData;
  *pcbData = cbSize;
  if (pData == nullptr) return ERROR_SUCCESS;
  if (cbRoom < cbSize) return ERROR_MORE_DATA;
  if (cbSize) std::memcpy(pData, value.data.data(), cbSize);
  return ERROR_SUCCESS;
}

}  // namespace

void CreateRegKey(HKEY hRoot, const std::string& path) { Create(hRoot, path); }

void SetRegValue(HKEY hRoot, const std::string& path, const std::string& name, DWORD dwType,
                 const std::vector<BYTE>& data) {
  std::shared_ptr<CKey> pKey = Create(hRoot, path);
  CValue* pValue = pKey->FindValue(name);
  if (pValue == nullptr) {
    pKey->values.push_back(CValue{name, dwType, data});
    return;
  }
  pValue->dwType = dwType;
  pValue->data = data;
}

void SetRegString(HKEY hRoot, const std::string& path, const std::string& name, const std::string& text) {
  std::vector<BYTE> data(text.begin(), text.end());
  data.push_back(0);
  SetRegValue(hRoot, path, name, REG_SZ, data);
}

void SetRegDword(HKEY hRoot, const std::string& path, const std::string& name, DWORD dwValue) {
  std::vector<BYTE> data(4);
  std::memcpy(data.data(), &dwValue, 4);
  SetRegValue(hRoot, path, name, REG_DWORD, data);
}

void DeleteRegKeyTree(HKEY hRoot, const std::string& path) {
  std::vector<std::string> parts = SplitPath(path);
  if (parts.empty()) return;
  const std::string last = parts.back();
  parts.pop_back();
  std::string parentPath;
  for (const std::string& part : parts) parentPath += part + "\\";
  std::shared_ptr<CKey> pParent = Find(Root(hRoot), parentPath);
  if (!pParent) return;
  auto it = pParent->subkeys.find(Lower(last));
  if (it == pParent->subkeys.end()) return;
  MarkDeleted(*it->second);
  pParent->EraseSubkey(it);
}

void DenyRegAccess(HKEY hRoot, const std::string& path, REGSAM samDenied) {
  Create(hRoot, path)->samDenied |= samDenied;
}

bool RegKeyExists(HKEY hRoot, const std::string& path) { return Find(Root(hRoot), path) != nullptr; }

std::vector<std::string> RegValueNames(HKEY hRoot, const std::string& path) {
  std::vector<std::string> names;
  if (std::shared_ptr<CKey> pKey = Find(Root(hRoot), path))
    for (const CValue& value : pKey->values) names.push_back(value.strName);
  return names;
}

std::vector<std::string> RegSubkeyNames(HKEY hRoot, const std::string& path) {
  std::vector<std::string> names;
  if (std::shared_ptr<CKey> pKey = Find(Root(hRoot), path))
    for (const auto& sub : pKey->subkeys) names.push_back(sub.second->strName);
  return names;
}

void FailRegCall(RegCall call, unsigned nth, LONG lStatus) {
  g_scheduled.push_back(CScheduled{call, nth, true, lStatus, nullptr});
}

void AfterRegCall(RegCall call, unsigned nth, std::function<void()> action) {
  g_scheduled.push_back(CScheduled{call, nth, false, ERROR_SUCCESS, std::move(action)});
}

int RegCallCount(RegCall call) {
  auto it = g_callCounts.find(call);
  return it == g_callCounts.end() ? 0 : it->second;
}

int OpenRegKeys() { return static_cast<int>(g_handles.size()); }

void ResetRegistry() {
  for (auto& root : g_roots) MarkDeleted(*root.second);
  g_roots.clear();
  g_handles.clear();
  g_nextHandle = 0x1000;
  g_scheduled.clear();
  g_callCounts.clear();
}

}  // namespace host

using host::RegCall;

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  const std::string subkey = lpSubKey ? lpSubKey : "";
  host::LogCall("RegOpenKeyExA(" + subkey + "," + host::Hex8(samDesired) + ")");
  if (phkResult == nullptr) return ERROR_INVALID_PARAMETER;
  *phkResult = nullptr;
  return host::Run(RegCall::OpenKey, [&]() -> LONG {
    std::shared_ptr<host::CKey> pFrom;
    // Opening needs no right on the key it starts from.
    if (LONG lStatus = host::Resolve(hKey, 0, pFrom)) return lStatus;
    std::shared_ptr<host::CKey> pKey = host::Find(pFrom, subkey);
    if (!pKey) return ERROR_FILE_NOT_FOUND;
    if (samDesired & pKey->samDenied) return ERROR_ACCESS_DENIED;
    HKEY hNew = reinterpret_cast<HKEY>(host::g_nextHandle);
    host::g_nextHandle += 4;
    host::g_handles[hNew] = host::CHandle{pKey, samDesired};
    *phkResult = hNew;
    return ERROR_SUCCESS;
  });
}

LONG RegCloseKey(HKEY hKey) {
  host::LogCall("RegCloseKey");
  const bool bOpen = host::g_handles.count(hKey) != 0;
  LONG lStatus = host::Run(RegCall::CloseKey, [&]() -> LONG {
    std::shared_ptr<host::CKey> pKey;
    if (!bOpen) return host::Resolve(hKey, 0, pKey);
    return ERROR_SUCCESS;
  });
  host::g_handles.erase(hKey);
  return lStatus;
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  return host::Run(RegCall::QueryValue, [&]() -> LONG {
    std::shared_ptr<host::CKey> pKey;
    if (LONG lStatus = host::Resolve(hKey, KEY_QUERY_VALUE, pKey)) return lStatus;
    const host::CValue* pValue = pKey->FindValue(lpValueName ? lpValueName : "");
    if (pValue == nullptr) return ERROR_FILE_NOT_FOUND;
    return host::CopyData(*pValue, lpType, lpData, lpcbData);
  });
}

LONG RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD, LPDWORD lpcSubKeys,
                      LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen, LPDWORD lpcValues,
                      LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen, LPDWORD lpcbSecurityDescriptor,
                      PFILETIME lpftLastWriteTime) {
  return host::Run(RegCall::QueryInfoKey, [&]() -> LONG {
    std::shared_ptr<host::CKey> pKey;
    if (LONG lStatus = host::Resolve(hKey, KEY_QUERY_VALUE, pKey)) return lStatus;
    DWORD cchMaxSubkey = 0, cchMaxValueName = 0, cbMaxValue = 0;
    for (const auto& sub : pKey->subkeys)
      cchMaxSubkey = std::max(cchMaxSubkey, static_cast<DWORD>(sub.second->strName.size()));
    for (const host::CValue& value : pKey->values) {
      cchMaxValueName = std::max(cchMaxValueName, static_cast<DWORD>(value.strName.size()));
      cbMaxValue = std::max(cbMaxValue, host::StoredSize(value));
    }
    if (lpClass && lpcchClass && *lpcchClass) lpClass[0] = '\0';
    if (lpcchClass) *lpcchClass = 0;
    if (lpcSubKeys) *lpcSubKeys = static_cast<DWORD>(pKey->subkeys.size());
    if (lpcbMaxSubKeyLen) *lpcbMaxSubKeyLen = cchMaxSubkey;
    if (lpcbMaxClassLen) *lpcbMaxClassLen = 0;
    if (lpcValues) *lpcValues = static_cast<DWORD>(pKey->values.size());
    if (lpcbMaxValueNameLen) *lpcbMaxValueNameLen = cchMaxValueName;
    if (lpcbMaxValueLen) *lpcbMaxValueLen = cbMaxValue;
    if (lpcbSecurityDescriptor) *lpcbSecurityDescriptor = 0;
    if (lpftLastWriteTime) *lpftLastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
  });
}

LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD, LPDWORD lpType,
                   LPBYTE lpData, LPDWORD lpcbData) {
  return host::Run(RegCall::EnumValue, [&]() -> LONG {
    std::shared_ptr<host::CKey> pKey;
    if (LONG lStatus = host::Resolve(hKey, KEY_QUERY_VALUE, pKey)) return lStatus;
    if (dwIndex >= pKey->values.size()) return ERROR_NO_MORE_ITEMS;
    const host::CValue& value = pKey->values[dwIndex];
    if (lpcchValueName == nullptr || lpValueName == nullptr) return ERROR_INVALID_PARAMETER;
    if (value.strName.size() >= *lpcchValueName) return ERROR_MORE_DATA;
    const LONG lStatus = host::CopyData(value, lpType, lpData, lpcbData);
    if (lStatus != ERROR_SUCCESS) return lStatus;
    return host::CopyName(value.strName, lpValueName, lpcchValueName);
  });
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD, LPSTR lpClass,
                   LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  return host::Run(RegCall::EnumKey, [&]() -> LONG {
    std::shared_ptr<host::CKey> pKey;
    if (LONG lStatus = host::Resolve(hKey, KEY_ENUMERATE_SUB_KEYS, pKey)) return lStatus;
    if (dwIndex >= pKey->subkeys.size()) return ERROR_NO_MORE_ITEMS;
    auto it = pKey->SubkeyAt(dwIndex);
    const LONG lStatus = host::CopyName(it->second->strName, lpName, lpcchName);
    if (lStatus != ERROR_SUCCESS) return lStatus;
    if (lpClass && lpcchClass && *lpcchClass) lpClass[0] = '\0';
    if (lpcchClass) *lpcchClass = 0;
    if (lpftLastWriteTime) *lpftLastWriteTime = FILETIME{0, 0};
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  return host::Run(RegCall::DeleteValue, [&]() -> LONG {
    std::shared_ptr<host::CKey> pKey;
    if (LONG lStatus = host::Resolve(hKey, KEY_SET_VALUE, pKey)) return lStatus;
    const std::string name = host::Lower(lpValueName ? lpValueName : "");
    auto& values = pKey->values;
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const host::CValue& value) { return host::Lower(value.strName) == name; });
    if (it == values.end()) return ERROR_FILE_NOT_FOUND;
    values.erase(it);
    return ERROR_SUCCESS;
  });
}

LONG RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  return host::Run(RegCall::DeleteKey, [&]() -> LONG {
    if (lpSubKey == nullptr) return ERROR_INVALID_PARAMETER;
    std::shared_ptr<host::CKey> pFrom;
    if (LONG lStatus = host::Resolve(hKey, 0, pFrom)) return lStatus;
    std::vector<std::string> parts = host::SplitPath(lpSubKey);
    if (parts.empty()) return ERROR_INVALID_PARAMETER;
    const std::string last = host::Lower(parts.back());
    parts.pop_back();
    std::shared_ptr<host::CKey> pParent = pFrom;
    for (const std::string& part : parts) {
      auto it = pParent->subkeys.find(host::Lower(part));
      if (it == pParent->subkeys.end()) return ERROR_FILE_NOT_FOUND;
      pParent = it->second;
    }
    auto it = pParent->subkeys.find(last);
    if (it == pParent->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    if (it->second->samDenied & DELETE) return ERROR_ACCESS_DENIED;
    if (!it->second->subkeys.empty() && host::Kernel().dwPlatformId == VER_PLATFORM_WIN32_NT)
      return ERROR_ACCESS_DENIED;
    host::MarkDeleted(*it->second);
    pParent->EraseSubkey(it);
    return ERROR_SUCCESS;
  });
}
