#include "Common/Registry.h"

#include "Morvane/MsgException.h"
#include "Morvane/Probes.h"

#include <cstring>
#include <vector>

namespace {

// Bytes before the first zero byte, never more than nMax. (strnlen is
// missing from the C run-time of the oldest Windows we run on.)
int TextLength(LPCSTR pch, DWORD nMax) {
  const void* pZero = std::memchr(pch, 0, nMax);
  return static_cast<int>(pZero ? static_cast<LPCSTR>(pZero) - pch : nMax);
}

// The program only reads the registry, yet asks for full access first. A
// user who may not write a key is refused that; reading it is enough.
bool AsksMoreThanReading(REGSAM samDesired) { return (samDesired & KEY_READ) == KEY_READ && samDesired != KEY_READ; }

// ReadString, also telling the value's type. The text changes only when a
// REG_SZ value was read in full.
LONG ReadStringValue(HKEY hKey, LPCSTR pszValueName, CString& strText, DWORD& dwType) {
  dwType = 0;
  DWORD dwSize = 0;
  LONG lStatus = RegQueryValueExA(hKey, pszValueName, nullptr, &dwType, nullptr, &dwSize);
  if (lStatus != ERROR_SUCCESS || dwType != REG_SZ) return lStatus;
  if (dwSize == 0) {
    // Not even a terminating zero: an empty text.
    strText.Empty();
    return lStatus;
  }
  // The data need not end in a zero byte: the text stops at the data's end.
  std::vector<char> buffer(dwSize, '\0');
  lStatus = RegQueryValueExA(hKey, pszValueName, nullptr, &dwType, reinterpret_cast<LPBYTE>(buffer.data()), &dwSize);
  if (lStatus != ERROR_SUCCESS || dwType != REG_SZ) return lStatus;
  strText = CString(buffer.data(), TextLength(buffer.data(), dwSize));
  return lStatus;
}

}  // namespace

// ---- CRegistryKey

CRegistryKey::CRegistryKey(HKEY hRoot, LPCSTR pszSubkey, REGSAM samDesired) {
  if (Open(hRoot, pszSubkey, samDesired) != ERROR_SUCCESS)
    throw new CMsgException(CString("Problem with Windows Registry: Unable to open subkey: ") + pszSubkey);
}

CRegistryKey::~CRegistryKey() { Close(); }

LONG CRegistryKey::Open(HKEY hRoot, LPCSTR pszSubkey, REGSAM samDesired) {
  Close();
  LONG lStatus = RegOpenKeyExA(hRoot, pszSubkey, 0, samDesired, &m_hKey);
  if (lStatus == ERROR_ACCESS_DENIED && AsksMoreThanReading(samDesired))
    lStatus = RegOpenKeyExA(hRoot, pszSubkey, 0, KEY_READ, &m_hKey);
  if (lStatus != ERROR_SUCCESS) m_hKey = nullptr;
  return lStatus;
}

LONG CRegistryKey::ReadString(LPCSTR pszValueName, CString& strText) {
  DWORD dwType;
  return ReadStringValue(m_hKey, pszValueName, strText, dwType);
}

LONG CRegistryKey::DeleteSubkey(LPCSTR pszSubkey) { return RegDeleteKeyA(m_hKey, pszSubkey); }

LONG CRegistryKey::Close() {
  if (m_hKey == nullptr) return ERROR_SUCCESS;
  LONG lStatus = RegCloseKey(m_hKey);
  m_hKey = nullptr;
  return lStatus;
}

// ---- CRegValueEnum

CRegValueEnum::CRegValueEnum(CRegistryKey* pKey) : m_pKey(pKey) {
  if (RegQueryInfoKeyA(m_pKey->m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &m_dwMaxNameLen,
                       &m_dwMaxDataLen, nullptr, nullptr) != ERROR_SUCCESS)
    ThrowInternalError(__FILE__, 143);
  // The longest data counted the terminating zero of the longest string.
  if (m_dwMaxDataLen > 0) --m_dwMaxDataLen;
  Fetch();
}

