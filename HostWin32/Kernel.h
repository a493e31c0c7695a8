// Stand-in for the kernel32 functions the program calls: the version record,
// loadable modules and their functions, code pages, the module's file name
// and process exit.
#pragma once

#include "HostWin32/Win32Types.h"

#include <map>
#include <set>
#include <string>

#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2

#define LGRPID_INSTALLED 0x00000001
#define LGRPID_HEBREW 0x000c

typedef struct _OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize;
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  CHAR szCSDVersion[128];
} OSVERSIONINFOA, *LPOSVERSIONINFOA, OSVERSIONINFO;

BOOL GetVersionExA(LPOSVERSIONINFOA lpVersionInformation);
HMODULE LoadLibraryExA(LPCSTR lpLibFileName, HANDLE hFile, DWORD dwFlags);
BOOL FreeLibrary(HMODULE hLibModule);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
HMODULE GetModuleHandleA(LPCSTR lpModuleName);
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
HANDLE GetCurrentProcess();
BOOL IsValidCodePage(UINT CodePage);
UINT GetACP();
BOOL IsDBCSLeadByte(BYTE TestChar);
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
[[noreturn]] void ExitProcess(UINT uExitCode);

namespace host {

// ExitProcess throws this instead of ending the test process, so that a test
// sees the exit code and that nothing after the call ran.
struct CProcessExit {
  UINT uExitCode;
};

struct CModule {
  bool bLoadable = true;
  std::map<std::string, FARPROC> functions;  // exact names, as GetProcAddress matches them
};

struct CKernelState {
  bool bVersionQueryFails = false;
  DWORD dwPlatformId = VER_PLATFORM_WIN32_NT;
  DWORD dwMajorVersion = 5;
  DWORD dwMinorVersion = 1;

  // Answers of the fake IsWow64Process and IsValidLanguageGroup that the
  // default kernel32.dll exports (remove the function to make it absent).
  BOOL bIsWow64ProcessResult = TRUE;
  BOOL bWow64Flag = FALSE;
  BOOL nIsValidLanguageGroupResult = 1;
  LGRPID lastLanguageGroupAsked = 0;
  DWORD lastLanguageGroupFlags = 0;

  std::set<UINT> validCodePages{437, 850, 932, 1250, 1251, 1252, 1255};
  UINT nAnsiCodePage = 1252;

  bool bFreeLibraryFails = false;
  std::string strModuleFileName = "C:\\Program Files\\Morvane\\Morvane.exe";

  std::map<std::string, CModule> modules;  // keyed by lower-case file name
};

CKernelState& Kernel();
void ResetKernel();
CModule& Module(const std::string& fileName);  // creates the module if absent
int LoadedModuleReferences();                  // load references not yet freed
int LoadLibraryCalls(const std::string& fileName);

}  // namespace host
