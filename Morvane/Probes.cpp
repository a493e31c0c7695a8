#include "Morvane/Probes.h"

#include "Framework/AfxMessageBox.h"

namespace {

// Neither function exists on every Windows we run on, so neither is imported.
typedef BOOL(WINAPI* PFN_IS_WOW64_PROCESS)(HANDLE, PBOOL);
typedef BOOL(WINAPI* PFN_IS_VALID_LANGUAGE_GROUP)(DWORD, DWORD);

const DWORD kLanguageGroupHebrew = 12;
const DWORD kLanguageGroupInstalled = 1;
const UINT kHebrewCodePage = 1255;

template <class F>
F LookUp(HMODULE hModule, LPCSTR pszName) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(hModule, pszName)));
}

}  // namespace

bool CLibraryHandle::Load(LPCSTR pszFileName, DWORD dwFlags) {
  if (!Free()) return false;
  m_hModule = LoadLibraryExA(pszFileName, nullptr, dwFlags);
  return m_hModule != nullptr;
}

bool CLibraryHandle::Free() {
  if (m_hModule == nullptr) return true;
  if (!FreeLibrary(m_hModule)) return false;
  m_hModule = nullptr;
  return true;
}

bool IsWindowsNT() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool IsRunningOnWow64() {
  CLibraryHandle kernel;
  kernel.Load("kernel32.dll", 0);
  PFN_IS_WOW64_PROCESS pfnIsWow64Process = LookUp<PFN_IS_WOW64_PROCESS>(kernel.m_hModule, "IsWow64Process");
  BOOL bWow64 = FALSE;
  bool bAnswer = pfnIsWow64Process && pfnIsWow64Process(GetCurrentProcess(), &bWow64) && bWow64;
  kernel.Free();
  return bAnswer;
}

bool IsHebrewInstalled() {
  CLibraryHandle kernel;
  kernel.Load("kernel32.dll", 0);
  PFN_IS_VALID_LANGUAGE_GROUP pfnIsValidLanguageGroup =
      LookUp<PFN_IS_VALID_LANGUAGE_GROUP>(kernel.m_hModule, "IsValidLanguageGroup");
  bool bAnswer;
  if (pfnIsValidLanguageGroup) {
    bAnswer = pfnIsValidLanguageGroup(kLanguageGroupHebrew, kLanguageGroupInstalled) == 1;
  } else {
    bAnswer = IsValidCodePage(kHebrewCodePage) != FALSE;
    if (!bAnswer) AfxMessageBox("Invalid code page", MB_OK);
  }
  kernel.Free();
  return bAnswer;
}
