#include "Morvane/LayoutCatalogue.h"

#include "Common/Registry.h"
#include "Framework/AfxMessageBox.h"
#include "Morvane/MsgException.h"

#include <cstring>

namespace {

const char kCataloguePath[] = "system\\currentcontrolset\\control\\keyboard layouts";

// Subkey names are at most 255 characters.
const DWORD kMaxKeyName = 256;

}  // namespace

const std::vector<CLayoutInfo>& GetInstalledLayouts() {
  // Read once per process and kept until it ends. (Each host test runs in a
  // process of its own, so each sees the catalogue unread.)
  static std::vector<CLayoutInfo> s_catalogue;
  static bool s_bLoaded = false;
  if (s_bLoaded) return s_catalogue;
  // Marked before reading: a read that fails part-way is not tried again.
  s_bLoaded = true;

  CRegistryKey catalogueKey(HKEY_LOCAL_MACHINE, kCataloguePath, KEY_ALL_ACCESS);
  for (DWORD dwIndex = 0;; ++dwIndex) {
    char szName[kMaxKeyName];
    DWORD dwNameLen = kMaxKeyName;
    FILETIME ftLastWrite;
    const LONG lStatus =
        RegEnumKeyExA(catalogueKey.m_hKey, dwIndex, szName, &dwNameLen, nullptr, nullptr, nullptr, &ftLastWrite);
    if (lStatus == ERROR_NO_MORE_ITEMS) return s_catalogue;
    if (lStatus != ERROR_SUCCESS) throw new CMsgException("Error reading registry");

    CRegistryKey layoutKey(catalogueKey.m_hKey, szName, KEY_ALL_ACCESS);
    CLayoutInfo info;
    info.m_strKeyName = szName;
    // A missing value, or one of another type, leaves its field empty.
    layoutKey.ReadString("layout file", info.m_strLayoutFile);
    layoutKey.ReadString("layout text", info.m_strLayoutText);
    layoutKey.ReadString("layout id", info.m_strLayoutId);
    s_catalogue.push_back(info);
  }
}

CString GetSystemDirectoryString() {
  char szDirectory[MAX_PATH] = "";
  const UINT nLength = GetSystemDirectoryA(szDirectory, MAX_PATH);
  if (nLength < MAX_PATH) return CString(szDirectory, static_cast<int>(nLength));
  CString strMessage;
  strMessage.Format("Error: Path to System directory must be shorter than %d characters", MAX_PATH);
  AfxMessageBox(strMessage, MB_OK);
  return CString();
}

void GetUsableLayouts(std::vector<CLayoutInfo>& out) {
  const std::vector<CLayoutInfo>& catalogue = GetInstalledLayouts();
  const CString strSystemDirectory = GetSystemDirectoryString();
  // Without the system directory no layout file can be found; a bare
  // backslash would look in the root of whatever drive is current.
  if (strSystemDirectory.IsEmpty()) return;
  const CString strPrefix = strSystemDirectory + "\\";
  for (const CLayoutInfo& info : catalogue)
    if (!info.m_strLayoutFile.IsEmpty() && FileExists(strPrefix + info.m_strLayoutFile)) out.push_back(info);
}

bool FileExists(LPCSTR pszPath) {
  // A wildcard would let some other entry answer for the one named.
  if (std::strpbrk(pszPath, "*?") != nullptr) return false;
  char szFullPath[MAX_PATH];
  LPSTR pszFilePart = nullptr;
  const DWORD nLength = GetFullPathNameA(pszPath, MAX_PATH, szFullPath, &pszFilePart);
  if (nLength == 0 || nLength >= MAX_PATH) return false;
  WIN32_FIND_DATAA findData;
  HANDLE hFind = FindFirstFileA(szFullPath, &findData);
  if (hFind == INVALID_HANDLE_VALUE) return false;
  FindClose(hFind);
  return true;
}