void CRegValueEnum::Fetch() {
  for (;;) {
    DWORD dwNameLen = m_dwMaxNameLen + 1;
    DWORD dwDataLen = m_dwMaxDataLen + 1;
    DWORD dwType = 0;
    const DWORD dwIndex = m_dwIndex++;
    LPSTR pszData = m_strData.GetBuffer(static_cast<int>(m_dwMaxDataLen));
    LPSTR pszName = m_strName.GetBuffer(static_cast<int>(m_dwMaxNameLen));
    const LONG lStatus = RegEnumValueA(m_pKey->m_hKey, dwIndex, pszName, &dwNameLen, nullptr, &dwType,
                                       reinterpret_cast<LPBYTE>(pszData), &dwDataLen);
    if (lStatus == ERROR_NO_MORE_ITEMS) {
      m_bDone = true;
      m_strName.Empty();
      m_strData.Empty();
      return;
    }
    m_strName.ReleaseBuffer();
    if (lStatus != ERROR_SUCCESS) {
      m_strData.ReleaseBuffer();
      ThrowInternalError(__FILE__, 176);
    }
    // The data need not end in a zero byte; what lies past it is stale.
    m_strData.ReleaseBuffer(TextLength(pszData, dwDataLen));
    if (dwType == REG_SZ) return;
  }
}

void CRegValueEnum::DeleteCurrent() {
  // Once done the name is empty, which would name the key's default value.
  if (m_bDone) return;
  if (RegDeleteValueA(m_pKey->m_hKey, m_strName) != ERROR_SUCCESS) ThrowInternalError(__FILE__, 184);
  m_dwIndex = 0;
}

// ---- CRegSubkeyEnum

CRegSubkeyEnum::CRegSubkeyEnum(CRegistryKey* pKey) : m_pKey(pKey) {
  if (RegQueryInfoKeyA(m_pKey->m_hKey, nullptr, nullptr, nullptr, nullptr, &m_dwMaxNameLen, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    ThrowInternalError(__FILE__, 191);
  Fetch();
}

void CRegSubkeyEnum::Fetch() {
  DWORD dwNameLen = m_dwMaxNameLen + 1;
  FILETIME ftLastWrite;
  const DWORD dwIndex = m_dwIndex++;
  LPSTR pszName = m_strName.GetBuffer(static_cast<int>(m_dwMaxNameLen));
  const LONG lStatus =
      RegEnumKeyExA(m_pKey->m_hKey, dwIndex, pszName, &dwNameLen, nullptr, nullptr, nullptr, &ftLastWrite);
  if (lStatus == ERROR_NO_MORE_ITEMS) {
    m_bDone = true;
    m_strName.Empty();
    return;
  }
  m_strName.ReleaseBuffer();
  if (lStatus != ERROR_SUCCESS) ThrowInternalError(__FILE__, 211);
}

void CRegSubkeyEnum::DeleteCurrent() {
  // Once done the name is empty, which would name the walked key itself.
  if (m_bDone) return;
  if (m_pKey->DeleteSubkey(m_strName) != ERROR_SUCCESS) ThrowInternalError(__FILE__, 219);
  m_dwIndex = 0;
}

// ---- Cursors

CRegValueIterator::CRegValueIterator(LPCSTR pszPath)
    : m_key(HKEY_CURRENT_USER, pszPath, KEY_ALL_ACCESS), m_enum(&m_key) {}

CRegSubkeyIterator::CRegSubkeyIterator(LPCSTR pszPath)
    : m_key(HKEY_CURRENT_USER, pszPath, KEY_ALL_ACCESS), m_enum(&m_key) {
  SkipUnreadable();
}

void CRegSubkeyIterator::Next() {
  m_enum.Fetch();
  SkipUnreadable();
}

void CRegSubkeyIterator::SkipUnreadable() {
  CRegistryKey subkey;
  while (!m_enum.m_bDone) {
    // A default value of another type than REG_SZ has no text to give.
    DWORD dwType = 0;
    if (subkey.Open(m_key.m_hKey, m_enum.m_strName, KEY_ALL_ACCESS) == ERROR_SUCCESS &&
        ReadStringValue(subkey.m_hKey, "", m_strValue, dwType) == ERROR_SUCCESS && dwType == REG_SZ)
      return;
    m_enum.Fetch();
  }
}

std::unique_ptr<CRegIterator> OpenUserRegIterator(LPCSTR pszPath) {
  if (IsWindowsNT()) return std::unique_ptr<CRegIterator>(new CRegValueIterator(pszPath));
  return std::unique_ptr<CRegIterator>(new CRegSubkeyIterator(pszPath));
}
