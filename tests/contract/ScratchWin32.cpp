// The scratch ground on the real Win32: a key below HKEY_CURRENT_USER and a
// folder in the temporary folder, made with the API and removed after each
// test. (ctest runs each Windows test executable in a throwaway Wine prefix;
// cleaning up keeps a run elsewhere from leaving anything behind.)
#include "Scratch.h"

#include <vector>

namespace {

const char kKey[] = "Software\\MorvaneContract";

std::vector<std::string> g_created;  // files and folders, in creation order

// Deletes a key and everything below it; the NT family deletes leaves only.
void DeleteTree(HKEY hParent, const std::string& subkey) {
  HKEY hKey = nullptr;
  if (RegOpenKeyExA(hParent, subkey.c_str(), 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) return;
  char szName[256];
  DWORD dwLength = sizeof szName;
  while (RegEnumKeyExA(hKey, 0, szName, &dwLength, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    DeleteTree(hKey, szName);
    dwLength = sizeof szName;
  }
  RegCloseKey(hKey);
  RegDeleteKeyA(hParent, subkey.c_str());
}

HKEY Create(const std::string& path) {
  HKEY hKey = nullptr;
  DWORD dwDisposition = 0;
  const LONG lStatus = RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                                       &dwDisposition);
  EXPECT_EQ(lStatus, ERROR_SUCCESS) << path;
  return hKey;
}

}  // namespace

namespace scratch {

std::string Key(const std::string& subkey) { return kKey + (subkey.empty() ? "" : "\\" + subkey); }

void CreateKey(const std::string& subkey) { RegCloseKey(Create(Key(subkey))); }

void SetValue(const std::string& subkey, const std::string& name, DWORD dwType, const std::string& data) {
  HKEY hKey = Create(Key(subkey));
  EXPECT_EQ(RegSetValueExA(hKey, name.c_str(), 0, dwType, reinterpret_cast<const BYTE*>(data.data()),
                           static_cast<DWORD>(data.size())),
            ERROR_SUCCESS)
      << name;
  RegCloseKey(hKey);
}

void SetString(const std::string& subkey, const std::string& name, const std::string& text) {
  SetValue(subkey, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

std::string Folder(const std::string& relative) {
  char szTemp[MAX_PATH];
  const DWORD nLength = GetTempPathA(MAX_PATH, szTemp);
  std::string folder = std::string(szTemp, nLength) + "MorvaneContract";
  return folder + (relative.empty() ? "" : "\\" + relative);
}

void MakeFile(const std::string& relative) {
  const std::string path = Folder(relative);
  HANDLE hFile = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(hFile, INVALID_HANDLE_VALUE) << path;
  CloseHandle(hFile);
  g_created.push_back(path);
}

void MakeFolder(const std::string& relative) {
  const std::string path = Folder(relative);
  ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path << " " << GetLastError();
  g_created.push_back(path);
}

}  // namespace scratch

void ContractTest::SetUp() {
  DeleteTree(HKEY_CURRENT_USER, kKey);
  scratch::CreateKey("");
  scratch::MakeFolder("");
}

void ContractTest::TearDown() {
  DeleteTree(HKEY_CURRENT_USER, kKey);
  for (auto it = g_created.rbegin(); it != g_created.rend(); ++it)
    if (!DeleteFileA(it->c_str())) RemoveDirectoryA(it->c_str());
  g_created.clear();
}
