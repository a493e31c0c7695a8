#include "HostWin32/Kernel.h"

#include "HostWin32/Host.h"
#include "HostWin32/Text.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace host {
namespace {

struct CLoadedModule {
  std::string strKey;
  int nReferences = 0;
};

// Module handles are addresses inside this table, so they stay distinct and
// never collide with other kinds of handle.
std::map<std::string, CLoadedModule> g_loaded;
std::map<std::string, int> g_loadCalls;
DWORD g_dwLastError = 0;

CLoadedModule* FromHandle(HMODULE h) {
  for (auto& entry : g_loaded)
    if (reinterpret_cast<HMODULE>(&entry.second) == h) return &entry.second;
  return nullptr;
}

BOOL FakeIsWow64Process(HANDLE, PBOOL pbWow64) {
  *pbWow64 = Kernel().bWow64Flag;
  return Kernel().bIsWow64ProcessResult;
}

BOOL FakeIsValidLanguageGroup(LGRPID group, DWORD flags) {
  Kernel().lastLanguageGroupAsked = group;
  Kernel().lastLanguageGroupFlags = flags;
  return Kernel().nIsValidLanguageGroupResult;
}

INT_PTR FakeCheckSumMappedFile() { return 0; }

template <class F>
FARPROC AsFarProc(F pfn) {
  return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(pfn));
}

CKernelState g_kernel;

}  // namespace

CKernelState& Kernel() { return g_kernel; }

void ResetKernel() {
  g_kernel = CKernelState();
  Module("kernel32.dll").functions["IsWow64Process"] = AsFarProc(&FakeIsWow64Process);
  Module("kernel32.dll").functions["IsValidLanguageGroup"] = AsFarProc(&FakeIsValidLanguageGroup);
  Module("imagehlp.dll").functions["CheckSumMappedFile"] = &FakeCheckSumMappedFile;
  g_loaded.clear();
  g_loadCalls.clear();
  g_dwLastError = 0;
}

CModule& Module(const std::string& fileName) { return g_kernel.modules[Lower(fileName)]; }

int LoadedModuleReferences() {
  int n = 0;
  for (const auto& entry : g_loaded) n += entry.second.nReferences;
  return n;
}

int LoadLibraryCalls(const std::string& fileName) {
  auto it = g_loadCalls.find(Lower(fileName));
  return it == g_loadCalls.end() ? 0 : it->second;
}

}  // namespace host

using host::Kernel;

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
  host::LogCall("GetVersionExA");
  if (info == nullptr || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA) || Kernel().bVersionQueryFails) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  info->dwMajorVersion = Kernel().dwMajorVersion;
  info->dwMinorVersion = Kernel().dwMinorVersion;
  info->dwBuildNumber = 0;
  info->dwPlatformId = Kernel().dwPlatformId;
  info->szCSDVersion[0] = '\0';
  return TRUE;
}

HMODULE LoadLibraryExA(LPCSTR name, HANDLE, DWORD dwFlags) {
  std::string key = host::Lower(name);
  host::LogCall("LoadLibraryExA(" + std::string(name) + "," + std::to_string(dwFlags) + ")");
  ++host::g_loadCalls[key];
  auto it = Kernel().modules.find(key);
  if (it == Kernel().modules.end() || !it->second.bLoadable) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  host::CLoadedModule& loaded = host::g_loaded[key];
  loaded.strKey = key;
  ++loaded.nReferences;
  return reinterpret_cast<HMODULE>(&loaded);
}

BOOL FreeLibrary(HMODULE h) {
  host::LogCall("FreeLibrary");
  host::CLoadedModule* loaded = host::FromHandle(h);
  if (loaded == nullptr || loaded->nReferences == 0 || Kernel().bFreeLibraryFails) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  --loaded->nReferences;
  return TRUE;
}

FARPROC GetProcAddress(HMODULE h, LPCSTR name) {
  host::CLoadedModule* loaded = host::FromHandle(h);
  if (loaded == nullptr || loaded->nReferences == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  const host::CModule& module = Kernel().modules[loaded->strKey];
  auto it = module.functions.find(name);
  if (it == module.functions.end()) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  return it->second;
}

HMODULE GetModuleHandleA(LPCSTR name) {
  // Only the program's own module is asked for; it is never unloaded.
  static int s_exe;
  return name == nullptr ? reinterpret_cast<HMODULE>(&s_exe) : nullptr;
}

DWORD GetModuleFileNameA(HMODULE, LPSTR buffer, DWORD nSize) {
  const std::string& path = Kernel().strModuleFileName;
  if (nSize == 0) return 0;
  DWORD n = static_cast<DWORD>(std::min<std::size_t>(path.size(), nSize - 1));
  std::memcpy(buffer, path.data(), n);
  buffer[n] = '\0';
  return n;
}

HANDLE GetCurrentProcess() { return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1)); }

BOOL IsValidCodePage(UINT codePage) {
  host::LogCall("IsValidCodePage(" + std::to_string(codePage) + ")");
  return Kernel().validCodePages.count(codePage) ? TRUE : FALSE;
}

UINT GetACP() { return Kernel().nAnsiCodePage; }

BOOL IsDBCSLeadByte(BYTE c) {
  switch (Kernel().nAnsiCodePage) {
    case 932:
      return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    case 936:
    case 949:
    case 950:
      return c >= 0x81 && c <= 0xFE;
    default:
      return FALSE;
  }
}

DWORD GetLastError() { return host::g_dwLastError; }
void SetLastError(DWORD dwErrCode) { host::g_dwLastError = dwErrCode; }

void ExitProcess(UINT uExitCode) {
  host::LogCall("ExitProcess(" + std::to_string(uExitCode) + ")");
  throw host::CProcessExit{uExitCode};
}
